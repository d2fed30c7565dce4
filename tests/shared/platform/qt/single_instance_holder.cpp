// A stand-in for a starting program in the single-instance tests that use real
// processes: it claims the program through the desktop backend, exactly as pelmo and
// darvo do at start-up, and holds the claim until it ends or is killed.
//
//   single_instance_holder FOLDER PROGRAM [APPLICATION_NAME]
//
// It prints "ready" and waits for a line on its input, so a test can release several
// copies at the same moment; then it prints "acquired" or "refused" and keeps the claim
// until its input ends. APPLICATION_NAME is what the lock file records as the owner
// (pelmo's differs from its executable's name, darvo's does not).
#include "shared/platform/qt/qt_single_instance.h"

#include <QCoreApplication>

#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::cerr << "usage: single_instance_holder FOLDER PROGRAM [APPLICATION_NAME]\n";
        return 2;
    }
    QCoreApplication application(argc, argv);
    if (argc == 4) {
        QCoreApplication::setApplicationName(QString::fromLocal8Bit(argv[3]));
    }
    shared::QtSingleInstance instance(argv[2], QString::fromLocal8Bit(argv[1]));

    std::cout << "ready" << std::endl;
    std::string line;
    if (!std::getline(std::cin, line)) {
        return 3;
    }
    std::cout << (instance.Acquire() ? "acquired" : "refused") << std::endl;
    while (std::getline(std::cin, line)) {
    }
    return 0;
}
