#include "shrink.h"

#include "worked_examples.h"

namespace vado::fuzz {

std::vector<Step> Shrink(std::vector<Step> steps, const std::function<bool(const std::vector<Step>&)>& fails) {
    size_t chunks = 2;
    while (steps.size() >= 2) {
        const size_t size = (steps.size() + chunks - 1) / chunks;
        bool removed = false;
        for (size_t start = 0; start < steps.size(); start += size) {
            std::vector<Step> rest(steps.begin(), steps.begin() + static_cast<long>(start));
            rest.insert(rest.end(), steps.begin() + static_cast<long>(std::min(start + size, steps.size())), steps.end());
            if (!rest.empty() && fails(rest)) {
                steps = std::move(rest);
                chunks = std::max<size_t>(chunks - 1, 2);
                removed = true;
                break;
            }
        }
        if (removed) continue;
        if (size == 1) break;
        chunks = std::min(chunks * 2, steps.size());
    }
    return steps;
}

std::vector<Step> ExpandExamples(const std::vector<Step>& steps,
                                 const std::function<Step(const std::string&, const std::string&)>& toStep) {
    std::vector<Step> out;
    for (const Step& s : steps) {
        const auto* example = s.verb == Step::Verb::Example ? test::WorkedExampleOf(s.form) : nullptr;
        if (!example) {
            out.push_back(s);
            continue;
        }
        for (const auto& part : example->example) out.push_back(toStep(s.form, part));
        if (s.a)
            for (const auto& part : example->more) out.push_back(toStep(s.form, part));
    }
    return out;
}

}  // namespace vado::fuzz
