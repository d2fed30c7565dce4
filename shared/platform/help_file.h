#ifndef SHARED_PLATFORM_HELP_FILE_H
#define SHARED_PLATFORM_HELP_FILE_H

#include <string>

namespace shared {

class Messages;
class Shell;

// The help language and file name a program decides on at start from the PDFs lying
// in its folder: <program>jhlp.pdf (Japanese) or <program>ehlp.pdf (English).
struct HelpChoice {
    int language = 2;      // 1 Japanese, 2 English; also the "l" value of web links
    std::string fileName;  // bare file name; empty when the chosen file is missing
};

// Japanese when its file exists, else English. The English name is kept only when that
// file exists too, so a folder without any help shows "There is no Help File." instead
// of a silent failed open.
HelpChoice ChooseHelp(const std::string& program, bool japaneseExists, bool englishExists);

// The same, looking for the two files in the program folder. program is "pelmo" or
// "darvo"; names are compared exactly, letter case included.
HelpChoice DetectHelp(const std::string& programFolder, const std::string& program);

// The Help Contents command: with no help file name shows "There is no Help File."
// (information icon, program title); otherwise asks the shell to open programFolder +
// separator + name. The open result is not examined; a failure while preparing the
// request shows its description in a box without icon.
void OpenHelpContents(Shell& shell, Messages& messages, const std::string& programTitle,
                      const std::string& programFolder, const std::string& helpFileName);

}  // namespace shared

#endif
