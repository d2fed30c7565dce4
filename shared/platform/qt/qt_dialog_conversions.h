#ifndef SHARED_PLATFORM_QT_DIALOG_CONVERSIONS_H
#define SHARED_PLATFORM_QT_DIALOG_CONVERSIONS_H

#include "shared/platform/common_dialog_backend.h"

#include <QAbstractPrintDialog>
#include <QColor>
#include <QFileDialog>
#include <QFont>
#include <QStringList>

#include <cstdint>
#include <string>

namespace shared {

// What the common dialog object's values mean to the toolkit's dialogs, kept apart from
// the dialogs themselves so it can be checked without a user clicking.

// The toolkit's name filters of a "|"-separated list, in order.
QStringList NameFilters(const std::string& filter);

// Open and save options: the added pattern part of each filter stays hidden, and a save
// asks before overwriting only when the overwrite-prompt flag says so.
QFileDialog::Options FileDialogOptions(std::int32_t flags, bool save);
// A save or an unrestricted open accepts any name; an open with the file-must-exist
// flag only existing files.
QFileDialog::FileMode FileDialogMode(std::int32_t flags, bool save);

// Classic RGB values (red in the low byte) to and from the toolkit's colours.
QColor ToQColor(std::int32_t rgb);
std::int32_t FromQColor(const QColor& color);

QFont ToQFont(const FontChoice& font);
FontChoice FromQFont(const QFont& font);

// Print dialog option bits.
namespace print_dialog_flag {
inline constexpr std::int32_t kSelection = 0x1;
inline constexpr std::int32_t kPageNums = 0x2;
inline constexpr std::int32_t kNoSelection = 0x4;
inline constexpr std::int32_t kNoPageNums = 0x8;
inline constexpr std::int32_t kCollate = 0x10;
inline constexpr std::int32_t kPrintToFile = 0x20;
inline constexpr std::int32_t kDisablePrintToFile = 0x80000;
inline constexpr std::int32_t kHidePrintToFile = 0x100000;
inline constexpr std::int32_t kCurrentPage = 0x400000;
inline constexpr std::int32_t kNoCurrentPage = 0x800000;
}  // namespace print_dialog_flag

// The parts of the print dialog the flags leave on.
QAbstractPrintDialog::PrintDialogOptions PrintDialogOptions(std::int32_t flags);
// The flags the dialog hands back: the range and print-to-file bits as the user left
// them, every other bit as it went in.
std::int32_t PrintFlagsAfter(std::int32_t flags, QAbstractPrintDialog::PrintRange range, bool printToFile,
                             bool collate);

}  // namespace shared

#endif
