// The chart state: everything known about the chart being produced.
//
// One plain struct, filled by the record readers, completed before drawing
// and only read by the layout and the painters.  Texts are std::string;
// the readers enforce each text's length limit where they store it, so a
// text never holds more characters than its documented bound.
#pragma once

#include <cmath>

#include <array>
#include <string>
#include <vector>

namespace qp {

// Limits of the chart state, as named constants.
inline constexpr int kMaxSeries = 100;     // series per axis (Dmaxnum)
inline constexpr int kMaxPoints = 1000;    // values per series (Dmaxpoint)
inline constexpr int kMaxXLabels = 1000;   // entries of the X label table
inline constexpr int kValueColumns = kMaxPoints + 1;

// A value left empty in a D record holds this marker.
inline constexpr float kEmptyValue = 1.0e-36f;

// True when a stored value counts as present: exactly 0, or differing in
// magnitude from the empty marker by at least 1.0e-30.
inline bool is_present(float v) {
    if (v == 0.0f) return true;
    return std::fabs(std::fabs(v) - kEmptyValue) >= 1.0e-30f;
}

// Text bounds (characters, the terminating byte of the original buffers
// not counted).
inline constexpr int kColorMax = 19;        // colour fields
inline constexpr int kSeriesColorMax = 20;  // the colours of a D record
inline constexpr int kFontMax = 99;
inline constexpr int kTitleMax = 499;
inline constexpr int kIdMax = 255;
inline constexpr int kPathMax = 259;
inline constexpr int kLabelMax = 99;
inline constexpr int kSeriesTextMax = 119;
inline constexpr int kStepDigitsMax = 39;
inline constexpr int kLegendFontMax = 19;

// One data series (an entry of D1rec or D2rec).
struct SeriesRecord {
    int width = -1;
    std::string color1;
    std::string text;
    int kolpoint = -1;
    float vmin = 0;
    float vmax = 0;
    std::string tip;       // "L1", "M3", "P2", "R1", "V1", ...
    std::string color2;
    int pornum = 0;
    std::string url;
    int stacked = -1;
    std::string id;
    int inlegend = -1;

    bool operator==(const SeriesRecord&) const = default;
};

using ValueRow = std::array<float, kValueColumns>;

// Each group below holds the fields one record gives, with their defaults,
// so that a record starts from a fresh group by assignment.

// The chart's place, size, background and files (AREA).
struct Area {
    int Aleft = 0;
    int Atop = -1;
    int Awidth = 400;
    int Aheight = 400;
    std::string Abgcolor = "white";
    std::string Aid;
    std::string Afile_markup;
    std::string Afile_output;
    std::string Afile_header;
    std::string Afile_footer;
};

// The chart description file's page rule and chart count: kept from chart
// to chart of one file.
struct FileCharts {
    int ONE_file = -1;
    int numAREA = 0;
};

// The border (BORDER).
struct Border {
    int B = -1;
    int Bwidth = 1;
    std::string Bcolor = "black";
    int Bshadow = -1;
    int Bround = -1;
};

// The plot rectangle's margins and background (PLOT).
struct Plot {
    int Cleft = -1;
    int Cright = -1;
    int Ctop = -1;
    int Cbottom = -1;
    std::string Ccolor;
};

// The title (TITLE).
struct Title {
    int Tsize = 18;
    std::string Tfont = "Arial";
    std::string Tcolor = "black";
    std::string Tbold = "normal";
    std::string Titalic = "normal";
    std::string Ttext;
    std::string Tbgcolor;
};

// The legend (LEGEND), with the entry count and longest text that the
// series finishing adds.
struct Legend {
    int Lp = -1;
    int Lgrid = -1;
    int Lonly = -1;
    int Lleft = -1;
    int Ltop = -1;
    int Lwidth = 0;
    int Lheight = 0;
    std::string Lcolor;
    int Lcols = 0;
    int Lrows = 0;
    int Lfsize = 14;
    std::string Lfont = "Arial";
    std::string Lfcolor = "black";
    std::string Lbold = "normal";
    std::string Litalic = "normal";
    int Lborder = -1;
    int Lbwidth = 0;
    std::string Lbcolor = "black";
    int Lshadow = -1;
    int Lround = -1;
    int Lgnum = 0;
    int Lmaxtext = 0;
    // Set by the legend completion: the width was filled in; the place
    // beside a placed chart (left and top) was filled in.
    bool Lwidth_fitted = false;
    bool Lplace_fitted = false;

    bool operator==(const Legend&) const = default;
};

// The category axis (X) without its label table.
struct XAxis {
    int X1p = -1;
    int Xgrid = -1;
    int XYcross = -1;
    int Xgrad = 0;
    int Xwidth = 1;
    std::string Xgcolor = "black";
    int Xsize = 14;
    std::string Xfont = "Arial";
    std::string Xcolor = "black";
    std::string Xbold = "normal";
    std::string Xitalic = "normal";
    std::string Xtext;
    std::string Xbgcolor;
    int Xi = -1;
};

// One value scale (Y1 or Y2); the fields keep the record's names without
// their scale number (p for Y1p, pmin for Y1pmin, ...).
struct Scale {
    int p = -1;
    int grid = -1;
    int width = 1;
    std::string gcolor = "black";
    int pmin = -1;
    float min = 0;
    int pmax = -1;
    float max = 0;
    int pstep = -1;
    float step = 0;
    std::string sstep;
    float substep = 0;
    int pxlocate = -1;
    float xlocate = 0;
    int size = 14;
    std::string font = "Arial";
    std::string color = "black";
    std::string bold = "normal";
    std::string italic = "normal";
    std::string text;
    std::string bgcolor;

    bool operator==(const Scale&) const = default;
};

// The series of one axis (D1 or D2): their records and value rows (kept
// allocated from chart to chart), the data range and the bar groups.
struct SeriesTable {
    int num = -1;
    std::vector<SeriesRecord> rec;   // kMaxSeries entries
    std::vector<ValueRow> val;       // kMaxSeries rows
    float min = 0;
    float max = 0;
    int kolR1 = 0;
    int kolR2 = -1;
    int intR1 = 100;
};

struct ChartState {
    // A chart state at its defaults, with its tables allocated.
    ChartState();
    // The same without allocating the tables (used by set_defaults).
    struct NoTables {};
    explicit ChartState(NoTables) {}

    Area area;
    FileCharts file;     // not reset by set_defaults
    Border border;
    Plot plot;
    Title title;
    Legend legend;
    XAxis x;
    std::vector<std::string> X;   // the X labels, kMaxXLabels entries
    Scale y1;
    Scale y2;
    int koldata = 0;
    SeriesTable d1;
    SeriesTable d2;
    int Dmaxnum = kMaxSeries;
    int Dmaxpoint = kMaxPoints;

    Scale& scale(int number) { return number == 1 ? y1 : y2; }
    const Scale& scale(int number) const { return number == 1 ? y1 : y2; }
    SeriesTable& table(int number) { return number == 1 ? d1 : d2; }
    const SeriesTable& table(int number) const { return number == 1 ? d1 : d2; }
};

// Restores every defaulted field before a chart is read.  Leaves the file's
// page rule and chart count and the series and value tables alone; empties
// the X label table, so that a chart never depends on an earlier chart of
// the run.
void set_defaults(ChartState& st);

}  // namespace qp
