#ifndef TESTS_TOOLS_LIBGEN_GENERATED_LIBRARY_H
#define TESTS_TOOLS_LIBGEN_GENERATED_LIBRARY_H

#include "tools/libgen/sample_library.h"

namespace pelmo::libgen {

// The sample library, generated once per test program: the checks only read it.
inline const SampleLibrary& GeneratedLibrary() {
    static const SampleLibrary library = GenerateSampleLibrary();
    return library;
}

}  // namespace pelmo::libgen

#endif
