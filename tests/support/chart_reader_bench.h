// A bench for the record readers: reads a chart description text into a
// chart state over an in-memory file system, and keeps the run log, the
// console and the charts that later AREA records close.
#pragma once

#include <gtest/gtest.h>

#include <charconv>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "layout/series_finishing.h"
#include "read/chart_reader.h"
#include "log/run_context.h"
#include "platform/text_pieces.h"
#include "support/memory_file_system.h"

namespace qp {

// Fields joined by "|", for comparing several at once; reals in their
// shortest exact form.
inline std::string join_one(const std::string& s) { return s; }
inline std::string join_one(int n) { return std::to_string(n); }
inline std::string join_one(float f) {
    char buf[32];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, f).ptr);
}
template <typename First, typename... Rest>
std::string join(const First& first, const Rest&... rest) {
    std::string out = join_one(first);
    ((out += "|" + join_one(rest)), ...);
    return out;
}

// Failure messages of compared records name their fields.
inline void PrintTo(const SeriesRecord& r, std::ostream* os) {
    *os << "tip " << r.tip << ", width " << r.width << ", colours " << join(r.color1, r.color2) << ", text "
        << r.text << ", url " << r.url << ", kolpoint " << r.kolpoint << ", pornum " << r.pornum
        << ", stacked " << r.stacked;
}
inline void PrintTo(const Scale& y, std::ostream* os) {
    *os << "p grid width gcolor " << join(y.p, y.grid, y.width, y.gcolor) << ", pmin min pmax max "
        << join(y.pmin, y.min, y.pmax, y.max) << ", pstep step sstep substep "
        << join(y.pstep, y.step, y.sstep, y.substep) << ", pxlocate xlocate " << join(y.pxlocate, y.xlocate)
        << ", font " << join(y.size, y.font, y.color, y.bold, y.italic) << ", text " << join(y.text, y.bgcolor);
}
inline void PrintTo(const Legend& l, std::ostream* os) {
    *os << "Lp Lgrid Lonly " << join(l.Lp, l.Lgrid, l.Lonly) << ", box "
        << join(l.Lleft, l.Ltop, l.Lwidth, l.Lheight, l.Lcolor, l.Lcols, l.Lrows) << ", font "
        << join(l.Lfsize, l.Lfont, l.Lfcolor, l.Lbold, l.Litalic) << ", frame "
        << join(l.Lborder, l.Lbwidth, l.Lbcolor, l.Lshadow, l.Lround);
}

struct ChartBench : ChartSink {
    MemoryFileSystem fs;
    std::ostringstream console;
    std::istringstream keyboard;
    RunContext run{fs, console, keyboard};
    ChartState st;
    std::vector<std::string> calls;   // each sink call with Aleft, file_error and Ttext
    std::string text;   // what the scanner reads
    std::unique_ptr<TextPieces> pieces;   // the file it is read from, if any
    Scanner sc;

    void output_chart() override { calls.push_back("output " + join(st.area.Aleft, run.file_error, st.title.Ttext)); }
    void end_chart() override { calls.push_back("end " + join(st.area.Aleft, run.file_error, st.title.Ttext)); }

    // Reads the text as a chart description file from its start: held
    // whole, or read from a file `read_size` bytes at a time.
    ChartBench& read(std::string input, std::size_t read_size = 0) {
        text = std::move(input);
        if (read_size == 0) {
            sc = Scanner(text);
        } else {
            pieces = std::make_unique<TextPieces>(MemoryFileSystem::input_file("c.csv", text, read_size));
            sc = Scanner(*pieces);
        }
        st.file.numAREA = 0;
        read_chart_description(st, run, sc, *this);
        return *this;
    }
    // Finishes the series read as chart output does; or reads, then finishes.
    void finish() {
        st.legend.Lgnum = 0;
        finish_series(st, run);
    }
    void finish(std::string input) { read(std::move(input)).finish(); }

    // The run log as plain text: tags and "<br>" dropped, the echo's large
    // red marks in [brackets].
    std::string log() const {
        std::string s = run.log.pending();
        for (std::size_t i; (i = s.find("<font color='red' size='5'>")) != std::string::npos;)
            s.replace(s.find("</font>", i), 7, "]").replace(i, 27, "[");
        for (const std::string tag : {"<font color='black'>", "<font color='red'>", "</font>", "<br>"})
            for (std::size_t i; (i = s.find(tag)) != std::string::npos;) s.erase(i, tag.size());
        return s;
    }

    SeriesRecord& d1(int i) { return st.d1.rec[static_cast<std::size_t>(i)]; }
    // The values series `s` of D1 holds, up to its last.
    std::vector<float> values1(int s) const {
        const auto& row = st.d1.val[static_cast<std::size_t>(s)];
        return {row.begin(), row.begin() + st.d1.rec[static_cast<std::size_t>(s)].kolpoint + 1};
    }
    float v1(int s, int k) const { return st.d1.val[static_cast<std::size_t>(s)][static_cast<std::size_t>(k)]; }
};

// Texts read one by one, each into a fresh state, against their run logs.
inline void expect_logs(std::initializer_list<std::pair<std::string, std::string>> cases) {
    for (const auto& [text, log] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ChartBench().read(text).log(), log);
    }
}

}  // namespace qp
