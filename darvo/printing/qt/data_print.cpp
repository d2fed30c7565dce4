#include "darvo/printing/qt/data_print.h"

#include "darvo/engine/chart_table.h"
#include "darvo/export/chart_data_output.h"
#include "darvo/library/product_library.h"
#include "darvo/printing/data_page.h"
#include "darvo/printing/qt/chart_output.h"

#include "shared/dialogs/frm_printing.h"
#include "shared/errors/runtime_error.h"
#include "shared/platform/error_report.h"
#include "shared/platform/hourglass_guard.h"
#include "shared/platform/messages.h"
#include "shared/platform/print_job.h"
#include "shared/platform/services.h"

#include <QDateTime>
#include <QLocale>

#include <cstddef>
#include <exception>

namespace darvo {

namespace {

std::string NowText() {
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    return (locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
            locale.toString(now.time(), QLocale::LongFormat))
        .toStdString();
}

}  // namespace

DataPrintOutcome PrintChartData(QWidget* mainWindow, ChartTable& table, const ProductLibrary& library,
                                const DataPrintRequest& request, const shared::Services& services) {
    if (services.Messages.Show(DataPrintQuestionText(request.PartNumberText), shared::MessageIcon::Question,
                               kChartPrintTitle,
                               shared::MessageButtons::OkCancel) != shared::MessageAnswer::Ok) {
        return DataPrintOutcome::Cancelled;
    }

    // The temporary record is gone again once this returns, whatever the engine did.
    std::optional<ChartDataRecord> record;
    try {
        record =
            ComputeOutputRecord(table, library, request.Header, request.DecimalSeparator, services.Messages);
    } catch (const shared::RuntimeError& failure) {
        shared::ErrorReport(services.Messages, shared::ReportTitleOf(failure, kChartOutputReportTitle),
                            failure, shared::ErrorNumberForm::TrailingBlank);
        return DataPrintOutcome::Refused;
    } catch (const std::exception& failure) {
        shared::ErrorReport(services.Messages, kChartOutputReportTitle, failure,
                            shared::ErrorNumberForm::TrailingBlank);
        return DataPrintOutcome::Refused;
    }
    if (!record) {
        return DataPrintOutcome::Refused;
    }

    DataPageFacts facts;
    facts.DateTimeText = request.DateTimeText ? request.DateTimeText() : NowText();
    facts.PartNumber = library.ProductTable[static_cast<std::size_t>(record->ProductIndex)]
                           .PartNumber[static_cast<std::size_t>(library.CodeSystem)];
    facts.DegreeSign = request.DegreeSign;
    facts.DecimalSeparator = request.DecimalSeparator;

    shared::HourglassGuard hourglass(services.Cursor);
    shared::frmPrinting notice(mainWindow);
    notice.ShowNow();
    const bool sent = shared::RunPrintJob(
        services.Printer, shared::PageOrientation::Portrait,
        [&](shared::PageCanvas& page) { PrintDataPage(page, *record, facts); },
        [&notice, &hourglass] {
            notice.close();
            hourglass.Release();
        },
        services.Messages, kChartOutputReportTitle);
    return sent ? DataPrintOutcome::Printed : DataPrintOutcome::Failed;
}

}  // namespace darvo
