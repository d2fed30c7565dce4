#include "shared/platform/help_file.h"

#include "shared/platform/messages.h"
#include "shared/platform/program_folder.h"
#include "shared/platform/shell.h"

#include <exception>
#include <filesystem>
#include <system_error>

namespace shared {

namespace {

bool RegularFileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

HelpChoice ChooseHelp(const std::string& program, bool japaneseExists, bool englishExists) {
    HelpChoice choice;
    if (japaneseExists) {
        choice.language = 1;
        choice.fileName = program + "jhlp.pdf";
    } else {
        choice.language = 2;
        choice.fileName = englishExists ? program + "ehlp.pdf" : std::string();
    }
    return choice;
}

HelpChoice DetectHelp(const std::string& programFolder, const std::string& program) {
    return ChooseHelp(program, RegularFileExists(JoinFolderAndName(programFolder, program + "jhlp.pdf")),
                      RegularFileExists(JoinFolderAndName(programFolder, program + "ehlp.pdf")));
}

void OpenHelpContents(Shell& shell, Messages& messages, const std::string& programTitle,
                      const std::string& programFolder, const std::string& helpFileName) {
    if (helpFileName.empty()) {
        messages.Show("There is no Help File.", MessageIcon::Information, programTitle);
        return;
    }
    try {
        shell.OpenDocument(JoinFolderAndName(programFolder, helpFileName));
    } catch (const std::exception& failure) {
        messages.Show(failure.what(), MessageIcon::None, programTitle);
    }
}

}  // namespace shared
