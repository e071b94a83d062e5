#pragma once

#include <string>

#include "calc/drainage/drain_material.h"

namespace vado::subsurface {

enum class RowProblem { None, NoId, NoGrade, GradeOutOfRange, NoAcres, AcresOutOfRange };

struct RowCheck {
    RowProblem problem = RowProblem::None;
    int column = 0;  // the cell the person is sent back to
};

// A main's row: its ID, then its grade (0.0001 to 0.1 ft/ft), then its acres (0.1 to 999.0),
// the first failure wins. A text that is no number is out of range.
RowCheck CheckRow(const std::string& id, const std::string& grade, const std::string& acres);
std::string Message(RowProblem p);

struct Main {
    enum class Outcome { Sized, TooBig, NotCarried } outcome = Outcome::NotCarried;
    double qNeed = 0;      // cfs
    double qAvail = 0;     // full-flow capacity of the size chosen, cfs
    double acresAvail = 0; // acres that size could serve
    short size = 0;        // in.
    double n = 0;
    double velocity = 0;   // at full-flow capacity, ft/s
};

// The smallest standard size of the material that carries strictly more than the need
// A DC 0.04200001; sizes the material has no row for are skipped, and a size past its last row
// means the main is too big for the material (TooBig). Past 30 in. nothing is chosen.
Main SizeMain(const DrainMaterialTable& table, const StandardDiameterTable& sizes,
              const std::string& material, double coefficient, double grade, double acres);

}  // namespace vado::subsurface
