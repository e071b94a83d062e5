#pragma once

#include <functional>

#include "report/destination.h"
#include "ui/form.h"

namespace vado::report {

// The catalogue page of a catalogue number, or null.
using PageLookup = std::function<const ui::Form*(short catalogueNumber)>;

// A result window that draws its own rating graph on a report: the report layer knows the
// window only through this.
class GraphSource {
  public:
    virtual ~GraphSource() = default;
    virtual void DrawTheGraph(ui::Surface& target, long left, long top, long width, long height,
                              bool printing) const = 0;
};

// A rating window that gathers several series on screen; a report prints only the last, the
// rows from this one down.
class SeriesSource {
  public:
    virtual ~SeriesSource() = default;
    virtual int LastSeriesFirstRow() const = 0;
};

// A page that prints its report body itself (the dry hydrant's drawn-results page).
class SelfPrintingBody {
  public:
    virtual ~SelfPrintingBody() = default;
    virtual void PrintResults(Destination& d) const = 0;
};

// What the pump drainage page keeps from its last computation for its report.
class PumpValues {
  public:
    virtual ~PumpValues() = default;
    virtual double PumpCap() const = 0;     // gpm
    virtual double ElevOutlet() const = 0;  // ft
    virtual double ElevStop() const = 0;    // ft, typed or computed
};

// The result window a report code prints from (its table, or its graph through GraphSource), or
// null when it is not loaded.
using WindowLookup = std::function<const ui::Form*(short reportCode)>;

// The catalogue entry whose title heads a report: result windows add 100, 200 or 300 to the
// number of the page they belong to.
short TitleNumber(short reportCode);

// Prints the body of a report after its header. A code without a body prints nothing. The
// bodies read the pages' fields and results as they stand, by control name; a page that lacks
// a control its body names is a program error, thrown as ui::PrintError.
void PrintReportBody(short reportCode, Destination& d, const PageLookup& page,
                     const WindowLookup& window = {});

}  // namespace vado::report
