// The diagnostics: an input line echoed into the run log with its faulty
// spot in large red letters, then the message.
//
// The echo reads the line again from its start with the scanner's own
// character reader, so `column` and `at_eof` follow the re-reading.  It
// leaves the input just after the line's end (or at the end of the file).
#include "log/diagnostics.h"

namespace qp {

namespace {

constexpr std::string_view kBlack = "<font color='black'>";
constexpr std::string_view kLarge = "<font color='red' size='5'>";

// Re-reads the line from its start; remembers whether the line has ended.
class LineEcho {
public:
    LineEcho(RunContext& run, Scanner& sc) : log_(run.log), sc_(sc) {
        sc_.pos = sc_.line_start;
        sc_.column = 0;
        sc_.at_eof = 0;
    }

    // Copies up to `count` characters.  The end of the file is never
    // written; a line end is written like any other character (a field may
    // have been ended by it, or a continuation line may follow it) and marks
    // the line as over when it is the last character copied.
    void copy(int count) {
        for (int i = 0; i < count && !sc_.at_eof; ++i) {
            int c = sc_.next_char();
            if (c == kEof) return;
            log_ << static_cast<char>(c);
            ended_ = c == '\n';
        }
    }

    // Copies the rest of the line, its line end left out.  Nothing is read
    // when the line end has already been copied, so the next line stays
    // for the caller.
    void rest() {
        if (ended_) return;
        while (!sc_.at_eof) {
            int c = sc_.next_char();
            if (c == '\n' || c == kEof) break;
            log_ << static_cast<char>(c);
        }
        ended_ = true;
    }

private:
    RunLog& log_;
    Scanner& sc_;
    bool ended_ = false;
};

void write_label(RunContext& run, const Scanner& sc) {
    run.log << kRed << run.cat(Msg::Line) << ' ' << sc.line_number << ':' << kEnd << ' ';
}

void write_black_prefix(LineEcho& echo, RunLog& log, int p) {
    if (p <= 0) return;
    log << kBlack;
    echo.copy(p);
    log << kEnd;
}

void write_message_line(RunContext& run, Msg message) {
    run.log << kRed << run.cat(message) << kEnd << "<br>\n";
}

// Messages whose highlight covers the whole field as far as it was read.
bool marks_whole_field(Msg m) {
    return m == Msg::OutputNameMustBeCoded || m == Msg::OutputNameCanNotBeCoded ||
           m == Msg::WrongColor || m == Msg::WrongNameLength || m == Msg::TooManyArguments;
}

}  // namespace

void report_expected(RunContext& run, Scanner& sc, std::string_view expected) {
    write_label(run, sc);
    int p = sc.column - 1;
    LineEcho echo(run, sc);
    write_black_prefix(echo, run.log, p);
    run.log << kLarge;
    echo.copy(1);
    run.log << kEnd << kBlack;
    echo.rest();
    run.log << "</font><br>\n";
    run.log << kRed << run.cat(Msg::ItIsExpected) << ' ' << expected << kEnd << "<br>\n";
    run.file_error = 1;
}

void report_field(RunContext& run, Scanner& sc, Msg message) {
    write_label(run, sc);
    int p = sc.field_column - 1;
    int e = sc.column;
    LineEcho echo(run, sc);
    write_black_prefix(echo, run.log, p);
    if (marks_whole_field(message)) {
        if (e > 0) {
            run.log << kLarge;
            echo.copy(e - p);
            run.log << kEnd;
        }
    } else if (message == Msg::WrongSymbol) {
        if (e > 0) {
            run.log << kBlack;
            echo.copy(e - 1 - p);
            run.log << kEnd << kLarge;
            echo.copy(1);
            run.log << kEnd;
        }
    } else {
        run.log << kLarge;
        echo.copy(1);
        run.log << kEnd;
    }
    run.log << kBlack;
    echo.rest();
    run.log << "</font><br>\n";
    write_message_line(run, message);
    run.file_error = 1;
}

void report_rest_of_line(RunContext& run, Scanner& sc, Msg message) {
    write_label(run, sc);
    int p = sc.field_column - 1;
    LineEcho echo(run, sc);
    write_black_prefix(echo, run.log, p);
    run.log << kLarge;
    echo.rest();
    run.log << "</font><br>\n";
    write_message_line(run, message);
    run.file_error = 1;
}

void report_message(RunContext& run, Msg message) {
    write_message_line(run, message);
    run.file_error = 1;
}

}  // namespace qp
