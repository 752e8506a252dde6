// The one place that reports an error in an input line: the run log gets
// the line's number, the line itself with the faulty spot in large red
// letters, and the message.  Each report sets the file's error flag.
//
// A report works on a snapshot of the line and reads it again from its
// start for the echo; it returns where that reading stopped, which is where
// a reader that gives up the record goes on.
#pragma once

#include <string_view>

#include "log/catalog.h"
#include "log/run_context.h"
#include "log/source_spot.h"

namespace qp {

// Error at the last character read; `expected` names what was expected.
[[nodiscard]] EchoEnd report_expected(RunContext& run, const SourceSpot& spot,
                                      std::string_view expected);
// Error in the field that began at spot.field_column.
[[nodiscard]] EchoEnd report_field(RunContext& run, const SourceSpot& spot, Msg message);
// Error from the field's start to the end of the line.
[[nodiscard]] EchoEnd report_rest_of_line(RunContext& run, const SourceSpot& spot, Msg message);
// What was expected where the line ended: the message alone, without an
// echo, since nothing of the line is left to mark.
void report_expected_at_line_end(RunContext& run, const SourceSpot& spot,
                                 std::string_view expected);
// A message line without a line echo.
void report_message(RunContext& run, Msg message);

// A file whose reading stopped before its end (a read failed, or a line
// was longer than the longest line a file may hold): in the run log and
// on the console, "File PATH: could not be read to its end", and on
// standard error; sets the file's error flag.
void report_cut_short(RunContext& run, std::string_view path);

// Standard error's one-line forms of an error: "FILE:LINE:COLUMN: MESSAGE"
// for a spot in the file being read (the column of the marked character,
// counted from 1), and "FILE: MESSAGE" for a file as a whole.  The message
// is the built-in English text.  Nothing is written without standard error.
void tell_terminal(RunContext& run, int line, int column, std::string_view message,
                   std::string_view detail = {});
void tell_terminal_about_file(RunContext& run, std::string_view file, std::string_view message);

}  // namespace qp
