// The chart state: everything known about the chart being produced.
//
// One plain struct, filled by the record readers, completed before drawing
// and read (and partly adjusted) by the painters.  Texts are std::string;
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
inline constexpr int kColorMax = 19;        // colour fields (D colours: 20)
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
};

using ValueRow = std::array<float, kValueColumns>;

struct ChartState {
    // A chart state at its defaults, with its tables allocated.
    ChartState();
    // The same without allocating the tables (used by set_defaults).
    struct NoTables {};
    explicit ChartState(NoTables) {}

    // Area (AREA)
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
    int ONE_file = -1;   // not reset by set_defaults
    int numAREA = 0;     // not reset by set_defaults

    // Border (BORDER)
    int B = -1;
    int Bwidth = 1;
    std::string Bcolor = "black";
    int Bshadow = -1;
    int Bround = -1;

    // Plot rectangle (PLOT)
    int Cleft = -1;
    int Cright = -1;
    int Ctop = -1;
    int Cbottom = -1;
    std::string Ccolor;

    // Title (TITLE)
    int Tsize = 18;
    std::string Tfont = "Arial";
    std::string Tcolor = "black";
    std::string Tbold = "normal";
    std::string Titalic = "normal";
    std::string Ttext;
    std::string Tbgcolor;

    // Legend (LEGEND)
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

    // X axis (X)
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
    std::vector<std::string> X;   // kMaxXLabels entries
    float Xstepr = 0;
    float Xstepm = 0;
    float dXstepm = 0;

    // Y1 scale (Y1)
    int Y1p = -1;
    int Y1grid = -1;
    int Y1width = 1;
    std::string Y1gcolor = "black";
    int Y1pmin = -1;
    float Y1min = 0;
    int Y1pmax = -1;
    float Y1max = 0;
    int Y1pstep = -1;
    float Y1step = 0;
    std::string Y1sstep;
    float Y1substep = 0;
    int Y1pxlocate = -1;
    float Y1xlocate = 0;
    int Y1size = 14;
    std::string Y1font = "Arial";
    std::string Y1color = "black";
    std::string Y1bold = "normal";
    std::string Y1italic = "normal";
    std::string Y1text;
    std::string Y1bgcolor;

    // Y2 scale (Y2)
    int Y2p = -1;
    int Y2grid = -1;
    int Y2width = 1;
    std::string Y2gcolor = "black";
    int Y2pmin = -1;
    float Y2min = 0;
    int Y2pmax = -1;
    float Y2max = 0;
    int Y2pstep = -1;
    float Y2step = 0;
    std::string Y2sstep;
    float Y2substep = 0;
    int Y2pxlocate = -1;
    float Y2xlocate = 0;
    int Y2size = 14;
    std::string Y2font = "Arial";
    std::string Y2color = "black";
    std::string Y2bold = "normal";
    std::string Y2italic = "normal";
    std::string Y2text;
    std::string Y2bgcolor;

    // Data series (D1, D2)
    int koldata = 0;
    int D1num = -1;
    int D2num = -1;
    std::vector<SeriesRecord> D1rec;   // kMaxSeries entries
    std::vector<SeriesRecord> D2rec;   // kMaxSeries entries
    std::vector<ValueRow> D1val;       // kMaxSeries rows
    std::vector<ValueRow> D2val;       // kMaxSeries rows
    float D1min = 0, D1max = 0;
    float D2min = 0, D2max = 0;
    int kolR1_D1 = 0, kolR2_D1 = -1, intR1_D1 = 100;
    int kolR1_D2 = 0, kolR2_D2 = -1, intR1_D2 = 100;
    int Dmaxnum = kMaxSeries;
    int Dmaxpoint = kMaxPoints;

    // Values the renderer adds while drawing.
    int Aleft0 = 0;
    int Atop0 = -1;
    int Cx1 = 0;
    int Cx2 = 0;
    int Y1xrow = 0;
    int Y2xrow = 0;
    int Rwidth_D1 = 0;
    int Rwidth_D2 = 0;
    int kolP = 0;
};

// Restores every defaulted field before a chart is read.  Leaves ONE_file,
// numAREA and the series and value tables alone; empties the X label
// table, so that a chart never depends on an earlier chart of the run.
void set_defaults(ChartState& st);

// The fields of one Y scale, by reference, so that Y1 and Y2 share one
// code path.  `number` is 1 or 2.
struct YAxis {
    int number;
    int& p;
    int& grid;
    int& width;
    std::string& gcolor;
    int& pmin;
    float& min;
    int& pmax;
    float& max;
    int& pstep;
    float& step;
    std::string& sstep;
    float& substep;
    int& pxlocate;
    float& xlocate;
    int& size;
    std::string& font;
    std::string& color;
    std::string& bold;
    std::string& italic;
    std::string& text;
    std::string& bgcolor;
    int& xrow;   // the row at which the X axis crosses this scale
};

YAxis y_axis(ChartState& st, int number);

// The series tables of one axis (D1 or D2), with the scale they are drawn
// against.  `number` is 1 or 2.
struct DataAxis {
    int number;
    int& num;
    std::vector<SeriesRecord>& rec;
    std::vector<ValueRow>& val;
    float& min;
    float& max;
    int& kolR1;
    int& kolR2;
    int& intR1;
    int& Rwidth;
    YAxis y;
};

DataAxis data_axis(ChartState& st, int number);

}  // namespace qp
