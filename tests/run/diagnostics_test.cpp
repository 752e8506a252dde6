// The diagnostics' line echo, written out by hand from the report layouts.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "diagnostics.h"

namespace qp {
namespace {

const std::string kLabel1 = "<font color='red'>Line 1:</font> ";
const std::string kBlackTag = "<font color='black'>";
const std::string kLargeTag = "<font color='red' size='5'>";

struct Fixture {
    MemoryFileSystem fs;
    std::ostringstream console;
    std::istringstream keyboard;
    RunContext run{fs, console, keyboard};
    std::string text;
    Scanner sc;

    explicit Fixture(std::string t) : text(std::move(t)), sc(text) { sc.start_line(); }
    // Reads n characters of the current line, as a reader would have.
    void read(int n) {
        for (int i = 0; i < n; ++i) sc.next_char();
    }
    const std::string& log() const { return run.log.pending(); }
};

TEST(DiagnosticsExpected, MiddleFieldEchoesPrefixSpotAndRest) {
    Fixture f("AREA;10;x0;\nPLOT;\n");
    f.read(9);  // up to and including the x
    report_expected(f.run, f.sc, "0123456789");
    EXPECT_EQ(f.log(), kLabel1 + kBlackTag + "AREA;10;</font>" + kLargeTag + "x</font>" +
                           kBlackTag + "0;</font><br>\n" +
                           "<font color='red'>It is expected 0123456789</font><br>\n");
    EXPECT_EQ(f.run.file_error, 1);
    // The input stands at the next line; the line end was counted.
    EXPECT_EQ(f.sc.pos, 12u);
    EXPECT_EQ(f.sc.column, 12);
    EXPECT_EQ(f.sc.at_eof, 0);
}

TEST(DiagnosticsExpected, FirstCharacterHasNoBlackPrefix) {
    Fixture f("#abc\nX;\n");
    f.read(1);
    report_expected(f.run, f.sc, "A B P D L T X Y");
    EXPECT_EQ(f.log(), kLabel1 + kLargeTag + "#</font>" + kBlackTag + "abc</font><br>\n" +
                           "<font color='red'>It is expected A B P D L T X Y</font><br>\n");
    EXPECT_EQ(f.sc.pos, 5u);
}

TEST(DiagnosticsExpected, LineEndingAtEndOfFile) {
    // The spot is the last character and no line end follows.
    Fixture f("AREA;1;q");
    f.read(8);
    report_expected(f.run, f.sc, "0123456789");
    EXPECT_EQ(f.log(), kLabel1 + kBlackTag + "AREA;1;</font>" + kLargeTag + "q</font>" +
                           kBlackTag + "</font><br>\n" +
                           "<font color='red'>It is expected 0123456789</font><br>\n");
    EXPECT_EQ(f.sc.at_eof, 1);

    // The rest of the line runs to the end of the file.
    Fixture g("AREA;q1;2");
    g.read(6);
    g.sc.at_eof = 1;  // reset by the echo, set again when it reaches the end
    report_expected(g.run, g.sc, "0123456789");
    EXPECT_EQ(g.log(), kLabel1 + kBlackTag + "AREA;</font>" + kLargeTag + "q</font>" +
                           kBlackTag + "1;2</font><br>\n" +
                           "<font color='red'>It is expected 0123456789</font><br>\n");
    EXPECT_EQ(g.sc.at_eof, 1);
    EXPECT_EQ(g.sc.column, 10);  // nine characters and the end of the file
}

TEST(DiagnosticsExpected, LineNumberAndCatalogTextsAreUsed) {
    Fixture f("one\ntwo\n");
    f.read(4);
    f.sc.start_line();
    f.read(2);
    f.run.catalog.at_index(static_cast<int>(Msg::Line)) = "Zeile";
    f.run.catalog.at_index(static_cast<int>(Msg::ItIsExpected)) = "Erwartet";
    report_expected(f.run, f.sc, "1 2");
    EXPECT_EQ(f.log(), "<font color='red'>Zeile 2:</font> " + kBlackTag + "t</font>" + kLargeTag +
                           "w</font>" + kBlackTag + "o</font><br>\n" +
                           "<font color='red'>Erwartet 1 2</font><br>\n");
    EXPECT_EQ(f.sc.pos, 8u);
}

TEST(DiagnosticsField, OrdinaryMessageMarksFirstCharacterOfField) {
    Fixture f("X;zz;1\n");
    f.read(4);
    f.sc.field_column = 3;
    report_field(f.run, f.sc, Msg::DoesNotBetween0And180);
    EXPECT_EQ(f.log(), kLabel1 + kBlackTag + "X;</font>" + kLargeTag + "z</font>" + kBlackTag +
                           "z;1</font><br>\n" +
                           "<font color='red'>does not between 0 and 180</font><br>\n");
    EXPECT_EQ(f.run.file_error, 1);
    EXPECT_EQ(f.sc.pos, 7u);
}

TEST(DiagnosticsField, WholeFieldMessagesMarkThroughTheEndingCharacter) {
    // b is column 16; the ";" after blackish is column 24.
    for (Msg m : {Msg::WrongColor, Msg::WrongNameLength, Msg::OutputNameMustBeCoded,
                  Msg::OutputNameCanNotBeCoded, Msg::TooManyArguments}) {
        Fixture f("TITLE;18;Arial;blackish;B\n");
        f.read(24);
        f.sc.field_column = 16;
        report_field(f.run, f.sc, m);
        EXPECT_EQ(f.log(), kLabel1 + kBlackTag + "TITLE;18;Arial;</font>" + kLargeTag +
                               "blackish;</font>" + kBlackTag + "B</font><br>\n" +
                               "<font color='red'>" + std::string(builtin_text(m)) +
                               "</font><br>\n");
    }
}

TEST(DiagnosticsField, WrongSymbolMarksOnlyTheLastCharacterRed) {
    Fixture f("X;1;abc\n");
    f.read(7);
    f.sc.field_column = 5;
    report_field(f.run, f.sc, Msg::WrongSymbol);
    EXPECT_EQ(f.log(), kLabel1 + kBlackTag + "X;1;</font>" + kBlackTag + "ab</font>" + kLargeTag +
                           "c</font>" + kBlackTag + "</font><br>\n" +
                           "<font color='red'>Wrong symbol</font><br>\n");
}

TEST(DiagnosticsField, FieldEndedByLineEndLeavesTheNextLineUnread) {
    // A check made at the end of the record: the field's last character is
    // the line end, which is echoed; the next line is not consumed.
    Fixture f("AREA;1\nPLOT;\n");
    f.read(7);
    f.sc.field_column = 6;
    report_field(f.run, f.sc, Msg::OutputNameMustBeCoded);
    EXPECT_EQ(f.log(), kLabel1 + kBlackTag + "AREA;</font>" + kLargeTag + "1\n</font>" +
                           kBlackTag + "</font><br>\n" +
                           "<font color='red'>Name of output file must be coded</font><br>\n");
    EXPECT_EQ(f.sc.pos, 7u);
    EXPECT_EQ(f.sc.at_eof, 0);

    // Same at the end of the file: nothing is written for it.
    Fixture g("AREA;1");
    g.read(7);
    g.sc.field_column = 6;
    report_field(g.run, g.sc, Msg::OutputNameMustBeCoded);
    EXPECT_EQ(g.log(), kLabel1 + kBlackTag + "AREA;</font>" + kLargeTag + "1</font>" + kBlackTag +
                           "</font><br>\n" +
                           "<font color='red'>Name of output file must be coded</font><br>\n");
    EXPECT_EQ(g.sc.at_eof, 1);
}

TEST(DiagnosticsField, SpotOnAContinuationLine) {
    // A reader that continues a list on the next line keeps line_start and
    // counts columns on: the prefix then holds the first line's end.
    Fixture f("X;a;\\\nb;c!\nY\n");
    f.read(10);  // through the "!"
    report_expected(f.run, f.sc, "0123456789");
    EXPECT_EQ(f.log(), kLabel1 + kBlackTag + "X;a;\\\nb;c</font>" + kLargeTag + "!</font>" +
                           kBlackTag + "</font><br>\n" +
                           "<font color='red'>It is expected 0123456789</font><br>\n");
    EXPECT_EQ(f.sc.pos, 11u);
}

TEST(DiagnosticsRestOfLine, MarksFromFieldToLineEnd) {
    Fixture f("LEGEND;;pinkish\nX\n");
    f.read(15);
    f.sc.field_column = 9;
    report_rest_of_line(f.run, f.sc, Msg::WrongColor);
    EXPECT_EQ(f.log(), kLabel1 + kBlackTag + "LEGEND;;</font>" + kLargeTag +
                           "pinkish</font><br>\n" + "<font color='red'>Wrong color</font><br>\n");
    EXPECT_EQ(f.sc.pos, 16u);

    Fixture g("pinkish");
    g.read(8);
    g.sc.field_column = 1;
    report_rest_of_line(g.run, g.sc, Msg::WrongColor);
    EXPECT_EQ(g.log(), kLabel1 + kLargeTag + "pinkish</font><br>\n" +
                           "<font color='red'>Wrong color</font><br>\n");
    EXPECT_EQ(g.sc.at_eof, 1);
}

TEST(DiagnosticsMessage, WritesOnlyTheMessageLine) {
    Fixture f("D1;L;\n");
    f.read(3);
    report_message(f.run, Msg::DataMiss);
    EXPECT_EQ(f.log(), "<font color='red'>Data miss</font><br>\n");
    EXPECT_EQ(f.sc.pos, 3u);
    EXPECT_EQ(f.run.file_error, 1);
}

}  // namespace
}  // namespace qp
