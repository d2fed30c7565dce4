#ifndef DARVO_ENGINE_CHART_TABLE_H
#define DARVO_ENGINE_CHART_TABLE_H

#include "darvo/engine/chart_data_record.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace darvo {

// The program-wide table of curves, `ChartTable`, with its count `ChartCount`.
//
// Elements 0 .. ChartCount - 1 are the curves of the open chart windows. Element
// ChartCount exists only while a plot request or a data output prepares a record there;
// at every other time the table holds exactly ChartCount elements, or one empty element
// when ChartCount is 0. Other parts of the program scan every element (the duplicate test
// and the identity count), so a prepared record that outlived its request would be taken
// for a curve; that is why preparing is explicit and every way out shrinks back.
class ChartTable {
public:
    // One empty element and a count of 0, as the selection window creates it.
    ChartTable();

    std::int16_t ChartCount() const noexcept { return chartCount_; }
    // Elements held now: ChartCount, plus one while a record is prepared, and never 0.
    std::size_t Size() const noexcept { return records_.size(); }
    // Raises RuntimeError 9 "Subscript out of range" outside 0 .. Size() - 1.
    const ChartDataRecord& At(std::size_t index) const;
    // Only the chart window writes through this, and only PlotX and PlotY of its curves.
    ChartDataRecord& At(std::size_t index);

    bool IsPreparing() const noexcept { return preparing_; }
    // Extends the table to elements 0 .. ChartCount and returns element ChartCount. The
    // element is cleared so that nothing of an earlier curve leaks into the new one.
    // Raises RuntimeError 5 when a record is already being prepared.
    ChartDataRecord& Prepare();
    // Element ChartCount while a record is prepared; RuntimeError 9 otherwise.
    ChartDataRecord& Prepared();
    // A chart window takes the prepared record as a curve: ChartCount grows by one.
    void AdoptPrepared();
    // Removes the prepared record again, leaving the table as before Prepare(). Does
    // nothing when no record is prepared, so that every exit path may call it.
    void DiscardPrepared() noexcept;

    // Removes every curve of a chart identity (a closing chart window), keeps the others
    // in their order and returns how many were removed.
    int RemoveIdentity(const ChartIdentity& identity);

private:
    void ShrinkToCount() noexcept;

    std::vector<ChartDataRecord> records_;
    std::int16_t chartCount_ = 0;
    bool preparing_ = false;
};

}  // namespace darvo

#endif
