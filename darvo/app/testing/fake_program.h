#ifndef DARVO_APP_TESTING_FAKE_PROGRAM_H
#define DARVO_APP_TESTING_FAKE_PROGRAM_H

#include "darvo/app/program_facts.h"

#include "shared/platform/testing/fake_services.h"

#include <string>
#include <utility>

namespace darvo::testing {

// The scripted services with darvo's start-up facts, for window tests and the screenshot
// tools: the help language and file given, the degree sign, and the folder given.
struct FakeProgram : shared::FakeServices {
    explicit FakeProgram(std::string programFolder = {}, std::string helpFileName = {}, int helpLanguage = 2)
        : facts{std::move(programFolder), shared::HelpChoice{helpLanguage, std::move(helpFileName)},
                "\u00B0"} {}

    ProgramFacts facts;
};

}  // namespace darvo::testing

#endif
