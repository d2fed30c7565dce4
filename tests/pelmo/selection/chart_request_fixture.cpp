#include "chart_request_fixture.h"

#include "pelmo/library/library_loader.h"
#include "pelmo/library/program_identity.h"

#include "shared/canvas/recording_canvas.h"
#include "shared/parts/part_number_codes.h"

namespace pelmo::testing {

Library SampleLibrary() {
    return LoadLibrary(PELMO_SAMPLE_LIBRARY_DIR, '.');
}

std::string FindCapacitor(const Library& library, const std::function<bool(const CapacitorRecord&)>& pred,
                          int skip) {
    for (const CapacitorRecord& record : library.CapacitorTable) {
        const std::string& number = record.PartNumber[shared::Eia];
        if (!number.empty() && pred(record) && skip-- == 0) return number;
    }
    ADD_FAILURE() << "the sample library has no such capacitor";
    return {};
}

std::string FindInductor(const Library& library, const std::function<bool(const InductorRecord&)>& pred,
                         int skip) {
    for (const InductorRecord& record : library.InductorTable) {
        if (pred(record) && skip-- == 0) return record.PartNumber;
    }
    ADD_FAILURE() << "the sample library has no such inductor";
    return {};
}

int RangeClassOf(const std::string& partNumber) {
    return shared::FrequencyRangeClass(partNumber);
}

ModelWindows::ModelWindows(ChartSlotTable& slots, const ChartPointTable& points, const Library& library,
                           shared::Messages& messages)
    : slots_(slots), points_(points), library_(library), messages_(messages) {}

void ModelWindows::ShowChart(ChartKind kind) {
    shown.push_back(Shown{kind, slots_.CurrentSlot(), slots_.ImpedanceEsrSecondPass(), false});
    if (failure) failure();
    ChartContext context{slots_, points_, library_, shared::Eia, "\u00B0", &messages_, kProgramTitle};
    const std::string srf = srfReadout ? srfReadout() : std::string();
    shared::RecordingCanvas canvas;
    if (const auto entry = list_.OfKind(kind)) {
        Window& window = windows[entry->Window - 1];
        window.Legends = window.Model->Draw(canvas, true, context, srf);
        return;
    }
    Window window{std::make_unique<ChartWindowModel>(slots_, CircuitMode::Series, '.'), {}};
    window.Legends = window.Model->Draw(canvas, true, context, srf);
    windows.push_back(std::move(window));
    ids_.push_back(list_.Add(kind, slots_.CurrentSlot(), windows.size()));
    shown.back().NewWindow = true;
}

void ModelWindows::ChooseCandidate(std::vector<std::int32_t>& candidates) {
    candidates.resize(1);
}

void ModelWindows::Close(std::size_t i) {
    if (!windows.at(i).Open) return;
    windows[i].Model->Close(slots_);
    list_.Remove(ids_[i]);
    // A closed window keeps its place but shows nothing more.
    windows[i].Legends.clear();
    windows[i].Open = false;
}

void ModelWindows::CloseAllChartWindows() {
    for (std::size_t i = windows.size(); i-- > 0;) Close(i);
}

int ModelWindows::OpenChartWindowCount() const {
    int open = 0;
    for (const Window& window : windows) open += window.Open ? 1 : 0;
    return open;
}

ChartRequestFixture::ChartRequestFixture()
    : library_(SampleLibrary()),
      windows_(slots_, points_, library_, messages_),
      selection_(library_, messages_, cursor_, windows_, '.'),
      requests_(selection_, library_, slots_, points_, windows_, messages_, &cursor_) {
    selection_.Form_Load(2);
    windows_.srfReadout = [this] { return selection_.State().Readouts.Freq; };
}

void ChartRequestFixture::Choose(const std::string& partNumber, bool inductor) {
    const int product = inductor ? 1 : 0;
    if ((selection_.State().Product == ProductKind::Inductor) != inductor)
        selection_.optProduct_Click(product);
    selection_.SetPartNumberText(partNumber);
    selection_.cboPartNumber_KeyPress('\r');
    ASSERT_EQ(selection_.State().PartNumber.Text, partNumber) << Shown().size();
    messages_.Clear();
}

std::vector<std::string> ChartRequestFixture::Shown() {
    std::vector<std::string> texts;
    for (const shared::RecordedMessage& message : messages_.Shown()) texts.push_back(message.text);
    messages_.Clear();
    return texts;
}

}  // namespace pelmo::testing
