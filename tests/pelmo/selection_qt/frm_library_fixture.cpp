#include "frm_library_fixture.h"

#include "pelmo/engine/condition_model.h"

#include "shared/parts/part_number_codes.h"

#include <QTest>

#include <algorithm>

namespace pelmo::testing {

void ScriptedHost::ChooseCandidate(std::vector<std::int32_t>& candidates) {
    ++offers;
    if (preferred && std::find(candidates.begin(), candidates.end(), *preferred) != candidates.end())
        candidates.assign(1, *preferred);
}

FrmLibraryTest::FrmLibraryTest(int helpLanguage, char separator)
    : separator_(separator),
      library_(LoadLibrary(PELMO_SAMPLE_LIBRARY_DIR, separator)),
      model_(library_, fake_.messages, fake_.cursor, host_, separator) {
    fake_.facts.Help.language = helpLanguage;
    window_ = std::make_unique<FrmLibrary>(model_, fake_.services, fake_.facts);
    window_->SetBeep([this] { ++beeps_; });
    QObject::connect(window_.get(), &FrmLibrary::selectionChanged, [this] { ++selectionChanges_; });
    QObject::connect(window_.get(), &FrmLibrary::catalogLinkRequested, [this] { ++catalogRequests_; });
    QObject::connect(window_.get(), &FrmLibrary::mustEnd, [this] { ++mustEnds_; });
    window_->Form_Load();
    loadChanges_ = selectionChanges_;
    selectionChanges_ = 0;
    window_->show();
}

FrmLibraryTest::~FrmLibraryTest() = default;

void FrmLibraryTest::Choose(const char* box, const std::string& text) {
    QComboBox* combo = Child<QComboBox>(box);
    const int row = combo->findText(QString::fromStdString(text), Qt::MatchExactly);
    ASSERT_GE(row, 0) << box << " lacks " << text;
    combo->setCurrentIndex(row);
    emit combo->activated(row);
}

void FrmLibraryTest::TypeAndEnter(QLineEdit* edit, const std::string& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, QString::fromStdString(text));
    QTest::keyClick(edit, Qt::Key_Return);
}

void FrmLibraryTest::TypePartNumberAndEnter(const std::string& text) {
    QComboBox* box = Child<QComboBox>("cboPartNumber");
    box->setFocus();
    box->lineEdit()->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, QString::fromStdString(text));
    ASSERT_EQ(box->currentText(), QString::fromStdString(text));
    QTest::keyClick(box, Qt::Key_Return);
}

void FrmLibraryTest::TypeAndEnter(const char* edit, const std::string& text) {
    TypeAndEnter(Child<QLineEdit>(edit), text);
}

std::int32_t FrmLibraryTest::ModelledCapacitor(const std::string& characteristic) const {
    const shared::CodeSystem code = model_.State().CodeSystem;
    for (std::size_t u = 0; u < library_.CapacitorTable.size(); ++u) {
        const CapacitorRecord& record = library_.CapacitorTable[u];
        std::string tcc = record.TempChar[code];
        tcc.erase(0, tcc.find_first_not_of(' '));
        tcc.erase(tcc.find_last_not_of(' ') + 1);
        if (!record.PartNumber[code].empty() && HasConditionModel(record) &&
            shared::FrequencyRangeClass(record.PartNumber[code]) != 0 &&
            (characteristic.empty() || tcc == characteristic))
            return static_cast<std::int32_t>(u);
    }
    ADD_FAILURE() << "no modelled capacitor " << characteristic;
    return 0;
}

const std::string& FrmLibraryTest::PartNumberOf(std::int32_t index) const {
    return library_.CapacitorTable[static_cast<std::size_t>(index)].PartNumber[model_.State().CodeSystem];
}

std::vector<std::string> FrmLibraryTest::ReadoutTexts() const {
    std::vector<std::string> texts;
    for (const char* name : {"lblFreq", "lblImp", "lblCap", "lblInd", "lblRes", "lblMag0", "lblMag1",
                             "lblPhase0", "lblPhase1", "lblReal0", "lblReal1", "lblImag0", "lblImag1"})
        texts.push_back(Text(name).toStdString());
    return texts;
}

}  // namespace pelmo::testing
