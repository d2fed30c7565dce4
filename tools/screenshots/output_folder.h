#ifndef TOOLS_SCREENSHOTS_OUTPUT_FOLDER_H
#define TOOLS_SCREENSHOTS_OUTPUT_FOLDER_H

#include <QDir>
#include <QString>

#include <cstdio>
#include <optional>

// The folder every screenshot tool writes into: its first argument, created when it is
// missing. Prints the usage or the failure and gives nothing when the tool cannot go on.
inline std::optional<QDir> OutputFolder(int argc, char** argv, const char* tool,
                                        const char* arguments = "OUTPUT_FOLDER [LIBRARY_FOLDER]") {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s %s\n", tool, arguments);
        return std::nullopt;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "%s: cannot create %s\n", tool, argv[1]);
        return std::nullopt;
    }
    return folder;
}

#endif
