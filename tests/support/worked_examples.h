#pragma once

#include <string>
#include <vector>

namespace vado::test {

// Steps (as vadocalc-cli takes them) that bring a page to a computing state.
struct WorkedExample {
    const char* page;
    std::vector<std::string> example;  // the manual's worked example
    std::vector<std::string> more;     // more inputs, typed after the lists moved off their defaults
};

// One for every calculator page.
const std::vector<WorkedExample>& WorkedExamples();
// The page's example, or null.
const WorkedExample* WorkedExampleOf(const std::string& page);

}  // namespace vado::test
