#ifndef DARVO_SELECTION_QT_FRM_LIBRARY_H
#define DARVO_SELECTION_QT_FRM_LIBRARY_H

#include <QWidget>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace shared {
struct Services;
}

namespace darvo {

class LibrarySelection;
struct SelectionList;

// darvo's selection window, captioned "Tervalon": the chart type, the part lists, the
// axes and the conditions of a chart, and the Plot button. It is a thin view over
// LibrarySelection: every user action goes through the window-entry guard to the model's
// handler of the same name, then ShowState() copies the model's state back into the
// controls with their change signals blocked, so only real user actions reach the
// handlers.
//
// Leaving a condition box checks it (a refused box gets the focus back); Enter in a
// condition box asks for the plot when Plot is enabled and otherwise checks the box;
// Enter on a focused button presses it. Model and services must outlive the window.
class FrmLibrary : public QWidget {
    Q_OBJECT

public:
    FrmLibrary(LibrarySelection& model, const shared::Services& services, QWidget* parent = nullptr);
    ~FrmLibrary() override;
    FrmLibrary(const FrmLibrary&) = delete;
    FrmLibrary& operator=(const FrmLibrary&) = delete;

    // Window load: the designed size, the model's load with the program's help language
    // (which switches the notation through the host), then ShowState().
    void Form_Load(int helpLanguage);
    // Copies model.State() into the controls without raising their change events and
    // applies the model's focus request. The main window calls it after it changed the
    // model itself (the notation switch, Reset Selection).
    void ShowState();
    LibrarySelection& Model() noexcept { return model_; }

    // The designed size, so a frame around the window (its sub-window) fits it.
    QSize sizeHint() const override;

    // Event handlers of the controls, public so the main window and tests can drive
    // them as the user would. Each forwards to the model and shows the new state.
    void optChartType_Click(int index);
    void cmbPartNum_Click(const QString& value);
    void cmbPartNum_Change(const QString& text);
    void cmbSizeCode_Click(const QString& value);
    void cmbTcc_Click(const QString& value);
    void cmbCap_Click(const QString& value);
    void cmbRatedVol_Click(const QString& value);
    void cmbXaxis_Click(const QString& value);
    void cmbYaxis_Click(const QString& value);
    void optParameter_Click(int index);
    void cmdPlot_Click();
    void cmdCatalogLink_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void PlaceControls();
    void SetTabOrder();
    void ConnectControls();
    void ConnectConditionBox(QLineEdit* box, void (LibrarySelection::*setText)(const std::string&));
    // Runs a handler through the window-entry guard, then shows the state.
    void Handle(const std::function<void()>& handler);
    void ShowControls();
    void ShowControlStates();
    void ShowCombo(QComboBox& box, const SelectionList& list, std::vector<std::string>& shownItems);
    void ApplyFocus();
    void LeaveBox(QObject* box);
    void EnterInBox(QObject* box);

    LibrarySelection& model_;
    const shared::Services& services_;
    // Set while the window moves the focus itself: the box that loses it then is not
    // being left by the user and is not checked.
    bool movingFocus_ = false;

    QGroupBox* fraChartType_;
    std::array<QRadioButton*, 5> optChartType_;
    QButtonGroup* chartTypeGroup_;
    QLabel* Picture1_;

    QGroupBox* fraPartNum_;
    QLabel* Label1_;
    QComboBox* cmbPartNum_;
    std::array<QLabel*, 4> listLabels_;    // Label4 ... Label7
    std::array<QComboBox*, 4> partLists_;  // cmbSizeCode, cmbTcc, cmbCap, cmbRatedVol
    QPushButton* cmdCatalogLink_;

    QGroupBox* fraAxis_;
    QLabel* lblXaxis_;
    QComboBox* cmbXaxis_;
    QLabel* lblYaxis_;
    QComboBox* cmbYaxis_;

    QGroupBox* fraCondition_;
    QLabel* lblDCBiasVol_;
    QLineEdit* txtDCBiasVol_;
    QLabel* lblFrequency_;
    QLineEdit* txtFrequency_;
    QLabel* lblHeatResistance_;
    QLineEdit* txtHeatResistance_;
    QLabel* lblAmbientTemp_;
    QLineEdit* txtAmbientTemp_;

    QGroupBox* fraParameter_;
    std::array<QRadioButton*, 4> optParameter_;
    QButtonGroup* parameterGroup_;
    QLineEdit* txtParameter_;
    QLabel* lblParameter_;

    QPushButton* cmdPlot_;

    // The entries each list shows now: part number, size, TCC, capacitance, rated
    // voltage, X, Y.
    std::array<std::vector<std::string>, 7> shownItems_;
};

}  // namespace darvo

#endif
