// A bench for the record scanner and the record readers: reads a chart
// description text into a chart state over an in-memory file system, and
// keeps the run log, the console and the charts handed to the sink.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "chart_state.h"
#include "reader.h"
#include "run_context.h"
#include "scanner.h"

namespace qp {

// Records each call of the sink with a few fields of the chart it closes.
class RecordingSink : public ChartSink {
public:
    explicit RecordingSink(const ChartState& st, const RunContext& run) : st_(st), run_(run) {}
    void output_chart() override { calls.push_back("output " + describe()); }
    void end_chart() override { calls.push_back("end " + describe()); }
    std::vector<std::string> calls;

private:
    std::string describe() const {
        return std::to_string(st_.Aleft) + " error=" + std::to_string(run_.file_error) +
               " title=" + st_.Ttext;
    }
    const ChartState& st_;
    const RunContext& run_;
};

struct ChartBench {
    MemoryFileSystem fs;
    std::ostringstream console;
    std::istringstream keyboard;
    RunContext run{fs, console, keyboard};
    ChartState st;
    RecordingSink sink{st, run};
    std::string text;
    Scanner sc;

    // Reads the text as a chart description file from its start.
    void read(std::string input) {
        text = std::move(input);
        sc = Scanner(text);
        st.numAREA = 0;
        read_chart_description(st, run, sc, sink);
    }

    std::string log() const { return run.log.pending(); }
};

// Fields joined by "|", for comparing several at once.
inline std::string join_one(const std::string& s) { return s; }
inline std::string join_one(int n) { return std::to_string(n); }
template <typename First, typename... Rest>
std::string join(const First& first, const Rest&... rest) {
    std::string out = join_one(first);
    ((out += "|" + join_one(rest)), ...);
    return out;
}

inline const std::string kLabelEnd = ":</font> ";

inline std::string line_label(int line) {
    return "<font color='red'>Line " + std::to_string(line) + kLabelEnd;
}

inline std::string black(const std::string& s) {
    return s.empty() ? "" : "<font color='black'>" + s + "</font>";
}

inline std::string large(const std::string& s) { return "<font color='red' size='5'>" + s + "</font>"; }

// A report_expected: the text before the bad character, the character,
// the rest of the line, then "It is expected" and the expected text.
inline std::string expected_report(int line, const std::string& before, const std::string& bad,
                                   const std::string& rest, const std::string& expected) {
    return line_label(line) + black(before) + large(bad) + "<font color='black'>" + rest +
           "</font><br>\n<font color='red'>It is expected " + expected + "</font><br>\n";
}

// A report_field whose message marks the whole field as far as it was read.
inline std::string field_report(int line, const std::string& before, const std::string& marked,
                                const std::string& rest, const std::string& message) {
    return line_label(line) + black(before) + large(marked) + "<font color='black'>" + rest +
           "</font><br>\n<font color='red'>" + message + "</font><br>\n";
}

// A report_field with "Wrong symbol": the field in black up to the bad
// character, which is large red.
inline std::string symbol_report(int line, const std::string& before, const std::string& field,
                                 const std::string& bad, const std::string& rest) {
    return line_label(line) + black(before) + "<font color='black'>" + field + "</font>" +
           large(bad) + "<font color='black'>" + rest +
           "</font><br>\n<font color='red'>Wrong symbol</font><br>\n";
}

// A report_rest_of_line: from the field's start to the line end in large red.
inline std::string rest_report(int line, const std::string& before, const std::string& rest,
                               const std::string& message) {
    return line_label(line) + black(before) + "<font color='red' size='5'>" + rest +
           "</font><br>\n<font color='red'>" + message + "</font><br>\n";
}

}  // namespace qp
