#include "chart_windows_session.h"

#include <utility>

namespace pelmo::testing {

ChartWindowsSession::ChartWindowsSession(Library parts, QSize size)
    : library(std::move(parts)), selection(library, fake.messages, fake.cursor, host, '.') {
    area = new QMdiArea;
    mainWindow.setCentralWidget(area);
    mainWindow.resize(size);
    mainWindow.show();
    windows = std::make_unique<ChartWindows>(*area, selection, library, slotTable, pointTable, fake.services,
                                             fake.facts, &mainWindow);
    host.windows = windows.get();
    requests = std::make_unique<ChartRequests>(selection, library, slotTable, pointTable, *windows,
                                               fake.messages, &fake.cursor);
    selection.Form_Load(2);
}

void ChartWindowsSession::Choose(const std::string& partNumber, bool inductor) {
    if ((selection.State().Product == ProductKind::Inductor) != inductor)
        selection.optProduct_Click(inductor ? 1 : 0);
    selection.SetPartNumberText(partNumber);
    selection.cboPartNumber_KeyPress('\r');
}

}  // namespace pelmo::testing
