// Completion of the chart state before drawing.  The record readers store
// exactly what a description gives; here every field the renderer needs is
// brought to a usable value: defaults for fields left empty or zero, full
// hexadecimal colours, plot margins from the area size, default X labels,
// the Y ranges from the data and the legend's place and size.
#include "layout/completion.h"

#include "model/pixel_math.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>

namespace qp {

namespace {

// A colour with "#" and three digits is complete; longer ones are brought
// to six digits.
constexpr std::size_t kShortColor = 4;   // "#" and three digits
constexpr std::size_t kFullColor = 7;    // "#" and six digits

// Widest axis line the scales draw.
constexpr int kMaxAxisWidth = 5;

// Smallest integer not below a / b; b is not 0.
int ceil_div(int a, int b) {
    return truncate_to_int(std::ceil(static_cast<double>(a) / static_cast<double>(b)));
}

int sum_clamped(long long a, long long b, long long c = 0) {
    return clamp_to_int(a + b + c);
}

void default_text(std::string& field, const char* value) {
    if (field.empty()) field = value;
}

void default_int(int& field, int value) {
    if (field == 0) field = value;
}

// Line width of an axis: at least 1 (0 means not given), at most 5.
void complete_axis_width(int& width) {
    if (width == 0) width = 1;
    if (width > kMaxAxisWidth) width = kMaxAxisWidth;
}

// The scale of a Y record: defaults, and limits that contradict each other
// are dropped so that the range comes from the data.
void complete_y_scale(YAxis y) {
    if (y.p != 1) return;
    complete_axis_width(y.width);
    default_text(y.font, "Arial");
    default_text(y.gcolor, "black");
    normalize_color(y.gcolor);

    if (y.pmin == 1 && y.pmax == 1 && y.min >= y.max) {
        y.pmin = -1;
        y.pmax = -1;
    }
    if (y.pmin == 1 && y.pmax == 1 && y.pxlocate == 1 &&
        (y.xlocate < y.min || y.xlocate > y.max)) {
        y.xlocate = y.min;
    }

    default_int(y.size, 14);
    default_text(y.font, "Arial");
    default_text(y.color, "black");
    normalize_color(y.color);
    if (!y.bgcolor.empty()) normalize_color(y.bgcolor);
}

// The range of one scale from the series drawn against it: a given limit
// is only ever widened to take in the data, and the range always holds the
// value at which the X axis crosses the scale.
void complete_y_range(DataAxis d) {
    YAxis& y = d.y;
    if (d.num == -1) {
        y.p = -1;
        return;
    }
    y.min = (y.pmin == -1) ? d.min : std::min(y.min, d.min);
    y.max = (y.pmax == -1) ? d.max : std::max(y.max, d.max);
    if (y.pxlocate == -1) {
        const bool one_sign = (y.min > 0 && y.max > 0) || (y.min < 0 && y.max < 0);
        y.xlocate = one_sign ? y.min : 0.0f;
    }
    y.max = std::max(y.max, y.xlocate);
    y.min = std::min(y.min, y.xlocate);
}

}  // namespace

void normalize_color(std::string& color) {
    if (color.empty() || color[0] != '#') return;
    if (color.size() < kShortColor) {
        color.resize(kShortColor, '0');
    } else if (color.size() > kShortColor) {
        color.resize(kFullColor, '0');
    }
}

void complete_fields(ChartState& st) {
    // Area.
    default_int(st.Awidth, 400);
    default_int(st.Aheight, 400);
    default_text(st.Abgcolor, "white");
    normalize_color(st.Abgcolor);

    // Border, only when the chart has one.
    if (st.B == 1) {
        default_int(st.Bwidth, 1);
        default_text(st.Bcolor, "black");
        normalize_color(st.Bcolor);
    }

    // Plot margins not given take a tenth of the area.
    const int side = truncate_to_int(static_cast<double>(st.Awidth) * 0.1);
    const int upright = truncate_to_int(static_cast<double>(st.Aheight) * 0.1);
    if (st.Cleft == -1) st.Cleft = side;
    if (st.Cright == -1) st.Cright = side;
    if (st.Ctop == -1) st.Ctop = upright;
    if (st.Cbottom == -1) st.Cbottom = upright;

    // Title.
    default_int(st.Tsize, 18);
    default_text(st.Tfont, "Arial");
    default_text(st.Tcolor, "black");
    normalize_color(st.Tcolor);
    normalize_color(st.Tbgcolor);

    // X axis, whether or not the chart has an X record.
    default_int(st.Xsize, 14);
    if (st.Xgrad == 180) st.Xgrad = 0;
    default_text(st.Xfont, "Arial");
    default_text(st.Xgcolor, "black");
    normalize_color(st.Xgcolor);
    complete_axis_width(st.Xwidth);
    default_text(st.Xcolor, "black");
    normalize_color(st.Xcolor);
    normalize_color(st.Xbgcolor);

    // Without labels of its own the X axis counts its positions from 1;
    // Xi stays for the series finishing to raise.
    if (st.Xi == -1) {
        char digits[16];
        for (std::size_t i = 0; i < st.X.size(); ++i) {
            auto end = std::to_chars(digits, digits + sizeof digits, i + 1).ptr;
            st.X[i].assign(digits, end);
        }
    }

    complete_y_scale(y_axis(st, 1));
    complete_y_scale(y_axis(st, 2));
}

void complete_axis_ranges(ChartState& st) {
    complete_y_range(data_axis(st, 1));
    complete_y_range(data_axis(st, 2));
}

void complete_legend(ChartState& st) {
    // Position: in the page flow the legend starts under the chart at its
    // left edge; a placed chart gets its legend just right of the area, level
    // with the top of the plot rectangle.
    if (st.Atop == -1) {
        if (st.Lleft == -1) st.Lleft = st.Aleft;
    } else {
        if (st.Lleft == -1) st.Lleft = sum_clamped(st.Aleft, st.Awidth);
        if (st.Ltop == -1) st.Ltop = sum_clamped(st.Atop, st.Ctop, st.Bwidth);
    }

    // Columns and rows: enough cells for every entry.
    if (st.Lcols == 0 && st.Lrows == 0) {
        st.Lcols = 1;
        st.Lrows = st.Lgnum;
    } else if (st.Lcols == 0) {
        st.Lcols = ceil_div(st.Lgnum, st.Lrows);
    } else {
        st.Lrows = ceil_div(st.Lgnum, st.Lcols);
    }

    if (st.Lcolor.empty()) st.Lcolor = st.Ccolor.empty() ? st.Abgcolor : st.Ccolor;

    default_int(st.Lfsize, 14);
    default_text(st.Lfont, "Arial");
    default_text(st.Lfcolor, "black");
    normalize_color(st.Lfcolor);

    default_int(st.Lbwidth, 1);
    default_text(st.Lbcolor, "black");
    normalize_color(st.Lbcolor);

    if (st.Lcols > 1 && st.Lcols > st.Lgnum) st.Lcols = st.Lgnum;

    // Size: each column holds a sample (40 pixels) and the longest text; each
    // row is a line of text with a little air; the frame on both sides.
    // Each size is formed in double and rounded once.
    const double frame = 2.0 * static_cast<double>(st.Lbwidth);
    if (st.Lwidth == 0) {
        const double column = static_cast<double>(st.Lmaxtext) * st.Lfsize * 0.55 + 40.0;
        st.Lwidth = truncate_to_int(static_cast<double>(round_to_int(st.Lcols * column)) + frame);
    }
    if (st.Lheight == 0) {
        const double row = round_to_int(static_cast<double>(st.Lfsize) * 1.15 + 5.0);
        st.Lheight = truncate_to_int(row * st.Lrows + frame);
    }
}

}  // namespace qp
