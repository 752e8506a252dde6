// The diagnostics' line echo, written out by hand from the report layouts.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

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
    std::string text;
    Scanner sc;
    // Reads n characters of the first line, as a reader would have.
    Fixture(std::string t, int n) : text(std::move(t)), sc(text) {
        sc.start_line();
        for (int i = 0; i < n; ++i) sc.next_char();
    }
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
        std::size_t pos;   // where the input stands afterwards
        int at_eof;
    } cases[] = {
        {"middle field", "AREA;10;x0;\nPLOT;\n", 9, 0, 'E', {},
         black("AREA;10;") + large("x") + rest("0;"), expected, 12, 0},
        {"first character", "#abc\nX;\n", 1, 0, 'E', {}, large("#") + rest("abc"),
         "It is expected A B P D L T X Y", 5, 0},
        {"rest runs to the end of the file", "AREA;q1;2", 6, 0, 'E', {},
         black("AREA;") + large("q") + rest("1;2"), expected, 9, 1},
        {"continuation line", "X;a;\\\nb;c!\nY\n", 10, 0, 'E', {},
         black("X;a;\\\nb;c") + large("!") + rest(""), expected, 11, 0},
        {"field: first character", "X;zz;1\n", 4, 3, 'F', Msg::DoesNotBetween0And180,
         black("X;") + large("z") + rest("z;1"), "does not between 0 and 180", 7, 0},
        {"wrong symbol: last character", "X;1;abc\n", 7, 5, 'F', Msg::WrongSymbol,
         black("X;1;") + black("ab") + large("c") + rest(""), "Wrong symbol", 8, 0},
        // A check at the end of the record: the line end is the field's last
        // character and the next line stays unread.
        {"field ended by the line end", "AREA;1\nPLOT;\n", 7, 6, 'F', Msg::OutputNameMustBeCoded,
         black("AREA;") + large("1\n") + rest(""), "Name of output file must be coded", 7, 0},
        // Whole-field messages mark through the field's ending character.
        {"whole field", "TITLE;18;Arial;blackish;B\n", 24, 16, 'F', Msg::WrongNameLength,
         black("TITLE;18;Arial;") + large("blackish;") + rest("B"), "Wrong name length", 26, 0},
        {"rest of line", "LEGEND;;pinkish\nX\n", 15, 9, 'R', Msg::WrongColor,
         black("LEGEND;;") + "<font color='red' size='5'>pinkish", "Wrong color", 16, 0},
        {"rest of line from the start to the end of the file", "pinkish", 8, 1, 'R', Msg::WrongColor,
         "<font color='red' size='5'>pinkish", "Wrong color", 7, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f(c.text, c.read);
        f.sc.field_column = c.field_column;
        if (c.op == 'E') report_expected(f.run, f.sc, c.message.substr(15));
        if (c.op == 'F') report_field(f.run, f.sc, c.msg);
        if (c.op == 'R') report_rest_of_line(f.run, f.sc, c.msg);
        EXPECT_EQ(f.log(), "<font color='red'>Line 1:</font> " + c.echo + "</font><br>\n" +
                               "<font color='red'>" + c.message + "</font><br>\n");
        EXPECT_EQ(f.run.file_error, 1);
        EXPECT_EQ(std::pair(f.sc.pos, f.sc.at_eof), std::pair(c.pos, c.at_eof));
        // The column counts what was read from the line start, the end of the file included.
        EXPECT_EQ(f.sc.column, static_cast<int>(c.pos) + c.at_eof);
    }
}

}  // namespace
}  // namespace qp
