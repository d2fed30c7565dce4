#ifndef DARVO_APP_PROGRAM_IDENTITY_H
#define DARVO_APP_PROGRAM_IDENTITY_H

namespace darvo {

// The fixed application title: the main window's caption, every message box, the
// settings store and the refusal of a second copy.
inline constexpr const char* kProgramTitle = "darvo";
// The product title of the About box, the selection window and printed pages.
inline constexpr const char* kProductTitle = "Tervalon";
// The stem of the help files beside the program: darvojhlp.pdf and darvoehlp.pdf.
inline constexpr const char* kHelpStem = "darvo";

}  // namespace darvo

#endif
