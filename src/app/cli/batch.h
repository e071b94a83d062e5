#pragma once

#include <ostream>

#include "app/cli/arguments.h"
#include "app/cli/cli.h"

namespace vado::cli {

// --batch FORM CASES [--out RESULTS]: CASES is CSV whose header names controls of the page (as
// steps name them: txt1Len, opt1Selector, cboDC, grdData(2,1)) and whose rows are cases. Each
// case runs on a fresh program as its steps would: the page shown, every non-empty cell typed
// or chosen in header order, then Compute. One CSV row per case goes out: the case's inputs,
// every result control of the page, lastComputeFailed and the messages shown. A malformed case
// (a broken CSV record, a wrong count of fields, a value its control does not take) is reported
// on `err` with its line and written as a failed row; the run goes on. Returns 0 when every case
// ran, 1 when one was malformed or a file could not be read or written; throws UsageError for a
// form without a Compute or a header naming what the page does not have.
int RunBatch(const Arguments& args, std::ostream& out, std::ostream& err,
             const CliEnvironment& env);

}  // namespace vado::cli
