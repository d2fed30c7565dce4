#include "darvo/export/chart_data_output.h"

#include "darvo/engine/calculate_data_s.h"
#include "darvo/engine/calculate_data_t.h"
#include "darvo/engine/chart_table.h"
#include "darvo/engine/prepared_chart_record.h"
#include "darvo/export/dvx_writer.h"

#include "shared/errors/runtime_error.h"
#include "shared/platform/error_report.h"
#include "shared/platform/messages.h"

#include <exception>
#include <memory>

namespace darvo {

namespace {
constexpr const char* kComputeSource = "darvo:ComputeOutputRecord";
}  // namespace

std::optional<ChartDataRecord> ComputeOutputRecord(ChartTable& table, const ProductLibrary& library,
                                                   const ChartDataRecord& header, char separator,
                                                   shared::Messages& messages) {
    if (header.ProductIndex < 0 ||
        static_cast<std::size_t>(header.ProductIndex) >= library.ProductTable.size()) {
        throw shared::RuntimeError(shared::error::kSubscriptOutOfRange, kComputeSource)
            .WithReportTitle(kComputeSource);
    }
    const ProductRecord& part = library.ProductTable[static_cast<std::size_t>(header.ProductIndex)];

    PreparedChartRecord prepared(table);
    ChartDataRecord& record = prepared.Record();
    record.ChartType = header.ChartType;
    record.XAxisName = header.XAxisName;
    record.YAxisName = header.YAxisName;
    record.ProductIndex = header.ProductIndex;
    record.DCBiasVoltage = header.DCBiasVoltage;
    record.HeatResistance = header.HeatResistance;
    record.Frequency = header.Frequency;
    record.AmbientTemperature = header.AmbientTemperature;
    record.ParameterName = header.ParameterName;
    record.ParameterValue = header.ParameterValue;

    const bool computed = header.ChartType == TemperatureRise || header.ChartType == AllowablePower
                              ? CalculateDataT(table, part, messages, separator)
                              : CalculateDataS(table, part, library.CodeSystem, messages);
    if (!computed) {
        return std::nullopt;
    }
    return table.Prepared();
}

DataOutputOutcome SaveChartData(ChartTable& table, const ProductLibrary& library,
                                const SaveDataRequest& request, const shared::FileSinkOpener& open,
                                shared::Messages& messages) {
    std::optional<ChartDataRecord> record;
    try {
        record = ComputeOutputRecord(table, library, request.Header, request.Separator, messages);
    } catch (const shared::RuntimeError& failure) {
        // The engine titles its reports with its routine, which tells the user what failed.
        shared::ErrorReport(messages, shared::ReportTitleOf(failure, kDataOutputTitle), failure,
                            shared::ErrorNumberForm::TrailingBlank);
        return DataOutputOutcome::Failed;
    }
    if (!record) {
        return DataOutputOutcome::Refused;
    }

    try {
        const ProductRecord& part = library.ProductTable[static_cast<std::size_t>(record->ProductIndex)];
        DvxHeader header;
        header.DateTimeText = request.DateTimeText;
        header.PartNumber = part.PartNumber[static_cast<std::size_t>(library.CodeSystem)];
        // The whole text is formed before the sink opens, so nothing is written for a
        // curve that cannot be formatted.
        const std::string text = DvxFileText(*record, header, request.Separator);
        const std::unique_ptr<shared::FileSink> sink = open(request.TargetPath);
        if (!sink) {
            throw shared::RuntimeError(shared::error::kPathFileAccessError, kDataOutputTitle);
        }
        WriteDvxFile(*sink, text);
    } catch (const std::exception& failure) {
        shared::ErrorReport(messages, kDataOutputTitle, failure, shared::ErrorNumberForm::TrailingBlank);
        return DataOutputOutcome::Failed;
    }
    messages.Show(kDataSavedText + request.TargetPath, shared::MessageIcon::Information, kDataOutputTitle);
    return DataOutputOutcome::Saved;
}

}  // namespace darvo
