// The darvo desktop program.
#include "darvo/app/qt/program_main.h"

int main(int argc, char** argv) {
    return darvo::Main(argc, argv);
}
