#include "chart_window_session.h"

#include <QApplication>

namespace darvo::testing {

ChartWindowSession::ChartWindowSession() {
    area = new QMdiArea(&mainWindow);
    mainWindow.setCentralWidget(area);
    mainWindow.resize(1100, 700);
    mainWindow.show();
    host.mainWindow = &mainWindow;
    windows = std::make_unique<ChartWindows>(*area, sample.Table, sample.Library, fake.services, "\u00B0",
                                             '.', host);
    host.windows = windows.get();
}

ChartWindowSession::~ChartWindowSession() {
    windows->CloseAll();
    QApplication::processEvents();
    windows.reset();
}

FrmGraph* ChartWindowSession::Plot(const ChartIdentity& identity, int nthPart,
                                   const std::function<void(ConditionTexts&)>& tweak) {
    if (!sample.Prepare(identity, nthPart, tweak)) return nullptr;
    // As the plot request does: whatever the hand-over leaves prepared is removed again.
    FrmGraph* window = windows->ShowPrepared();
    sample.Table.DiscardPrepared();
    QApplication::processEvents();
    return window;
}

}  // namespace darvo::testing
