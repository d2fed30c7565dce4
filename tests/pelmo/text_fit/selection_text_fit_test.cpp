// The selection window's readouts and captions, for every part of the sample library at
// both ends of its frequency range and in both decimal separators, each measured with
// its control's font against the room the control gives it.
#include "frm_library_fixture.h"

#include "shared/parts/part_number_codes.h"
#include "shared/text/number_text.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>

#include <map>

namespace pelmo::testing {
namespace {

// The room a label gives its text.
int Room(const QLabel& label) {
    return label.contentsRect().width() - 2 * label.margin() - std::max(0, label.indent());
}

// The room a line edit gives its text: inside its frame and the style's text margins.
int Room(const QLineEdit& edit) {
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.lineWidth =
        edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
    const QRect inside = edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
    const QMargins margins = edit.textMargins();
    return inside.width() - margins.left() - margins.right() - 4;  // the line edit's own 2-pixel side margins
}

// The room a combo box gives the text of its entries: its edit field.
int Room(const QComboBox& box) {
    QStyleOptionComboBox option;
    option.initFrom(&box);
    option.editable = box.isEditable();
    option.frame = box.hasFrame();
    return box.style()
               ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &box)
               .width() -
           4;
}

struct Widest {
    int width = -1;
    std::string text;
    std::string part;
};

class SelectionTextFitTest : public FrmLibraryTest, public ::testing::WithParamInterface<char> {
protected:
    SelectionTextFitTest() : FrmLibraryTest(2, GetParam()) {}

    // Notes the text if it is the widest seen so far for this control.
    void Note(const char* control, const std::string& text, const std::string& part) {
        QWidget* widget = Child<QWidget>(control);
        const int width = widget->fontMetrics().horizontalAdvance(QString::fromStdString(text));
        Widest& widest = widest_[control];
        if (width > widest.width) widest = Widest{width, text, part};
    }

    // Both ends of the chosen part's frequency range, as the scroll bar reaches them.
    void NoteBothEnds(const std::string& part) {
        for (const int position : {0, 200}) {
            model_.hsvFreq_Change(position);
            const SelectionWindowState& state = model_.State();
            const SelectionReadouts& r = state.Readouts;
            ASSERT_FALSE(r.Imp.empty()) << part << " at " << position;
            Note("txtFreq", state.Frequency, part);
            Note("lblFreqRange", state.FrequencyRange, part);
            Note("lblUse", state.Use, part);
            Note("cboPartNumber", state.PartNumber.Text, part);
            Note("cboItemA", state.ItemA.Text, part);
            Note("cboItemB", state.ItemB.Text, part);
            Note("cboItemC", state.ItemC.Text, part);
            if (state.ItemDVisible) Note("cboItemD", state.ItemD.Text, part);
            for (const auto& [control, text] :
                 std::initializer_list<std::pair<const char*, const std::string*>>{{"lblFreq", &r.Freq},
                                                                                   {"lblImp", &r.Imp},
                                                                                   {"lblCap", &r.Cap},
                                                                                   {"lblInd", &r.Ind},
                                                                                   {"lblRes", &r.Res},
                                                                                   {"lblMag0", &r.Mag[0]},
                                                                                   {"lblMag1", &r.Mag[1]},
                                                                                   {"lblPhase0", &r.Phase[0]},
                                                                                   {"lblPhase1", &r.Phase[1]},
                                                                                   {"lblReal0", &r.Real[0]},
                                                                                   {"lblReal1", &r.Real[1]},
                                                                                   {"lblImag0", &r.Imag[0]},
                                                                                   {"lblImag1", &r.Imag[1]}})
                Note(control, *text, part);
        }
    }

    void ExpectEveryWidestTextFits() {
        for (const auto& [control, widest] : widest_) {
            QWidget* widget = Child<QWidget>(control.c_str());
            int room = 0;
            if (const auto* edit = qobject_cast<QLineEdit*>(widget))
                room = Room(*edit);
            else if (const auto* box = qobject_cast<QComboBox*>(widget))
                room = Room(*box);
            else
                room = Room(*qobject_cast<QLabel*>(widget));
            EXPECT_LE(widest.width, room) << control << " cuts \"" << widest.text << "\" of " << widest.part
                                          << " (" << widest.width << " px in " << room << " px)";
        }
    }

    // Captions: labels, option buttons and frame titles as the window shows them now.
    void ExpectCaptionsFit() {
        for (const QLabel* label : window_->findChildren<QLabel*>()) {
            if (!label->isVisibleTo(window_.get()) || label->text().isEmpty() ||
                label->textFormat() == Qt::RichText)
                continue;
            const int width = label->fontMetrics().horizontalAdvance(label->text());
            EXPECT_LE(width, Room(*label))
                << label->objectName().toStdString() << ": " << label->text().toStdString();
            EXPECT_LE(label->fontMetrics().height(), label->contentsRect().height())
                << label->objectName().toStdString();
        }
        for (const QRadioButton* option : window_->findChildren<QRadioButton*>()) {
            if (option->isVisibleTo(window_.get())) {
                EXPECT_LE(option->sizeHint().width(), option->width()) << option->text().toStdString();
            }
        }
        for (const QGroupBox* frame : window_->findChildren<QGroupBox*>()) {
            if (frame->isVisibleTo(window_.get()) && !frame->title().isEmpty()) {
                EXPECT_LE(frame->minimumSizeHint().width(), frame->width()) << frame->title().toStdString();
            }
        }
    }

    std::map<std::string, Widest> widest_;
};

TEST_P(SelectionTextFitTest, EveryReadoutOfEveryPartShowsWhole) {
    ExpectCaptionsFit();
    int chosen = 0;
    for (const CapacitorRecord& record : library_.CapacitorTable) {
        const std::string& part = record.PartNumber[shared::Eia];
        if (part.empty() || shared::FrequencyRangeClass(part) == 0) continue;
        model_.SetPartNumberText(part);
        model_.cboPartNumber_KeyPress('\r');
        NoteBothEnds(part);
        ++chosen;
    }
    window_->optProduct_Click(1);
    ExpectCaptionsFit();
    for (const InductorRecord& record : library_.InductorTable) {
        model_.SetPartNumberText(record.PartNumber);
        model_.cboPartNumber_KeyPress('\r');
        NoteBothEnds(record.PartNumber);
        ++chosen;
    }
    EXPECT_TRUE(fake_.messages.Shown().empty());
    EXPECT_GT(chosen, 2500);
    // Beyond the sample library: a tenth of a picofarad at the lowest frequency a
    // typed bias or temperature may push further, and the widest phase.
    Note("lblImp", "32269741082" + std::string(1, GetParam()) + "00", "a tiny capacitance");
    Note("lblPhase0", "-179" + std::string(1, GetParam()) + "9999", "a phase near -180 degrees");
    ASSERT_GE(widest_.size(), 21U);
    ExpectEveryWidestTextFits();
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, SelectionTextFitTest, ::testing::Values('.', ','),
                         [](const ::testing::TestParamInfo<char>& info) {
                             return std::string(info.param == '.' ? "Point" : "Comma");
                         });

}  // namespace
}  // namespace pelmo::testing
