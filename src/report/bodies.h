#pragma once

// The report body of each calculator, one group to a file.
#include "report/destination.h"
#include "report/page_reader.h"

#include <functional>
#include <vector>

namespace vado::report {

// A table printed row by row: column 0 as a six-column line at the margin (it makes the page
// check), every other column c at x[c] on the same line, then a gap. Rows `leaveOut` names are
// not printed.
void PrintGridRows(Destination& d, const ui::Grid& g, const std::vector<double>& x,
                   const std::function<bool(int row)>& leaveOut = {});

void WeirBody(Destination& d, const PageReader& p);
void OrificeBody(Destination& d, const PageReader& p);
void CircularBody(Destination& d, const PageReader& p);
void ParabolicBody(Destination& d, const PageReader& p);
void TrapezoidalBody(Destination& d, const PageReader& p);
void PipeFlowBody(Destination& d, const PageReader& p);
void CulvertBody(Destination& d, const PageReader& p);
void PipeDropBody(Destination& d, const PageReader& p);
void HoodedInletBody(Destination& d, const PageReader& p);
void StraightDropBody(Destination& d, const PageReader& p);
void BoxInletBody(Destination& d, const PageReader& p);
// The drainage pages.
void SurfaceInletBody(Destination& d, const PageReader& p);
void SubsurfaceBody(Destination& d, const PageReader& p);
void PlungePoolBody(Destination& d, const PageReader& p);
void PumpDrainageBody(Destination& d, const PageReader& p, const PumpValues& pump);
// The riser pages with their result windows' tables.
void WaterControlBody(Destination& d, const PageReader& p, const PageReader& table);
void RectRiserBody(Destination& d, const PageReader& p, const PageReader& charts);
void RectRiserFullChart(Destination& d, const PageReader& charts);
// The rating graph of a result window, in the room left below the header.
void RatingGraphBody(Destination& d, const ui::Form* window);

}  // namespace vado::report
