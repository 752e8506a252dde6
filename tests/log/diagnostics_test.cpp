// The diagnostics' line echo, written out by hand from the report layouts.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>

#include "log/diagnostics.h"
#include "support/memory_file_system.h"

namespace qp {
namespace {

std::string black(const std::string& s) { return "<font color='black'>" + s + "</font>"; }
std::string large(const std::string& s) { return "<font color='red' size='5'>" + s + "</font>"; }
// The rest of the line, whose font the frame's closing tag ends.
std::string rest(const std::string& s) { return "<font color='black'>" + s; }

struct Fixture {
    MemoryFileSystem fs;
    std::ostringstream console;
    std::istringstream keyboard;
    RunContext run{fs, console, keyboard};
    const std::string& log() const { return run.log.pending(); }
};

TEST(Diagnostics, EchoTheLineWithTheFaultySpot) {
    const std::string expected = "It is expected 0123456789";
    const struct {
        const char* what;
        std::string text;
        int read, field_column;
        char op;   // report_Expected, report_Field or report_Rest_of_line
        Msg msg;
        std::string echo, message;
        std::size_t consumed;   // what the echo read
        bool at_eof;
    } cases[] = {
        {"middle field", "AREA;10;x0;\nPLOT;\n", 9, 0, 'E', {},
         black("AREA;10;") + large("x") + rest("0;"), expected, 12, false},
        {"first character", "#abc\nX;\n", 1, 0, 'E', {}, large("#") + rest("abc"),
         "It is expected A B P D L T X Y", 5, false},
        {"rest runs to the end of the file", "AREA;q1;2", 6, 0, 'E', {},
         black("AREA;") + large("q") + rest("1;2"), expected, 9, true},
        {"continuation line", "X;a;\\\nb;c!\nY\n", 10, 0, 'E', {},
         black("X;a;\\\nb;c") + large("!") + rest(""), expected, 11, false},
        {"field: first character", "X;zz;1\n", 4, 3, 'F', Msg::DoesNotBetween0And180,
         black("X;") + large("z") + rest("z;1"), "does not between 0 and 180", 7, false},
        {"wrong symbol: last character", "X;1;abc\n", 7, 5, 'F', Msg::WrongSymbol,
         black("X;1;") + black("ab") + large("c") + rest(""), "Wrong symbol", 8, false},
        // A check at the end of the record: the line end is the field's last
        // character and the next line stays unread.
        {"field ended by the line end", "AREA;1\nPLOT;\n", 7, 6, 'F', Msg::OutputNameMustBeCoded,
         black("AREA;") + large("1\n") + rest(""), "Name of output file must be coded", 7, false},
        // Whole-field messages mark through the field's ending character.
        {"whole field", "TITLE;18;Arial;blackish;B\n", 24, 16, 'F', Msg::WrongNameLength,
         black("TITLE;18;Arial;") + large("blackish;") + rest("B"), "Wrong name length", 26, false},
        {"rest of line", "LEGEND;;pinkish\nX\n", 15, 9, 'R', Msg::WrongColor,
         black("LEGEND;;") + "<font color='red' size='5'>pinkish", "Wrong color", 16, false},
        {"rest of line from the start to the end of the file", "pinkish", 8, 1, 'R', Msg::WrongColor,
         "<font color='red' size='5'>pinkish", "Wrong color", 7, true},
        // Markup in the line is shown as text: each of < > & " ' becomes its
        // character reference, and the same characters are marked.
        {"markup in the rest", "Z<img src=x onerror=alert(1)>\n", 1, 0, 'E', {},
         large("Z") + rest("&lt;img src=x onerror=alert(1)&gt;"),
         "It is expected A B P D L T X Y", 30, false},
        {"markup marked", "X;1;a&'>\"b\n", 7, 5, 'F', Msg::WrongSymbol,
         black("X;1;") + black("a&amp;") + large("&#39;") + rest("&gt;&quot;b"), "Wrong symbol",
         11, false},
        {"markup in the black prefix", "<b>;<\n", 5, 5, 'R', Msg::WrongColor,
         black("&lt;b&gt;;") + "<font color='red' size='5'>&lt;", "Wrong color", 6, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        // The first line, c.read characters of it read.
        const SourceSpot spot{c.text, 1, c.read, c.field_column};
        EchoEnd end;
        if (c.op == 'E') end = report_expected(f.run, spot, c.message.substr(15));
        if (c.op == 'F') end = report_field(f.run, spot, c.msg);
        if (c.op == 'R') end = report_rest_of_line(f.run, spot, c.msg);
        EXPECT_EQ(f.log(), "<font color='red'>Line 1:</font> " + c.echo + "</font><br>\n" +
                               "<font color='red'>" + c.message + "</font><br>\n");
        EXPECT_EQ(f.run.file_error, 1);
        EXPECT_EQ(std::pair(end.consumed, end.at_eof), std::pair(c.consumed, c.at_eof));
        // The column counts what was read from the line start, the end of the input included.
        EXPECT_EQ(end.column, static_cast<int>(c.consumed) + (c.at_eof ? 1 : 0));
    }
}

// Reports without an echo: the message line alone, the file marked as faulty.
TEST(Diagnostics, MessagesWithoutAnEcho) {
    Fixture f;
    report_expected_at_line_end(f.run, SourceSpot{"Y\n", 1, 2, 1}, "1 2");
    EXPECT_EQ(std::exchange(f.run.file_error, 0), 1);
    report_message(f.run, Msg::DataMiss);
    EXPECT_EQ(f.run.file_error, 1);
    EXPECT_EQ(f.log(), "<font color='red'>It is expected 1 2</font><br>\n"
                       "<font color='red'>Data miss</font><br>\n");
}

// Standard error gets each report once more as one line: the file, the
// line, the column (from 1) of the first marked character and the built-in
// text; a report without a place names the file alone.
TEST(Diagnostics, OneLineEachOnStandardError) {
    Fixture f;
    std::ostringstream errors;
    f.run.errors = &errors;
    f.run.input_path = "in/t.csv";
    f.run.catalog.at_number(static_cast<int>(Msg::WrongColor)) = "Falsche Farbe";
    (void)report_expected(f.run, SourceSpot{"AREA;10;x0;\n", 1, 9, 6}, "0123456789");
    (void)report_field(f.run, SourceSpot{"X;zz;1\n", 2, 4, 3}, Msg::DoesNotBetween0And180);
    (void)report_field(f.run, SourceSpot{"X;1;abc\n", 3, 7, 5}, Msg::WrongSymbol);
    (void)report_field(f.run, SourceSpot{"T;18;Arial;blackish;B\n", 4, 20, 12},
                       Msg::WrongNameLength);
    (void)report_rest_of_line(f.run, SourceSpot{"LEGEND;;pinkish\n", 5, 15, 9}, Msg::WrongColor);
    report_expected_at_line_end(f.run, SourceSpot{"Y\n", 6, 2, 1}, "1 2");
    report_message(f.run, Msg::DataMiss);
    EXPECT_EQ(errors.str(),
              "in/t.csv:1:9: It is expected 0123456789\n"
              "in/t.csv:2:3: does not between 0 and 180\n"
              "in/t.csv:3:7: Wrong symbol\n"
              "in/t.csv:4:12: Wrong name length\n"
              "in/t.csv:5:9: Wrong color\n"
              "in/t.csv:6:2: It is expected 1 2\n"
              "in/t.csv: Data miss\n");
}

}  // namespace
}  // namespace qp
