// A bench for the D record tests: reads a text line by line the way the
// record scanner hands D lines to the series reader, and keeps the chart
// state and the run log for the checks.
#pragma once

#include <sstream>
#include <string>

#include "chart_state.h"
#include "reader.h"
#include "reader/record_readers.h"
#include "run_context.h"
#include "scanner.h"

namespace qp {

struct SeriesBench {
    MemoryFileSystem fs;
    std::ostringstream console;
    std::istringstream keyboard;
    RunContext run{fs, console, keyboard};
    ChartState st;
    std::string text;
    Scanner sc;

    // Reads every line; lines that do not start with "D" are skipped.
    void read(std::string input) {
        text = std::move(input);
        sc = Scanner(text);
        while (!sc.at_eof) {
            sc.start_line();
            int c = sc.next_char();
            while (c == ' ') c = sc.next_char();
            if (c == 'D' || c == 'd') {
                ++st.koldata;
                RecordContext rc{st, run, sc};
                read_series_record(rc);
            } else if (c != '\n' && c != kEof) {
                sc.skip_rest_of_line();
            }
        }
    }

    // Reads and finishes the series as chart output does.
    void finish(std::string input) {
        read(std::move(input));
        st.Lgnum = 0;
        finish_series(st, run);
    }

    std::string log() const { return run.log.pending(); }
    SeriesRecord& d1(int i) { return st.D1rec[static_cast<std::size_t>(i)]; }
    SeriesRecord& d2(int i) { return st.D2rec[static_cast<std::size_t>(i)]; }
    float v1(int s, int k) const { return st.D1val[static_cast<std::size_t>(s)][static_cast<std::size_t>(k)]; }
    float v2(int s, int k) const { return st.D2val[static_cast<std::size_t>(s)][static_cast<std::size_t>(k)]; }
};

// The run log's echo of a report_expected: line label, the text before the
// faulty character, the character, the rest of the line, the message.
inline std::string expected_echo(int line, const std::string& before, const std::string& bad,
                                 const std::string& rest, const std::string& expected) {
    return "<font color='red'>Line " + std::to_string(line) + ":</font> " +
           (before.empty() ? "" : "<font color='black'>" + before + "</font>") +
           "<font color='red' size='5'>" + bad + "</font><font color='black'>" + rest +
           "</font><br>\n<font color='red'>It is expected " + expected + "</font><br>\n";
}

// The echo of a report_field: the marked part in large red, then the message.
inline std::string field_echo(int line, const std::string& before, const std::string& marked,
                              const std::string& rest, const std::string& message) {
    return "<font color='red'>Line " + std::to_string(line) + ":</font> " +
           (before.empty() ? "" : "<font color='black'>" + before + "</font>") +
           "<font color='red' size='5'>" + marked + "</font><font color='black'>" + rest +
           "</font><br>\n<font color='red'>" + message + "</font><br>\n";
}

}  // namespace qp
