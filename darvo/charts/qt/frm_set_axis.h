#ifndef DARVO_CHARTS_QT_FRM_SET_AXIS_H
#define DARVO_CHARTS_QT_FRM_SET_AXIS_H

#include "darvo/charts/axis_range_check.h"
#include "darvo/charts/chart_identity.h"

#include <QDialog>

#include <array>
#include <string>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace shared {
class Messages;
}

namespace darvo {

class ChartTable;

// The axis-range dialog (frmSetAxis): the From and To values of both axes of one chart
// window, checked against the full range of its curves. A frequency X axis is shown in
// kHz as labels and cannot be edited. OK with a valid range accepts the dialog, and the
// window redraws with Outcome(); a refused range shows its warning and the dialog stays
// open with the texts as typed. Cancel changes nothing. Created for each use.
class FrmSetAxis : public QDialog {
    Q_OBJECT

public:
    // range is the window's current range; mainWindow (may be null) is what the dialog
    // centres on.
    FrmSetAxis(const ChartTable& table, const ChartIdentity& identity, const AxisRange& range,
               const std::string& degreeSign, char separator, shared::Messages& messages, QWidget* mainWindow,
               QWidget* parent = nullptr);

    // What OK accepted: the range (Hz on a frequency axis) and CheckAxisRange's result.
    const AxisDialogOutcome& Outcome() const noexcept { return outcome_; }

    void cmdOk_Click();
    void cmdCancel_Click();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    QLineEdit* AddRow(QGroupBox* frame, const QString& name, int index, const std::string& text,
                      const std::string& unit, QLabel** shownInstead);

    const ChartTable& table_;
    ChartIdentity identity_;
    char separator_;
    shared::Messages& messages_;
    QWidget* mainWindow_;
    AxisDialogOutcome outcome_;

    std::array<QLineEdit*, 2> txtX_{};
    std::array<QLineEdit*, 2> txtY_{};
    std::array<QLabel*, 2> lblX_{};
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};

}  // namespace darvo

#endif
