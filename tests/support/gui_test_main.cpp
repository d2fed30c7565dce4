// Entry point of every GUI test executable: one QApplication for the whole run, on the
// offscreen platform unless the environment chose another. The locale is the
// environment's, as in the programs (ctest runs each suite under "." and "," locales).
#include <QApplication>
#include <QByteArray>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // The build lists the tests by running the binary without the test environment, so
    // the platform is chosen here rather than left to ctest.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    // Like the programs, the application takes the C library's locale from the
    // environment; number texts and files must not follow it.
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
