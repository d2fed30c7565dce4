// darvo's selection window with real events: the options, the lists by keyboard and
// mouse, the typed part number, the condition boxes with Tab and Enter, and Plot.

#include "darvo/selection/qt/frm_library.h"

#include "darvo/engine/chart_table.h"
#include "darvo/library/product_library.h"
#include "darvo/selection/library_selection.h"
#include "darvo/selection/qt/select_candidate.h"
#include "darvo/selection/testing/scripted_selection_host.h"
#include "tests/darvo/selection/selection_test_library.h"

#include "shared/platform/testing/fake_services.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace darvo {
namespace {

using namespace testing;

class FrmLibraryTest : public ::testing::Test {
protected:
    FrmLibraryTest() {
        host_.Attach(&model_);
        window_ = std::make_unique<FrmLibrary>(model_, fake_.services);
        window_->Form_Load(2);
        window_->show();
        window_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

    template <typename T>
    T* Child(const char* name) const {
        T* child = window_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    QString Text(const char* label) const { return Child<QLabel>(label)->text(); }
    // Picks an entry the way a user does with the keyboard: the list has the focus and
    // the arrow keys walk to the entry.
    void ChooseByKeyboard(const char* name, const QString& entry) {
        QComboBox* box = Child<QComboBox>(name);
        const int row = box->findText(entry, Qt::MatchExactly | Qt::MatchCaseSensitive);
        ASSERT_GE(row, 0) << name << " lacks " << entry.toStdString();
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Home);
        for (int i = 0; i < row; ++i) QTest::keyClick(box, Qt::Key_Down);
        ASSERT_EQ(box->currentText(), entry);
    }
    void TypeInto(const char* name, const QString& text) {
        QLineEdit* edit = Child<QLineEdit>(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    // A click on an option's caption, where a user points.
    void ClickOption(const char* name) {
        QRadioButton* option = Child<QRadioButton>(name);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(20, option->height() / 2));
    }
    // A key in a box; what leaving the box starts runs once the focus has moved.
    void Key(const char* name, Qt::Key key) {
        QTest::keyClick(Child<QWidget>(name), key);
        QCoreApplication::processEvents();
    }
    void TypePartNumber(const QString& text) {
        QComboBox* box = Child<QComboBox>("cmbPartNum");
        box->setFocus();
        box->lineEdit()->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

    ProductLibrary library_ = SelectionTestLibrary();
    ChartTable table_;
    shared::FakeServices fake_;
    ScriptedSelectionHost host_{library_, table_, '.'};
    LibrarySelection model_{library_, table_, fake_.messages, fake_.cursor, host_, '.'};
    std::unique_ptr<FrmLibrary> window_;
};

TEST_F(FrmLibraryTest, EveryControlCarriesItsNameAndCaption) {
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Tervalon"));
    EXPECT_EQ(Child<QGroupBox>("fraChartType")->title(), QStringLiteral("Chart Type"));
    const char* chartTypes[] = {
        "Temperature Rise Characteristics", "Allowable power", "Capacitance-Temperature Characteristics",
        "Capacitance-DC Voltage Characteristics", "Capacitance-AC Voltage Characteristics"};
    for (int i = 0; i < 5; ++i) {
        const std::string name = "optChartType" + std::to_string(i);
        EXPECT_EQ(Child<QRadioButton>(name.c_str())->text(), QString::fromLatin1(chartTypes[i]));
    }
    EXPECT_TRUE(Child<QRadioButton>("optChartType0")->isChecked());
    EXPECT_EQ(Text("Label1"), QStringLiteral("Orvane Part Number"));
    EXPECT_EQ(Text("Label4"), QStringLiteral("Size Code"));
    EXPECT_EQ(Text("Label5"), QStringLiteral("TCC"));
    EXPECT_EQ(Text("Label6"), QStringLiteral("Capacitance[F]"));
    EXPECT_EQ(Text("Label7"), QStringLiteral("Rated Voltage[V]"));
    EXPECT_EQ(Child<QGroupBox>("fraAxis")->title(), QStringLiteral("Axis"));
    EXPECT_EQ(Text("lblXaxis"), QStringLiteral("X axis"));
    EXPECT_EQ(Text("lblYaxis"), QStringLiteral("Y axis"));
    EXPECT_EQ(Child<QGroupBox>("fraCondition")->title(), QStringLiteral("Condition"));
    EXPECT_EQ(Text("lblDCBiasVol"), QStringLiteral("DC Bias Voltage[V]"));
    EXPECT_EQ(Text("lblFrequency"), QStringLiteral("Frequency[kHz]"));
    EXPECT_EQ(Text("lblHeatResistance"), QStringLiteral("Heat Resistance[C/W]"));
    EXPECT_EQ(Text("lblAmbientTemp"), QStringLiteral("Ambient Temperature[C]"));
    EXPECT_EQ(Child<QGroupBox>("fraParameter")->title(), QStringLiteral("Parameter"));
    const char* parameters[] = {"Current", "Voltage", "Effective Power", "Apparent Power"};
    for (int i = 0; i < 4; ++i) {
        const std::string name = "optParameter" + std::to_string(i);
        EXPECT_EQ(Child<QRadioButton>(name.c_str())->text(), QString::fromLatin1(parameters[i]));
    }
    EXPECT_EQ(Text("lblParameter"), QStringLiteral("[Arms]"));
    EXPECT_EQ(Child<QLineEdit>("txtParameter")->text(), QStringLiteral("0.1"));
    EXPECT_EQ(Child<QLineEdit>("txtAmbientTemp")->text(), QStringLiteral("25"));
    EXPECT_EQ(Child<QPushButton>("cmdPlot")->text(), QStringLiteral("Plot"));
    EXPECT_EQ(Child<QPushButton>("cmdCatalogLink")->text(), QStringLiteral("Link to Catalog"));
    EXPECT_FALSE(Child<QPushButton>("cmdPlot")->isEnabled());
    EXPECT_FALSE(Child<QPushButton>("cmdCatalogLink")->isEnabled());
    EXPECT_FALSE(Child<QGroupBox>("fraCondition")->isEnabled());
    EXPECT_NE(Child<QLabel>("Picture1"), nullptr);
    EXPECT_FALSE(Child<QComboBox>("cmbSizeCode")->isEditable());
    EXPECT_TRUE(Child<QComboBox>("cmbPartNum")->isEditable());
}

TEST_F(FrmLibraryTest, TheListsChosenByKeyboardChooseThePartAndEnablePlot) {
    ChooseByKeyboard("cmbSizeCode", QStringLiteral("0402"));
    ChooseByKeyboard("cmbTcc", QStringLiteral("X7R"));
    ChooseByKeyboard("cmbCap", QStringLiteral("10 n"));
    QComboBox* rated = Child<QComboBox>("cmbRatedVol");
    ASSERT_EQ(rated->count(), 4);
    EXPECT_EQ(rated->itemText(0), QStringLiteral("10"));
    EXPECT_EQ(rated->itemText(3), QStringLiteral("6.3"));
    EXPECT_EQ(Child<QComboBox>("cmbPartNum")->count(), 5);
    ChooseByKeyboard("cmbRatedVol", QStringLiteral("6.3"));
    EXPECT_EQ(Child<QComboBox>("cmbPartNum")->currentText(), QString::fromLatin1(kPart6V3));
    EXPECT_EQ(Child<QComboBox>("cmbPartNum")->count(), 8);
    EXPECT_TRUE(Child<QPushButton>("cmdPlot")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>("cmdCatalogLink")->isEnabled());
    EXPECT_TRUE(Child<QLineEdit>("txtFrequency")->isEnabled());
    EXPECT_EQ(Child<QLineEdit>("txtHeatResistance")->text(), QStringLiteral("100"));
    EXPECT_FALSE(Child<QLineEdit>("txtParameter")->isEnabled());
    EXPECT_TRUE(host_.enabled);

    QTest::mouseClick(Child<QPushButton>("cmdCatalogLink"), Qt::LeftButton);
    EXPECT_EQ(host_.catalogLinks, 1);
}

TEST_F(FrmLibraryTest, ATypedPartNumberChoosesOnlyInItsOwnLetterCaseAndEnterPicksNothing) {
    TypePartNumber(QString::fromLatin1(kPart16V).toLower());
    QTest::keyClick(Child<QComboBox>("cmbPartNum"), Qt::Key_Return);
    EXPECT_FALSE(model_.State().PartChosen);
    EXPECT_FALSE(Child<QPushButton>("cmdPlot")->isEnabled());
    EXPECT_EQ(Child<QComboBox>("cmbPartNum")->currentText(), QString::fromLatin1(kPart16V).toLower());

    TypePartNumber(QString::fromLatin1(kPart16V));
    EXPECT_TRUE(model_.State().PartChosen);
    EXPECT_EQ(Child<QComboBox>("cmbSizeCode")->currentText(), QStringLiteral("0402"));
    EXPECT_EQ(Child<QComboBox>("cmbRatedVol")->currentText(), QStringLiteral("16"));
    EXPECT_TRUE(Child<QPushButton>("cmdPlot")->isEnabled());
    // The caret stayed at the end of the typed text.
    EXPECT_EQ(Child<QComboBox>("cmbPartNum")->lineEdit()->cursorPosition(), 17);
}

TEST_F(FrmLibraryTest, ClickingAChartTypeRefillsTheListsAndTheFrequencyAxisSwapsTheBoxes) {
    TypePartNumber(QString::fromLatin1(kPartNoAc));
    ASSERT_TRUE(model_.State().PartChosen);
    ClickOption("optChartType4");
    EXPECT_EQ(model_.GetChartType(), 4);
    EXPECT_EQ(Child<QComboBox>("cmbXaxis")->currentText(), QStringLiteral("AC Voltage"));
    EXPECT_EQ(Child<QComboBox>("cmbPartNum")->count(), 7);
    EXPECT_TRUE(Child<QComboBox>("cmbPartNum")->currentText().isEmpty());
    EXPECT_FALSE(Child<QPushButton>("cmdPlot")->isEnabled());

    ClickOption("optChartType0");
    TypePartNumber(QString::fromLatin1(kPart16V));
    ChooseByKeyboard("cmbXaxis", QStringLiteral("Frequency"));
    EXPECT_FALSE(Child<QLineEdit>("txtFrequency")->isEnabled());
    EXPECT_TRUE(Child<QLineEdit>("txtParameter")->isEnabled());
    EXPECT_TRUE(Child<QRadioButton>("optParameter1")->isEnabled());
    ClickOption("optParameter1");
    EXPECT_EQ(model_.SelectedParameterIndex(), 1);
    EXPECT_EQ(Text("lblParameter"), QStringLiteral("[Vrms]"));
}

TEST_F(FrmLibraryTest, LeavingARefusedBoxWithTabShowsTheMessageAndPutsTheFocusBack) {
    TypePartNumber(QString::fromLatin1(kPart6V3));
    TypeInto("txtDCBiasVol", QStringLiteral("abc"));
    EXPECT_EQ(model_.State().DCBiasVol.Text, "abc");
    EXPECT_TRUE(fake_.messages.Shown().empty());
    Key("txtDCBiasVol", Qt::Key_Tab);
    ASSERT_EQ(fake_.messages.Shown().size(), 1U);
    EXPECT_EQ(fake_.messages.Shown()[0].text,
              "DC Bias Voltage is invalid!\r\nPlease enter a Number from 0 to 6.3[V]");
    EXPECT_EQ(fake_.messages.Shown()[0].icon, shared::MessageIcon::Exclamation);
    EXPECT_EQ(fake_.messages.Shown()[0].title, "darvo");
    EXPECT_EQ(QApplication::focusWidget(), Child<QLineEdit>("txtDCBiasVol"));
    EXPECT_EQ(Child<QLineEdit>("txtDCBiasVol")->selectedText(), QStringLiteral("abc"));

    // A valid value lets the focus go on to the next box.
    TypeInto("txtDCBiasVol", QStringLiteral("6.3"));
    Key("txtDCBiasVol", Qt::Key_Tab);
    EXPECT_EQ(fake_.messages.Shown().size(), 1U);
    EXPECT_EQ(QApplication::focusWidget(), Child<QLineEdit>("txtFrequency"));
}

TEST_F(FrmLibraryTest, PlotByMouseAndByEnterHandsTheCurveOverOrRefusesTheDuplicate) {
    TypePartNumber(QString::fromLatin1(kPart16V));
    QTest::mouseClick(Child<QPushButton>("cmdPlot"), Qt::LeftButton);
    EXPECT_TRUE(fake_.messages.Shown().empty());
    EXPECT_EQ(host_.newCharts, 1);
    EXPECT_EQ(table_.ChartCount(), 1);

    QTest::mouseClick(Child<QPushButton>("cmdPlot"), Qt::LeftButton);
    ASSERT_EQ(fake_.messages.Shown().size(), 1U);
    EXPECT_EQ(fake_.messages.Shown()[0].text, "This Chart is already opened!");
    EXPECT_EQ(fake_.messages.Shown()[0].icon, shared::MessageIcon::Exclamation);
    EXPECT_EQ(fake_.messages.Shown()[0].title, "darvo");
    EXPECT_EQ(table_.ChartCount(), 1);

    // Enter in a condition box asks for the chart it describes.
    TypeInto("txtAmbientTemp", QStringLiteral("50"));
    Key("txtAmbientTemp", Qt::Key_Return);
    EXPECT_EQ(table_.ChartCount(), 2);
    EXPECT_EQ(host_.curvesAdded.size(), 1U);
    EXPECT_EQ(table_.At(1).AmbientTemperature, 50.0F);

    // A refused box stops the request with one message and gets the focus back.
    TypeInto("txtAmbientTemp", QStringLiteral("abc"));
    fake_.messages.Clear();
    QTest::mouseClick(Child<QPushButton>("cmdPlot"), Qt::LeftButton);
    QCoreApplication::processEvents();
    ASSERT_EQ(fake_.messages.Shown().size(), 1U);
    EXPECT_EQ(fake_.messages.Shown()[0].text,
              "Ambient Temperature is invalid!\r\nPlease enter a Number from -55 to 125 [C]");
    EXPECT_EQ(QApplication::focusWidget(), Child<QLineEdit>("txtAmbientTemp"));
    EXPECT_EQ(table_.ChartCount(), 2);

    // A failing chart window is reported, and the table stays as it was.
    TypeInto("txtAmbientTemp", QStringLiteral("60"));
    host_.windowFails = true;
    fake_.messages.Clear();
    Child<QPushButton>("cmdPlot")->setFocus();
    Key("cmdPlot", Qt::Key_Return);
    ASSERT_EQ(fake_.messages.Shown().size(), 1U);
    EXPECT_EQ(fake_.messages.Shown()[0].icon, shared::MessageIcon::Critical);
    EXPECT_EQ(fake_.messages.Shown()[0].text.rfind("Unexpected Error", 0), 0U);
    EXPECT_EQ(table_.ChartCount(), 2);
    EXPECT_FALSE(table_.IsPreparing());
    EXPECT_FALSE(fake_.cursor.ShowsHourglass());
}

TEST_F(FrmLibraryTest, TheSelectDialogListsTheCandidatesInTheNotationInForce) {
    host_.SwitchCodeSystem(shared::Jis);
    window_->ShowState();
    std::vector<std::int32_t> candidates;
    for (const char* number : {kPart16V, kPart16VOther, kPart10V})
        candidates.push_back(*library_.PartIndex[shared::Eia].Find(number));
    const std::vector<std::int32_t> offered = candidates;
    QStringList shown;
    QTimer::singleShot(0, [&shown] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        auto* list = dialog->findChild<QListWidget*>(QStringLiteral("lstPartnumber"));
        for (int row = 0; row < list->count(); ++row) shown.append(list->item(row)->text());
        list->setCurrentRow(1);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdOk")), Qt::LeftButton);
    });
    ChooseWithSelectDialog(library_, candidates, window_.get());
    EXPECT_EQ(shown, (QStringList{QString::fromLatin1(kPart16VJis), QStringLiteral("KTA15XB31C103MA88"),
                                  QStringLiteral("KTA15XB31A103KA88")}));
    EXPECT_EQ(candidates, (std::vector<std::int32_t>{offered[1]}));
}

TEST_F(FrmLibraryTest, NothingIsClippedInTheDesignedSize) {
    TypePartNumber(QString::fromLatin1(kPart16V));
    for (QWidget* child : window_->findChildren<QWidget*>()) {
        if (child->parentWidget() == nullptr || !child->isVisibleTo(window_.get())) continue;
        const QRect inParent = child->parentWidget()->rect();
        EXPECT_TRUE(inParent.contains(child->geometry())) << child->objectName().toStdString();
        if (auto* label = qobject_cast<QLabel*>(child);
            label != nullptr && label->objectName() != "Picture1") {
            EXPECT_GE(label->width(), label->sizeHint().width()) << label->objectName().toStdString();
        }
        if (auto* option = qobject_cast<QRadioButton*>(child)) {
            EXPECT_GE(option->width(), option->sizeHint().width()) << option->objectName().toStdString();
        }
    }
    const QString path = QStringLiteral("/tmp/darvo_frm_library.png");
    if (qEnvironmentVariableIsSet("DARVO_SELECTION_SCREENSHOT")) window_->grab().save(path);
}

}  // namespace
}  // namespace darvo
