#ifndef DARVO_APP_PUBLIC_H
#define DARVO_APP_PUBLIC_H

#include "darvo/app/program_facts.h"
#include "darvo/engine/chart_table.h"
#include "darvo/library/product_library.h"
#include "darvo/selection/library_selection.h"
#include "darvo/selection/selection_host.h"

#include "shared/parts/code_system.h"

#include <string>

namespace shared {
class Cursor;
class Messages;
}  // namespace shared

namespace darvo {

// mdlPublic: the program's state for a session, made in Main before any window and owned
// here. The products, the chart-data table every chart window draws from, the selection
// window's model, and the start-up facts (program folder, help language, degree sign).
// Windows receive it, or the part of it they show, by reference and may come and go
// while it stays.
//
// The selection asks the windows around it (the main window) for the notation switch,
// the Select dialog and the chart windows; until the main window attaches itself there
// are none: the notation switch only sorts, a choice among several parts takes the
// first, and a plot is not handed over (the caller discards its record).
class Public {
public:
    // messages and cursor must outlive the object.
    Public(ProductLibrary products, ProgramFacts facts, shared::Messages& messages, shared::Cursor& cursor,
           char decimalSeparator);
    Public(const Public&) = delete;
    Public& operator=(const Public&) = delete;

    ProductLibrary& Products() noexcept { return products_; }
    const ProductLibrary& Products() const noexcept { return products_; }
    // ChartTable with its ChartCount: one empty element and a count of 0 until the first
    // chart window adopts a curve.
    ChartTable& Charts() noexcept { return charts_; }
    const ChartTable& Charts() const noexcept { return charts_; }
    LibrarySelection& Selection() noexcept { return selection_; }
    const LibrarySelection& Selection() const noexcept { return selection_; }
    const ProgramFacts& Facts() const noexcept { return facts_; }
    ProgramFacts& Facts() noexcept { return facts_; }
    char DecimalSeparator() const noexcept { return separator_; }

    // 1 Japanese help, 2 English.
    int HelpLanguage() const noexcept { return facts_.HelpLanguage(); }
    const std::string& DegreeSign() const noexcept { return facts_.DegreeSign; }
    // The notation in force (0 EIA, 1 JIS); the View menu's check mark shows it.
    shared::CodeSystem GetCodeSystem() const noexcept { return products_.CodeSystem; }

    // The windows that answer the selection from now on; null when they go.
    void AttachWindows(SelectionHost* windows) noexcept { windows_.windows = windows; }

private:
    struct AttachedWindows : SelectionHost {
        AttachedWindows(ProductLibrary& products, char separator)
            : products(products), separator(separator) {}
        void ChangeEnable(bool enable) override;
        void SwitchCodeSystem(shared::CodeSystem codeSystem) override;
        void OpenCatalogLink() override;
        void ChooseCandidate(std::vector<std::int32_t>& candidates) override;
        void OpenNewChart() override;
        void AddCurveToOpenChart(const ChartIdentity& identity) override;
        ProductLibrary& products;
        char separator;
        SelectionHost* windows = nullptr;
    };

    ProductLibrary products_;
    ChartTable charts_;
    ProgramFacts facts_;
    char separator_;
    AttachedWindows windows_{products_, separator_};
    LibrarySelection selection_;
};

}  // namespace darvo

#endif
