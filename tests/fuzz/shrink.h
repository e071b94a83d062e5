#pragma once

#include <functional>
#include <vector>

#include "step.h"

namespace vado::fuzz {

// The steps `fails` still fails on, as few as delta debugging finds: chunks are left out while the
// failure stays, then single steps, until leaving out any one step makes it pass.
std::vector<Step> Shrink(std::vector<Step> steps, const std::function<bool(const std::vector<Step>&)>& fails);

// A worked example written out as the steps it is made of, so each can go on its own.
std::vector<Step> ExpandExamples(const std::vector<Step>& steps, const std::function<Step(const std::string& form, const std::string& cliStep)>& toStep);

}  // namespace vado::fuzz
