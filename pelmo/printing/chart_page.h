#ifndef PELMO_PRINTING_CHART_PAGE_H
#define PELMO_PRINTING_CHART_PAGE_H

#include "pelmo/engine/chart_kind.h"

#include <string>
#include <vector>

namespace shared {
class PageCanvas;
}

namespace pelmo {

class ChartWindowModel;
struct ChartContext;

// The printed page of a chart window: a header box naming the chart, the chart itself in
// a framed body, and a table of its traces. Everything is placed in twips from the
// printable area's origin on a landscape page; only the chart area gets its own user
// scale, from the same drawing routine the window uses.

// The chart name of a window caption: the text before the blank that precedes the first
// "Chart" ("Impedance & ESR" from "Impedance & ESR Chart", "Smith" from a Smith
// caption). A caption without "Chart" is taken whole.
std::string PrintChartName(const std::string& caption);

// "Would you print " + chart name + " Chart ?", asked before anything is printed.
std::string PrintQuestionText(const std::string& chartName);

// The header box with chart name + " Chart" and the product title.
void PrintChartHeader(shared::PageCanvas& page, const std::string& chartName);

// The framed chart. The chart drawing sets its own scale on the page; the twip scale,
// pen width and style are restored afterwards so the table lands where it belongs. The
// window's model only reads its trace copy here: printing never touches a slot.
void PrintChartBody(shared::PageCanvas& page, ChartWindowModel& model, ChartContext& context);

// The trace table of a rectangular chart: the wide table (with S-parameter and
// connection columns) for Magnitude and Phase, the narrow one otherwise. Six numbered
// rows and six line samples always; cells only for rows with a caption.
void PrintChartLegend(shared::PageCanvas& page, ChartKind kind,
                      const std::vector<std::string>& legendCaptions, const ChartContext& context);

// The one-row table of a Smith chart from the window's six labels.
void PrintSmithLegend(shared::PageCanvas& page, const std::vector<std::string>& labels,
                      const ChartContext& context);

// The whole page: header, body, then the table for the model's kind. The page must be
// in twips with the print font set; the caller starts and ends the document.
// legendCaptions are the window's legend texts: one per trace on rectangular charts,
// the six labels on a Smith chart.
void PrintChart(shared::PageCanvas& page, ChartWindowModel& model, ChartContext& context,
                const std::vector<std::string>& legendCaptions);

}  // namespace pelmo

#endif
