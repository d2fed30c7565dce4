// Entry point of every GUI test executable: one QApplication for the whole run, on the
// offscreen platform unless the environment chose another, with a fixed locale.
#include <QApplication>
#include <QByteArray>
#include <QLocale>

#include <clocale>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // The build lists the tests by running the binary without the test environment, so
    // the platform and the locale are chosen here rather than left to ctest.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    // QApplication takes the C library's locale from the environment; number texts
    // written with the standard library must not follow it.
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
