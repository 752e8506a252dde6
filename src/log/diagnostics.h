// The one place that reports an error in an input line: the run log gets
// the line's number, the line itself with the faulty spot in large red
// letters, and the message.  Each report sets the file's error flag.
#pragma once

#include <string_view>

#include "log/catalog.h"
#include "log/run_context.h"
#include "read/scanner.h"

namespace qp {

// Error at the last character read; `expected` names what was expected.
void report_expected(RunContext& run, Scanner& sc, std::string_view expected);
// Error in the field that began at sc.field_column.
void report_field(RunContext& run, Scanner& sc, Msg message);
// Error from the field's start to the end of the line.
void report_rest_of_line(RunContext& run, Scanner& sc, Msg message);
// A message line without a line echo.
void report_message(RunContext& run, Msg message);

}  // namespace qp
