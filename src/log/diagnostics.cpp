// The diagnostics: an input line echoed into the run log with its faulty
// spot in large red letters, then the message.
//
// The echo reads the line again from its start, counting as the scanner
// counts (each read adds one to the column, the end of the input too), and
// reports where it stopped: just after the line's end, or at the end of
// the input.
#include "log/diagnostics.h"

#include <ostream>

#include "log/html_text.h"
#include "log/texts.h"

namespace qp {

namespace {

constexpr std::string_view kBlack = "<font color='black'>";
constexpr std::string_view kLarge = "<font color='red' size='5'>";
constexpr int kEndOfInput = -1;

// Re-reads the line from its start; remembers whether the line has ended.
class LineEcho {
public:
    LineEcho(RunLog& log, std::string_view from_line_start) : log_(log), text_(from_line_start) {}

    // Copies up to `count` characters.  The end of the input is never
    // written; a line end is written like any other character (a field may
    // have been ended by it, or a continuation line may follow it) and marks
    // the line as over when it is the last character copied.
    void copy(int count) {
        for (int i = 0; i < count && !end_.at_eof; ++i) {
            int c = next_char();
            if (c == kEndOfInput) return;
            put(c);
            ended_ = c == '\n';
        }
    }

    // Copies the rest of the line, its line end left out.  Nothing is read
    // when the line end has already been copied, so the next line stays
    // for the caller.
    void rest() {
        if (ended_) return;
        while (!end_.at_eof) {
            int c = next_char();
            if (c == '\n' || c == kEndOfInput) break;
            put(c);
        }
        ended_ = true;
    }

    const EchoEnd& end() const { return end_; }

private:
    // The character as text: markup in the line is shown, not obeyed.
    void put(int c) {
        const char ch = static_cast<char>(c);
        log_ << html_char(ch);
    }

    int next_char() {
        ++end_.column;
        if (end_.consumed >= text_.size()) {
            end_.at_eof = true;
            return kEndOfInput;
        }
        return static_cast<unsigned char>(text_[end_.consumed++]);
    }

    RunLog& log_;
    std::string_view text_;
    EchoEnd end_;
    bool ended_ = false;
};

void write_label(RunContext& run, const SourceSpot& spot) {
    run.log << kRed << run.cat(Msg::Line) << ' ' << spot.line_number << ':' << kEnd << ' ';
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

void write_expected_line(RunContext& run, std::string_view expected) {
    run.log << kRed << run.cat(Msg::ItIsExpected) << ' ' << expected << kEnd << "<br>\n";
    run.file_error = 1;
}

// The column of the character a field report marks first: the field's
// start, or for a wrong symbol the character read last.
int marked_column(const SourceSpot& spot, Msg message) {
    return message == Msg::WrongSymbol && spot.column > 0 ? spot.column : spot.field_column;
}

// Messages whose highlight covers the whole field as far as it was read.
bool marks_whole_field(Msg m) {
    return m == Msg::OutputNameMustBeCoded || m == Msg::OutputNameCanNotBeCoded ||
           m == Msg::WrongColor || m == Msg::WrongNameLength || m == Msg::TooManyArguments;
}

}  // namespace

EchoEnd report_expected(RunContext& run, const SourceSpot& spot, std::string_view expected) {
    write_label(run, spot);
    int p = spot.column - 1;
    LineEcho echo(run.log, spot.from_line_start);
    write_black_prefix(echo, run.log, p);
    run.log << kLarge;
    echo.copy(1);
    run.log << kEnd << kBlack;
    echo.rest();
    run.log << "</font><br>\n";
    write_expected_line(run, expected);
    tell_terminal(run, spot.line_number, spot.column, builtin_text(Msg::ItIsExpected), expected);
    return echo.end();
}

EchoEnd report_field(RunContext& run, const SourceSpot& spot, Msg message) {
    write_label(run, spot);
    int p = spot.field_column - 1;
    int e = spot.column;
    LineEcho echo(run.log, spot.from_line_start);
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
    tell_terminal(run, spot.line_number, marked_column(spot, message), builtin_text(message));
    return echo.end();
}

EchoEnd report_rest_of_line(RunContext& run, const SourceSpot& spot, Msg message) {
    write_label(run, spot);
    int p = spot.field_column - 1;
    LineEcho echo(run.log, spot.from_line_start);
    write_black_prefix(echo, run.log, p);
    run.log << kLarge;
    echo.rest();
    run.log << "</font><br>\n";
    write_message_line(run, message);
    run.file_error = 1;
    tell_terminal(run, spot.line_number, spot.field_column, builtin_text(message));
    return echo.end();
}

void report_expected_at_line_end(RunContext& run, const SourceSpot& spot,
                                 std::string_view expected) {
    write_expected_line(run, expected);
    tell_terminal(run, spot.line_number, spot.column, builtin_text(Msg::ItIsExpected), expected);
}

void report_message(RunContext& run, Msg message) {
    write_message_line(run, message);
    run.file_error = 1;
    tell_terminal_about_file(run, run.input_path, builtin_text(message));
}

void report_cut_short(RunContext& run, std::string_view path) {
    run.console << builtin_text(Msg::File) << ' ' << path << ": " << kNotReadToItsEnd << '\n';
    run.log << kRed << run.cat(Msg::File) << ' ' << as_text(path) << ": " << kNotReadToItsEnd << kEnd
            << "<br>\n";
    tell_terminal_about_file(run, path, kNotReadToItsEnd);
    run.file_error = 1;
}

void tell_terminal(RunContext& run, int line, int column, std::string_view message,
                   std::string_view detail) {
    if (run.errors == nullptr) return;
    *run.errors << run.input_path << ':' << line << ':' << (column > 0 ? column : 1) << ": "
                << message;
    if (!detail.empty()) *run.errors << ' ' << detail;
    *run.errors << '\n';
}

void tell_terminal_about_file(RunContext& run, std::string_view file, std::string_view message) {
    if (run.errors == nullptr) return;
    *run.errors << file << ": " << message << '\n';
}

}  // namespace qp
