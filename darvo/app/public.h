#ifndef DARVO_APP_PUBLIC_H
#define DARVO_APP_PUBLIC_H

#include "darvo/app/program_facts.h"
#include "darvo/engine/chart_table.h"
#include "darvo/library/product_library.h"

#include "shared/parts/code_system.h"

#include <string>

namespace darvo {

// The program's state for a session, made in Main before any window and owned here: the
// products, the chart-data table every chart window draws from, and the start-up facts
// (program folder, help language, degree sign). Windows receive it, or the part of it
// they show, by reference and may come and go while it stays.
class Public {
public:
    Public(ProductLibrary products, ProgramFacts facts);
    Public(const Public&) = delete;
    Public& operator=(const Public&) = delete;

    ProductLibrary& Products() noexcept { return products_; }
    const ProductLibrary& Products() const noexcept { return products_; }
    // ChartTable with its ChartCount: one empty element and a count of 0 until the first
    // chart window adopts a curve.
    ChartTable& Charts() noexcept { return charts_; }
    const ChartTable& Charts() const noexcept { return charts_; }
    const ProgramFacts& Facts() const noexcept { return facts_; }
    ProgramFacts& Facts() noexcept { return facts_; }

    // 1 Japanese help, 2 English.
    int HelpLanguage() const noexcept { return facts_.HelpLanguage(); }
    const std::string& DegreeSign() const noexcept { return facts_.DegreeSign; }
    // The notation in force (0 EIA, 1 JIS); the View menu's check mark shows it.
    shared::CodeSystem GetCodeSystem() const noexcept { return products_.CodeSystem; }

private:
    ProductLibrary products_;
    ChartTable charts_;
    ProgramFacts facts_;
};

}  // namespace darvo

#endif
