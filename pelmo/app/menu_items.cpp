#include "pelmo/app/menu_items.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace pelmo {

namespace {

using C = MenuCommand;
using E = MenuEnable;

// clang-format off
// The Chart menu, the same on both bars.
constexpr std::array kChartMenu{
    MenuEntry{0, "mnuGraph", "&Chart"},
    MenuEntry{1, "mnuGraphSmith", "&Smith Chart", C::None, E::GraphSmith},
    MenuEntry{2, "mnuGraphSmithS11", "S&11", C::GraphSmithS11, E::GraphSmith},
    MenuEntry{2, "mnuGraphSmithS21", "S&21", C::GraphSmithS21, E::GraphSmith},
    MenuEntry{1, "mnuGraphMag", "&Magnitude", C::None, E::GraphSmith},
    MenuEntry{2, "mnuGraphMagS11", "S&11", C::GraphMagS11, E::GraphSmith},
    MenuEntry{2, "mnuGraphMagS21", "S&21", C::GraphMagS21, E::GraphSmith},
    MenuEntry{1, "mnuGraphPhase", "&Phase", C::None, E::GraphSmith},
    MenuEntry{2, "mnuGraphPhaseS11", "S&11", C::GraphPhaseS11, E::GraphSmith},
    MenuEntry{2, "mnuGraphPhaseS21", "S&21", C::GraphPhaseS21, E::GraphSmith},
    MenuEntry{1, "mnuGraphImp", "&Impedance", C::GraphImp, E::GraphImp},
    MenuEntry{1, "mnuGraphESR", "ES&R", C::GraphESR, E::GraphImp},
    MenuEntry{1, "mnuGraphReac", "Reac&tance", C::GraphReac, E::GraphReac},
    MenuEntry{1, "mnuGraphQ", "&Q", C::GraphQ, E::GraphQ},
    MenuEntry{1, "mnuGraphDF", "&DF", C::GraphDF, E::GraphDF},
    MenuEntry{1, "mnuGraphApcapa", "Apparent &Capacitance", C::GraphApcapa, E::GraphApcapa},
    MenuEntry{1, "mnuGraphApindu", "Apparent I&nductance", C::GraphApindu, E::GraphApindu},
    MenuEntry{1, "mnuChartBar1", "-"},
    MenuEntry{1, "mnuGraphImpESR", "Imp&edance && ESR", C::GraphImpESR, E::GraphApindu},
};

// Each bar is its items before the Chart menu, the Chart menu, and its items after it.
constexpr std::array kSelectionBarHead{
    MenuEntry{0, "mnuFile", "&File"},
    MenuEntry{1, "mnuFileReset", "&Reset Selection", C::FileReset, E::FileReset},
    MenuEntry{1, "mnuFileBar1", "-"},
    MenuEntry{1, "mnuFileSavedata", "&Save Data to File", C::None, E::FileSavedata},
    MenuEntry{2, "mnuFileSavedataSpara", "&S Parameter...", C::FileSavedataSpara, E::FileSavedata},
    MenuEntry{2, "mnuFileSavedataImp", "&Impedance...", C::FileSavedataImp, E::FileSavedata},
    MenuEntry{2, "mnuFileSavedataSpice", "SPICE &Model...", C::FileSavedataSpice, E::FileSavedata},
    MenuEntry{1, "mnuFileBar2", "-"},
    MenuEntry{1, "mnuFileExit", "E&xit", C::FileExit},
    MenuEntry{0, "mnuView", "&View"},
    MenuEntry{1, "mnuViewCode0", "&EIA code", C::ViewCodeEia},
    MenuEntry{1, "mnuViewCode1", "&JIS code", C::ViewCodeJis},
    MenuEntry{1, "mnuViewBar1", "-"},
    MenuEntry{1, "mnuViewSize", "&Chip Size...", C::ViewSize, E::ViewSize},
    MenuEntry{1, "mnuViewBar3", "-"},
    MenuEntry{1, "mnuCatalogLink", "&Link to Catalog", C::CatalogLink, E::CatalogLink},
};
constexpr std::array kSelectionBarTail{
    MenuEntry{0, "mnuWindow", "&Window"},
    MenuEntry{1, "mnuWindowClose", "&Close All Chart Windows", C::WindowClose, E::WindowClose},
    MenuEntry{0, "mnuHelp", "&Help"},
    MenuEntry{1, "mnuHelpContents", "&Contents...", C::HelpContents},
    MenuEntry{1, "mnuHelpBar", "-"},
    MenuEntry{1, "mnuVersionCheck", "&Version Check", C::VersionCheck},
    MenuEntry{1, "mnuContactUs", "&Contact Us", C::ContactUs},
    MenuEntry{1, "mnuHelpBar1", "-"},
    MenuEntry{1, "mnuHelpAbout", "&About...", C::HelpAbout},
};

// A chart window's bar: its own output commands in File, the catalogue link as a command
// of the bar, and no web items under Help. Its Close All stays on while it is open.
constexpr std::array kChartBarHead{
    MenuEntry{0, "mnuFile", "&File"},
    MenuEntry{1, "mnuFileReset", "&Reset Selection", C::FileReset, E::FileReset},
    MenuEntry{1, "mnuFileBar1", "-"},
    MenuEntry{1, "mnuFilePageSetup", "Print Set&up...", C::FilePageSetup},
    MenuEntry{1, "mnuFilePrint", "&Print...", C::FilePrint, E::ChartFilePrint},
    MenuEntry{1, "mnuFileBar2", "-"},
    MenuEntry{1, "mnuFileSavedata", "&Save Data to File", C::None, E::FileSavedata},
    MenuEntry{2, "mnuFileSavedataSpara", "&S Parameter...", C::FileSavedataSpara, E::FileSavedata},
    MenuEntry{2, "mnuFileSavedataImp", "&Impedance...", C::FileSavedataImp, E::FileSavedata},
    MenuEntry{2, "mnuFileSavedataSpice", "SPICE &Model...", C::FileSavedataSpice, E::FileSavedata},
    MenuEntry{1, "mnuFileBar3", "-"},
    MenuEntry{1, "mnuFileExit", "E&xit", C::FileExit},
    MenuEntry{0, "mnuView", "&View"},
    MenuEntry{1, "mnuViewCode0", "&EIA code", C::ViewCodeEia},
    MenuEntry{1, "mnuViewCode1", "&JIS code", C::ViewCodeJis},
    MenuEntry{1, "mnuViewBar1", "-"},
    MenuEntry{1, "mnuViewSize", "&Chip Size...", C::ViewSize, E::ViewSize},
    MenuEntry{0, "mnuCatalogLink", "&Link to Catalog", C::CatalogLink, E::CatalogLink},
};
constexpr std::array kChartBarTail{
    MenuEntry{0, "mnuWindow", "&Window"},
    MenuEntry{1, "mnuWindowClose", "&Close All Chart Windows", C::WindowClose, E::Always},
    MenuEntry{0, "mnuHelp", "&Help"},
    MenuEntry{1, "mnuHelpContents", "&Contents...", C::HelpContents},
    MenuEntry{1, "mnuHelpBar", "-"},
    MenuEntry{1, "mnuHelpAbout", "&About...", C::HelpAbout},
};
// clang-format on

template <std::size_t Head, std::size_t Middle, std::size_t Tail>
constexpr std::array<MenuEntry, Head + Middle + Tail> Join(const std::array<MenuEntry, Head>& head,
                                                           const std::array<MenuEntry, Middle>& middle,
                                                           const std::array<MenuEntry, Tail>& tail) {
    std::array<MenuEntry, Head + Middle + Tail> joined{};
    auto end = std::copy(head.begin(), head.end(), joined.begin());
    end = std::copy(middle.begin(), middle.end(), end);
    std::copy(tail.begin(), tail.end(), end);
    return joined;
}

constexpr auto kSelectionBar = Join(kSelectionBarHead, kChartMenu, kSelectionBarTail);
constexpr auto kChartBar = Join(kChartBarHead, kChartMenu, kChartBarTail);

}  // namespace

