#pragma once

#include <string>
#include <vector>

namespace vado::test {

// Steps (as vadocalc-cli takes them) that bring a page to a computing state, one for every
// calculator page (read from worked_examples.txt).
struct WorkedExample {
    std::string page;
    std::vector<std::string> example;  // the manual's worked example
    std::vector<std::string> more;     // more inputs, typed after the lists moved off their defaults
};
const std::vector<WorkedExample>& WorkedExamples();
// The page's example, or null.
const WorkedExample* WorkedExampleOf(const std::string& page);

}  // namespace vado::test
