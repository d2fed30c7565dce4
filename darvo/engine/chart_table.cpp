#include "darvo/engine/chart_table.h"

#include "shared/errors/runtime_error.h"

namespace darvo {

namespace {

constexpr const char* kSource = "darvo:mdlPublic.ChartTable";

// A misuse of the table is reported as the table's own procedure failing.
[[noreturn]] void Raise(int number) {
    throw shared::RuntimeError(number, kSource).WithReportTitle(kSource);
}

}  // namespace

ChartTable::ChartTable() : records_(1) {}

const ChartDataRecord& ChartTable::At(std::size_t index) const {
    if (index >= records_.size()) {
        Raise(shared::error::kSubscriptOutOfRange);
    }
    return records_[index];
}

ChartDataRecord& ChartTable::At(std::size_t index) {
    if (index >= records_.size()) {
        Raise(shared::error::kSubscriptOutOfRange);
    }
    return records_[index];
}

ChartDataRecord& ChartTable::Prepare() {
    if (preparing_) {
        Raise(shared::error::kInvalidProcedureCall);
    }
    const auto index = static_cast<std::size_t>(chartCount_);
    records_.resize(index + 1);
    records_[index] = ChartDataRecord{};
    preparing_ = true;
    return records_[index];
}

ChartDataRecord& ChartTable::Prepared() {
    if (!preparing_) {
        Raise(shared::error::kSubscriptOutOfRange);
    }
    return records_[static_cast<std::size_t>(chartCount_)];
}

void ChartTable::AdoptPrepared() {
    if (!preparing_) {
        Raise(shared::error::kSubscriptOutOfRange);
    }
    preparing_ = false;
    ++chartCount_;
}

void ChartTable::DiscardPrepared() noexcept {
    if (!preparing_) {
        return;
    }
    preparing_ = false;
    ShrinkToCount();
}

int ChartTable::RemoveIdentity(const ChartIdentity& identity) {
    // A prepared record is not a curve of any window; it stays where it is.
    std::size_t kept = 0;
    int removed = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(chartCount_); ++i) {
        const ChartDataRecord& r = records_[i];
        if (IdentityOf(r) == identity) {
            ++removed;
            continue;
        }
        if (kept != i) {
            records_[kept] = std::move(records_[i]);
        }
        ++kept;
    }
    if (removed == 0) {
        return 0;
    }
    if (preparing_) {
        records_[kept] = std::move(records_[static_cast<std::size_t>(chartCount_)]);
    }
    chartCount_ = static_cast<std::int16_t>(chartCount_ - removed);
    records_.resize(kept + (preparing_ ? 1 : 0));
    if (records_.empty()) {
        records_.emplace_back();
    }
    return removed;
}

void ChartTable::ShrinkToCount() noexcept {
    if (chartCount_ == 0) {
        records_.resize(1);
        records_[0] = ChartDataRecord{};
    } else {
        records_.resize(static_cast<std::size_t>(chartCount_));
    }
}

}  // namespace darvo
