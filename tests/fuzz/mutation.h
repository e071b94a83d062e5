#pragma once

#include <cstdint>
#include <string>

namespace vado::fuzz {

// A saved project changed the ways a damaged or hand-edited file is: cut short, a value of the
// wrong type, a huge or negative number, deep nesting, a very long string, invalid UTF-8, a key
// given twice, a byte changed, a part removed or renamed. `kind` picks the way (any int), `seed`
// the place and the particulars (for a cut, the
// length left of the project cut down to the page shown); the same three give the same text.
std::string Mutate(const std::string& project, int kind, std::uint64_t seed);

// The project with the inputs of the page shown and no other page's: a small file.
std::string SmallProject(const std::string& project);

// The name of a kind of mutation, for the summary.
const char* MutationName(int kind);
inline constexpr int kMutationKinds = 9;

}  // namespace vado::fuzz
