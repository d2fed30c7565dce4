#include "pelmo/charts/chart_slot_table.h"

#include "shared/errors/runtime_error.h"

namespace pelmo {

std::string_view ChartOpenRefusalText(ChartOpenRefusal refusal) noexcept {
    switch (refusal) {
        case ChartOpenRefusal::TooManyOfThisKind:
            return kMaximumChartTypeText;
        case ChartOpenRefusal::TooManyCharts:
            return kMaximumChartsText;
        case ChartOpenRefusal::AlreadyOpened:
            return kChartAlreadyOpenedText;
        case ChartOpenRefusal::None:
            break;
    }
    return {};
}

const ChartSlot& ChartSlotTable::Slot(int number) const {
    if (number < 0 || number > kChartSlots) throw shared::RuntimeError(shared::error::kSubscriptOutOfRange);
    return slots_[static_cast<std::size_t>(number)];
}

ChartSlot& ChartSlotTable::Slot(int number) {
    return const_cast<ChartSlot&>(static_cast<const ChartSlotTable&>(*this).Slot(number));
}

int ChartSlotTable::InUseCount() const noexcept {
    int count = 0;
    for (int n = 1; n <= kChartSlots; ++n)
        if (slots_[static_cast<std::size_t>(n)].InUse()) ++count;
    return count;
}

int ChartSlotTable::CountOfChart(ChartKind kind) const noexcept {
    int count = 0;
    for (int n = 1; n <= kChartSlots; ++n) {
        const ChartSlot& slot = slots_[static_cast<std::size_t>(n)];
        if (slot.InUse() && slot.Kind == kind) ++count;
    }
    return count;
}

int ChartSlotTable::LowestFreeSlot() const noexcept {
    for (int n = 1; n <= kChartSlots; ++n)
        if (!slots_[static_cast<std::size_t>(n)].InUse()) return n;
    return 0;
}

ChartOpenRefusal ChartSlotTable::CheckChartOpen(const ChartSlot& request) const {
    if (request.Kind && CountOfChart(*request.Kind) >= kMaxTracesPerChart)
        return ChartOpenRefusal::TooManyOfThisKind;
    if (LowestFreeSlot() == 0) return ChartOpenRefusal::TooManyCharts;
    if (secondPass_) return ChartOpenRefusal::None;
    // Free slots take part as the original check had it: a freed slot keeps its
    // temperature and bias but has no part and no kind, so it never matches a real
    // request.
    for (int n = 1; n <= kChartSlots; ++n) {
        const ChartSlot& slot = slots_[static_cast<std::size_t>(n)];
        if (slot.Temperature == request.Temperature && slot.DcBias == request.DcBias &&
            slot.Kind == request.Kind && slot.PartIndexPlusOne == request.PartIndexPlusOne &&
            slot.Product == request.Product && slot.Parameter == request.Parameter &&
            slot.Connection == request.Connection)
            return ChartOpenRefusal::AlreadyOpened;
    }
    return ChartOpenRefusal::None;
}

int ChartSlotTable::Reserve(const ChartSlot& request) {
    const int number = LowestFreeSlot();
    if (number == 0) return 0;
    ChartSlot& slot = slots_[static_cast<std::size_t>(number)];
    slot = request;
    slot.SlotNumber = static_cast<std::int16_t>(number);
    currentSlot_ = number;
    return number;
}

void ChartSlotTable::Free(int number) {
    ChartSlot& slot = Slot(number);
    slot.Product.reset();
    slot.PartIndexPlusOne = 0;
    slot.SlotNumber = 0;
    slot.UpperFrequency = 0.0F;
    slot.Kind.reset();
    slot.Parameter = SParameter::None;
    slot.Connection.reset();
}

void ChartSlotTable::FreeForClosedWindow(ChartKind kind, int ownSlot) {
    if (kind == ChartKind::Smith) {
        if (ownSlot >= 1 && ownSlot <= kChartSlots && Slot(ownSlot).Kind == kind) Free(ownSlot);
        return;
    }
    for (int n = 1; n <= kChartSlots; ++n)
        if (slots_[static_cast<std::size_t>(n)].Kind == kind) Free(n);
}

std::vector<int> ChartSlotTable::SlotsOfChart(ChartKind kind) const {
    std::vector<int> numbers;
    for (int n = 1; n <= kChartSlots; ++n) {
        const ChartSlot& slot = slots_[static_cast<std::size_t>(n)];
        if (slot.InUse() && slot.Kind == kind) numbers.push_back(n);
    }
    return numbers;
}

}  // namespace pelmo
