#ifndef DARVO_APP_HELP_AND_LINKS_H
#define DARVO_APP_HELP_AND_LINKS_H

#include "shared/parts/code_system.h"

#include <string>

namespace shared {
struct Services;
}  // namespace shared

namespace darvo {

struct ProgramFacts;

// The maker's web pages and the help file, opened through the desktop's default handler.
// Whether a browser or viewer is there is not examined: the request simply has no
// visible effect without one.

// WebLink modes.
inline constexpr int kCatalogLink = 1;  // Link to Catalog: the chosen part's page
inline constexpr int kContactUs = 2;
inline constexpr int kVersionCheck = 3;

// The address of a WebLink mode: darvo's "i=0", the help language as "l", and for the
// catalogue page the part-number text cut before its first "_" as "nkey" and "okey" with
// the notation as "lan". Every value is percent-encoded on its own, so a typed "&", "="
// or "#" can neither add keys nor cut the address short. Any other mode is a program
// error and raises shared::RuntimeError 5.
std::string WebLinkUrl(int mode, const std::string& partNumberText, shared::CodeSystem codeSystem,
                       int helpLanguage);

// Opens that page. A request that cannot even be prepared shows its description in a box
// without icon; the program goes on.
void WebLink(int mode, const std::string& partNumberText, shared::CodeSystem codeSystem,
             const shared::Services& services, const ProgramFacts& facts);

// Help > Contents: darvoehlp.pdf or darvojhlp.pdf of the program folder, as the help
// language says; "There is no Help File." when that file is not there.
void OpenHelp(const shared::Services& services, const ProgramFacts& facts);

}  // namespace darvo

#endif
