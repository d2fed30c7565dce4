#ifndef PELMO_APP_TESTING_FAKE_PROGRAM_H
#define PELMO_APP_TESTING_FAKE_PROGRAM_H

#include "pelmo/library/program_facts.h"

#include "shared/platform/testing/fake_services.h"

#include <string>
#include <utility>

namespace pelmo::testing {

// The scripted services with pelmo's start-up facts, for window tests and the screenshot
// tools: English help, the degree sign, and the folder and help file given.
struct FakeProgram : shared::FakeServices {
    explicit FakeProgram(std::string programFolder = {}, std::string helpFileName = {})
        : facts{std::move(programFolder), shared::HelpChoice{2, std::move(helpFileName)}, "\u00B0"} {}

    ProgramFacts facts;
};

}  // namespace pelmo::testing

#endif
