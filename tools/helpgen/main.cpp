// Turns a help text written in Markdown into the PDF that Help > Contents opens.
// The help travels beside the program as a PDF so any viewer can show and print it.
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: helpgen TITLE INPUT.md OUTPUT.pdf\n");
        return 2;
    }
    QFile input(QString::fromLocal8Bit(argv[2]));
    if (!input.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "helpgen: cannot read %s\n", argv[2]);
        return 1;
    }
    QTextDocument document;
    document.setMarkdown(QString::fromUtf8(input.readAll()));

    const QString output = QString::fromLocal8Bit(argv[3]);
    QPdfWriter writer(output);
    writer.setTitle(QString::fromLocal8Bit(argv[1]));
    writer.setCreator(QStringLiteral("helpgen"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
    document.print(&writer);
    if (!QFile::exists(output)) {
        std::fprintf(stderr, "helpgen: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
