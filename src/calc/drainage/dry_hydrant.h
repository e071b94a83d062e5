#pragma once

#include <string>
#include <vector>

namespace vado::dry_hydrant {

struct Inputs {
    double q = 0;  // water needed, gpm
    double c = 0;  // Hazen-Williams coefficient
    double pump = 0, hydrant = 0, water = 0, inlet = 0;  // elevations, ft
    double length = 0;  // intake pipe, ft
    int type = 0;       // design type index: 0 "1", 1 "2", 2 "3"
};

enum class Problem { None, InsufficientData, Unreasonable, InletTooHigh, BeyondCapability };

struct Result {
    Problem problem = Problem::None;
    double head = 0;     // total suction head of the size tried last, ft
    short size = 0;      // intake pipe and strainer, in.
    double standpipe = 0;  // length of 6 in. standpipe, ft
};

// The smallest intake (6, 8, 10, 12 in.) whose total suction head, the lift from the inlet to
// the pump plus the Hazen-Williams losses f(d) = 0.2083 (100/C)^1.85 Q^1.85 / d^4.87 / 100 ft a
// foot in the intake and in the standpipe with its fittings (K equivalent feet of 6 in. pipe)
// plus the strainer's loss, stays within 20 ft.
Result Compute(const Inputs& in);
std::string Message(Problem p);

// The bill of materials of a design.
std::vector<std::string> Materials(int type, short size, double standpipe, double length);

}  // namespace vado::dry_hydrant
