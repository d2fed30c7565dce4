// The pelmo desktop program.
#include "pelmo/app/qt/program_main.h"

int main(int argc, char** argv) {
    return pelmo::Main(argc, argv);
}
