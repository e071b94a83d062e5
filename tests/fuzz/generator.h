#pragma once

#include "corpus.h"
#include "program.h"
#include "step.h"

namespace vado::fuzz {

// A step a person could take now: on the dialog when one is open, else on the page shown, an open
// result window, the tab strip or the project file.
Step Generate(Program& program, Rng& rng);

}  // namespace vado::fuzz
