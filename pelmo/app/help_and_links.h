#ifndef PELMO_APP_HELP_AND_LINKS_H
#define PELMO_APP_HELP_AND_LINKS_H

namespace shared {
struct Services;
}  // namespace shared

namespace pelmo {

struct ProgramFacts;
struct SelectionWindowState;

// The maker's web pages and the help file, opened through the desktop's default handler.
// Whether a browser or viewer is there is not examined: the request simply has no
// visible effect without one.

// Web link kinds.
inline constexpr int kCatalogLink = 1;  // Link to Catalog: the chosen part's page
inline constexpr int kContactUs = 2;
inline constexpr int kVersionCheck = 3;

// Opens the product-search page of kind for the selection window's part-number box as
// typed (its text before the first "_"), notation, help language and the program version.
// A request that cannot even be prepared shows its description in a box without icon.
void WebLink(int kind, const SelectionWindowState& selection, const shared::Services& services,
             const ProgramFacts& facts);

// Help > Contents: the program's help PDF, or "There is no Help File." without one.
void OpenHelp(const shared::Services& services, const ProgramFacts& facts);

}  // namespace pelmo

#endif
