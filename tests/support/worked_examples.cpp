#include "worked_examples.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vado::test {

const std::vector<WorkedExample>& WorkedExamples() {
    static const std::vector<WorkedExample> pages = [] {
        std::vector<WorkedExample> read;
        std::ifstream in(VADO_WORKED_EXAMPLES);
        for (std::string line; std::getline(in, line);) {
            std::istringstream words(line);
            WorkedExample e;
            if (line.empty() || line[0] == '#' || !(words >> e.page)) continue;
            bool after = false;  // the more inputs follow a "|"
            for (std::string w; words >> w;)
                if (w == "|") after = true;
                else (after ? e.more : e.example).push_back(w);
            read.push_back(std::move(e));
        }
        if (read.empty()) throw std::runtime_error("no worked examples in " VADO_WORKED_EXAMPLES);
        return read;
    }();
    return pages;
}

const WorkedExample* WorkedExampleOf(const std::string& page) {
    for (const auto& e : WorkedExamples())
        if (page == e.page) return &e;
    return nullptr;
}

}  // namespace vado::test