std::span<const MenuEntry> MenuBarEntries(MenuBarKind bar) noexcept {
    if (bar == MenuBarKind::Chart) {
        return kChartBar;
    }
    return kSelectionBar;
}

bool IsEnabled(MenuEnable rule, const SelectionMenuState& state) noexcept {
    switch (rule) {
        case E::Always:
            return true;
        case E::FileReset:
            return state.FileReset;
        case E::FileSavedata:
            return state.FileSavedata;
        case E::ViewSize:
            return state.ViewSize;
        case E::GraphSmith:
            return state.GraphSmith;
        case E::GraphImp:
            return state.GraphImp;
        case E::GraphReac:
            return state.GraphReac;
        case E::GraphQ:
            return state.GraphQ;
        case E::GraphDF:
            return state.GraphDF;
        case E::GraphApcapa:
            return state.GraphApcapa;
        case E::GraphApindu:
            return state.GraphApindu;
        case E::CatalogLink:
            return state.CatalogLink;
        case E::WindowClose:
            return state.WindowClose;
        case E::ChartFilePrint:
            return state.ChartFilePrint;
    }
    return false;
}

std::optional<ChartMenuRequest> ChartRequestOf(MenuCommand command) {
    switch (command) {
        case C::GraphSmithS11:
            return ChartMenuRequest{ChartKind::Smith, SParameter::S11};
        case C::GraphSmithS21:
            return ChartMenuRequest{ChartKind::Smith, SParameter::S21};
        case C::GraphMagS11:
            return ChartMenuRequest{ChartKind::Magnitude, SParameter::S11};
        case C::GraphMagS21:
            return ChartMenuRequest{ChartKind::Magnitude, SParameter::S21};
        case C::GraphPhaseS11:
            return ChartMenuRequest{ChartKind::Phase, SParameter::S11};
        case C::GraphPhaseS21:
            return ChartMenuRequest{ChartKind::Phase, SParameter::S21};
        case C::GraphImp:
            return ChartMenuRequest{ChartKind::Impedance, SParameter::None};
        case C::GraphESR:
            return ChartMenuRequest{ChartKind::Esr, SParameter::None};
        case C::GraphReac:
            return ChartMenuRequest{ChartKind::Reactance, SParameter::None};
        case C::GraphQ:
            return ChartMenuRequest{ChartKind::Q, SParameter::None};
        case C::GraphDF:
            return ChartMenuRequest{ChartKind::DF, SParameter::None};
        case C::GraphApcapa:
            return ChartMenuRequest{ChartKind::ApparentCapacitance, SParameter::None};
        case C::GraphApindu:
            return ChartMenuRequest{ChartKind::ApparentInductance, SParameter::None};
        case C::GraphImpESR:
            return ChartMenuRequest{ChartKind::ImpedanceAndEsr, SParameter::None};
        default:
            return std::nullopt;
    }
}

}  // namespace pelmo
