#include "pelmo/size/size_sheet.h"

#include "pelmo/library/records.h"

#include "shared/errors/runtime_error.h"

namespace pelmo {

namespace {

// The plus-minus sign, character 177 of the ANSI code page, in UTF-8.
constexpr std::string_view kPlusMinus = "\u00B1";

constexpr std::array<std::string_view, kChipRowCount> kChipNamesShape2 = {"L",      "W", "T", "e",
                                                                          "g(min)", "f", "p", ""};
constexpr std::array<std::string_view, kChipRowCount> kChipNamesShape3 = {"L",      "W",  "T",  "e",
                                                                          "g(min)", "f1", "f2", "p"};
constexpr std::array<std::string_view, kLandRowCount> kLandNames = {"a", "b", "c", "d", "e", "f", "p"};

// How many chip rows and named land rows each shape shows.
int ChipRowsOf(int shape) {
    switch (shape) {
        case 2:
            return 7;
        case 3:
            return 8;
        default:
            return 5;
    }
}

int NamedLandRowsOf(int shape) {
    switch (shape) {
        case 2:
            return 5;
        case 3:
            return 7;
        default:
            return 3;
    }
}

bool HasLandFrame(int shape) {
    return shape == 1 || shape == 2 || shape == 3 || shape == 5;
}

// Shape 2 skips SizeSheet(6): its second terminal row exists only on shape 3.
std::size_t ChipFieldOfRow(int shape, std::size_t row) {
    return shape == 2 && row == 6 ? 7 : row;
}

void FillCapacitor(const CapacitorRecord& record, SizeSheetContent& sheet) {
    const int shape = sheet.Shape;
    const auto& names = shape == 3 ? kChipNamesShape3 : kChipNamesShape2;
    const int chipRows = ChipRowsOf(shape);
    for (std::size_t row = 0; row < kChipRowCount; ++row) {
        SizeSheetRow& chip = sheet.Chip[row];
        chip.Name = names[row];
        const bool shown = static_cast<int>(row) < chipRows;
        chip.NameVisible = shown;
        chip.ValueVisible = shown;
        if (shown) {
            chip.Value = PlusMinusText(record.SizeSheet[ChipFieldOfRow(shape, row)]);
        }
    }

    sheet.UseText = record.UseText;
    sheet.Note = SizeSheetNote(record);
    sheet.NoteVisible = true;

    sheet.LandFrameVisible = HasLandFrame(shape);
    sheet.FlowVisible = sheet.LandFrameVisible;
    const int namedLands = NamedLandRowsOf(shape);
    for (std::size_t row = 0; row < kLandRowCount; ++row) {
        SizeSheetRow& land = sheet.Land[row];
        land.Name = kLandNames[row];
        land.NameVisible = sheet.LandFrameVisible && static_cast<int>(row) < namedLands;
        // Values stay visible under hidden names and show the record as it stands.
        land.ValueVisible = sheet.LandFrameVisible;
        land.Value = record.SizeSheet[8 + row];
    }
    for (std::size_t row = 0; row < kFlowRowCount; ++row) {
        sheet.Flow[row] = record.SizeSheet[15 + row];
    }
}

void FillInductor(const InductorRecord& record, SizeSheetContent& sheet) {
    for (std::size_t row = 0; row < kChipRowCount; ++row) {
        SizeSheetRow& chip = sheet.Chip[row];
        chip.Name = kChipNamesShape2[row];
        chip.NameVisible = row < 5;
        // g(min) keeps its name but has no value: the inductor library gives none.
        chip.ValueVisible = row < 5;
        if (row < 4) {
            chip.Value = PlusMinusText(record.SizeSheet[row]);
        }
    }
    sheet.NoteVisible = false;
    sheet.LandFrameVisible = false;
    sheet.FlowVisible = false;
    for (std::size_t row = 0; row < kLandRowCount; ++row) {
        sheet.Land[row].Name = kLandNames[row];
    }
}

}  // namespace

std::string PlusMinusText(std::string_view text) {
    std::string result(text);
    const std::size_t at = result.find('d');
    if (at != std::string::npos) {
        result.replace(at, 1, kPlusMinus);
    }
    return result;
}

std::string SizeSheetNote(const CapacitorRecord& record) {
    std::string note;
    if (record.SizeSheet[19] == "NS") {
        note = "Non-Standard Part\n";
    }
    if (record.SizeSheet[18] == "B") {
        note += "Base Metal Inner Electrode";
    }
    return note;
}

std::string ChipImageKey(int shape) {
    switch (shape) {
        case 1:
        case kInductorChipShape:
            return "chip";
        case 2:
            return "chip2";
        case 3:
            return "chip3";
        case 5:
            return "chip4";
        case 6:
            return "chip5";
        default:
            throw shared::RuntimeError(shared::error::kInvalidProcedureCall, "ChipImageKey");
    }
}

int CapacitorChipShape(const CapacitorRecord& record) {
    const float shape = record.ChipShape;
    for (const int known : {1, 2, 3, 5, 6}) {
        if (shape == static_cast<float>(known)) {
            return known;
        }
    }
    const std::string name = record.PartNumber[0].empty() ? record.PartNumber[1] : record.PartNumber[0];
    throw shared::RuntimeError(shared::error::kInvalidProcedureCall, "frmSize",
                               "Unknown chip shape of " + name);
}

SizeSheetContent BuildSizeSheet(const Library& library, ProductKind kind, std::int32_t index,
                                shared::CodeSystem codeSystem) {
    SizeSheetContent sheet;
    if (kind == ProductKind::Inductor) {
        if (index < 0 || static_cast<std::size_t>(index) >= library.InductorTable.size()) {
            throw shared::RuntimeError(shared::error::kSubscriptOutOfRange, "frmSize");
        }
        const InductorRecord& record = library.InductorTable[static_cast<std::size_t>(index)];
        sheet.Shape = kInductorChipShape;
        sheet.ImageKey = ChipImageKey(sheet.Shape);
        sheet.PartNumber = record.PartNumber;
        FillInductor(record, sheet);
        return sheet;
    }
    if (index < 0 || static_cast<std::size_t>(index) >= library.CapacitorTable.size()) {
        throw shared::RuntimeError(shared::error::kSubscriptOutOfRange, "frmSize");
    }
    const CapacitorRecord& record = library.CapacitorTable[static_cast<std::size_t>(index)];
    sheet.Shape = CapacitorChipShape(record);
    sheet.ImageKey = ChipImageKey(sheet.Shape);
    sheet.PartNumber = record.PartNumber[codeSystem].empty()
                           ? record.PartNumber[shared::OtherCodeSystem(codeSystem)]
                           : record.PartNumber[codeSystem];
    FillCapacitor(record, sheet);
    return sheet;
}

}  // namespace pelmo
