#ifndef PELMO_SELECTION_QT_FRM_LIBRARY_H
#define PELMO_SELECTION_QT_FRM_LIBRARY_H

#include "pelmo/selection/qt/circuit_image_list.h"

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
class QScrollBar;

namespace shared {
class CanvasWidget;
struct Services;
}  // namespace shared

namespace pelmo {

class LibrarySelection;
struct ComboBoxState;
struct ProgramFacts;

// The selection window: where the user picks a capacitor or inductor of the library,
// its operating point and connection, and reads what the part does there. It is a thin
// view over LibrarySelection: every user action is forwarded to the model's handler of
// the same name, then ShowState() copies the model's state back into the controls with
// their change signals blocked, so only real user actions ever reach the handlers.
//
// Menus belong to the main window; it listens to selectionChanged() and reapplies the
// menu states of State().Menus. Model, services and facts must outlive the window.
class FrmLibrary : public QWidget {
    Q_OBJECT

public:
    FrmLibrary(LibrarySelection& model, const shared::Services& services, const ProgramFacts& facts,
               QWidget* parent = nullptr);
    ~FrmLibrary() override;
    FrmLibrary(const FrmLibrary&) = delete;
    FrmLibrary& operator=(const FrmLibrary&) = delete;

    // Window load: size 12340 x 3550 twips, the model's load with the program's help
    // language and degree sign, the circuit pictures, then ShowState() and
    // selectionChanged() so the menus start from the loaded state.
    void Form_Load();
    // Copies model.State() into the controls without raising their change events,
    // applies the model's focus request and beeps once per increase of State().Beeps.
    void ShowState();
    // The controls and beeps of ShowState alone: what the window shows before a
    // message box, in the middle of a handler.
    void ShowControls();
    LibrarySelection& Model() noexcept { return model_; }
    // The SRF readout text as shown [MHz].
    QString SrfReadout() const;

    // The form's designed size (12340 x 3550 twips at the screen's logical DPI), so a
    // frame around the window, such as its sub-window in the main window, fits it.
    QSize sizeHint() const override;

    // The beep of refused inputs; the desktop beeps, tests count.
    void SetBeep(std::function<void()> beep) { beep_ = std::move(beep); }

    // Event handlers of the controls (public so the main window and tests can drive
    // them as the user would). Each forwards to the model and shows the new state.
    void optProduct_Click(int index);
    void cboItemA_Click(const QString& value);
    void cboItemB_Click(const QString& value);
    void cboItemC_Click(const QString& value);
    void cboItemD_Click(const QString& value);
    void cboPartNumber_Click(const QString& value);
    void cboPartNumber_KeyPress();
    void hsvFreq_Change(int position);
    void txtFreq_KeyPress();
    void txtTemp_KeyPress();
    void txtDC_KeyPress();
    void optMode_Click(int index);
    void cmdCatalogLink_Click();

signals:
    // After every handler: the main window reapplies the menu states.
    void selectionChanged();
    // cmdCatalogLink was clicked: the main window opens the catalogue page.
    void catalogLinkRequested();
    // State().MustEnd became true: the library cannot be used any further. Raised last
    // in ShowState; a receiver may delete the window.
    void mustEnd();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void PlaceControls();
    void SetTabOrder();
    void ConnectControls();
    // Runs a handler, then shows the state and tells the main window.
    void Handle(const std::function<void()>& handler);
    void ShowCombo(QComboBox& box, const ComboBoxState& state, std::vector<std::string>& shownItems);
    void ShowPictures();
    void DrawPicture(shared::CanvasWidget& box, const std::string& key);
    void ApplyFocus();

    LibrarySelection& model_;
    const shared::Services& services_;
    const ProgramFacts& facts_;
    CircuitImageList imlCircuit_;
    std::function<void()> beep_;
    int beepsHeard_ = 0;
    bool mustEndSent_ = false;
    std::string escShown_;
    std::string seriesShown_;
    bool shuntDrawn_ = false;

    QGroupBox* fraPartnum_;
    std::array<QRadioButton*, 2> optProduct_;
    QButtonGroup* productGroup_;
    QComboBox* cboPartNumber_;
    QLabel* lblUse_;
    QGroupBox* fraSelect_;
    std::array<QLabel*, 4> lblItem_;                      // lblItemA ... lblItemD
    std::array<QComboBox*, 4> cboItem_;                   // cboItemA ... cboItemD
    std::array<std::vector<std::string>, 5> shownItems_;  // part number, A ... D

    QGroupBox* fraFreq_;
    QLineEdit* txtFreq_;
    QScrollBar* hsvFreq_;
    QLabel* lblFreqRange_;
    QGroupBox* fraConf_;
    QLabel* lblTemp_;
    QLineEdit* txtTemp_;
    QLabel* lblDC_;
    QLineEdit* txtDC_;
    QGroupBox* fraSRF_;
    QLabel* lblSRF_;
    QLabel* lblFreq_;
    QLabel* lblMHz_;

    QGroupBox* fraSpice_;
    QLabel* lblESC_;
    shared::CanvasWidget* picESC_;
    std::array<QLabel*, 4> lblCaption_;  // lbl2 ... lbl5
    QLabel* lblImp_;
    QLabel* lblCap_;
    QLabel* lblInd_;
    QLabel* lblRes_;

    QGroupBox* fraSparameter_;
    QGroupBox* fraMode_;
    std::array<QRadioButton*, 2> optMode_;
    QButtonGroup* modeGroup_;
    shared::CanvasWidget* picSeries_;
    shared::CanvasWidget* picShunt_;
    std::array<QLabel*, 6> lblSCaption_;  // lbl6 ... lbl11
    std::array<QLabel*, 2> lblMag_;
    std::array<QLabel*, 2> lblPhase_;
    std::array<QLabel*, 2> lblReal_;
    std::array<QLabel*, 2> lblImag_;

    QPushButton* cmdCatalogLink_;
    QLabel* picLogo_;
};

}  // namespace pelmo

#endif
