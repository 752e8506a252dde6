// Completion of the chart state before drawing.  The record readers store
// exactly what a description gives; here every field the renderer needs is
// brought to a usable value: defaults for fields left empty or zero, full
// hexadecimal colours, plot margins from the area size, default X labels,
// the Y ranges from the data and the legend's place and size.
#include "layout/completion.h"
#include "layout/text_metrics.h"

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
void complete_y_scale(Scale& y) {
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
void complete_y_range(const SeriesTable& d, Scale& y) {
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
    default_int(st.area.Awidth, 400);
    default_int(st.area.Aheight, 400);
    default_text(st.area.Abgcolor, "white");
    normalize_color(st.area.Abgcolor);

    // Border, only when the chart has one.
    if (st.border.B == 1) {
        default_int(st.border.Bwidth, 1);
        default_text(st.border.Bcolor, "black");
        normalize_color(st.border.Bcolor);
    }

    // Plot margins not given take a tenth of the area.
    const int side = truncate_to_int(static_cast<double>(st.area.Awidth) * 0.1);
    const int upright = truncate_to_int(static_cast<double>(st.area.Aheight) * 0.1);
    if (st.plot.Cleft == -1) st.plot.Cleft = side;
    if (st.plot.Cright == -1) st.plot.Cright = side;
    if (st.plot.Ctop == -1) st.plot.Ctop = upright;
    if (st.plot.Cbottom == -1) st.plot.Cbottom = upright;

    // Title.
    default_int(st.title.Tsize, 18);
    default_text(st.title.Tfont, "Arial");
    default_text(st.title.Tcolor, "black");
    normalize_color(st.title.Tcolor);
    normalize_color(st.title.Tbgcolor);

    // X axis, whether or not the chart has an X record.
    default_int(st.x.Xsize, 14);
    if (st.x.Xgrad == 180) st.x.Xgrad = 0;
    default_text(st.x.Xfont, "Arial");
    default_text(st.x.Xgcolor, "black");
    normalize_color(st.x.Xgcolor);
    complete_axis_width(st.x.Xwidth);
    default_text(st.x.Xcolor, "black");
    normalize_color(st.x.Xcolor);
    normalize_color(st.x.Xbgcolor);

    // Without labels of its own the X axis counts its positions from 1;
    // Xi stays for the series finishing to raise.
    if (st.x.Xi == -1) {
        char digits[16];
        for (std::size_t i = 0; i < st.X.size(); ++i) {
            auto end = std::to_chars(digits, digits + sizeof digits, i + 1).ptr;
            st.X[i].assign(digits, end);
        }
    }

    complete_y_scale(st.y1);
    complete_y_scale(st.y2);
}

void complete_axis_ranges(ChartState& st) {
    complete_y_range(st.d1, st.y1);
    complete_y_range(st.d2, st.y2);
}

void complete_legend(ChartState& st) {
    // Position: in the page flow the legend starts under the chart at its
    // left edge; a placed chart gets its legend just right of the area, level
    // with the top of the plot rectangle.
    st.legend.Lplace_fitted = st.area.Atop != -1 && st.legend.Lleft == -1 && st.legend.Ltop == -1;
    st.legend.Lwidth_fitted = st.legend.Lwidth == 0;
    if (st.area.Atop == -1) {
        if (st.legend.Lleft == -1) st.legend.Lleft = st.area.Aleft;
    } else {
        if (st.legend.Lleft == -1) st.legend.Lleft = sum_clamped(st.area.Aleft, st.area.Awidth);
        if (st.legend.Ltop == -1) st.legend.Ltop = sum_clamped(st.area.Atop, st.plot.Ctop, st.border.Bwidth);
    }

    // Columns and rows: enough cells for every entry.
    if (st.legend.Lcols == 0 && st.legend.Lrows == 0) {
        st.legend.Lcols = 1;
        st.legend.Lrows = st.legend.Lgnum;
    } else if (st.legend.Lcols == 0) {
        st.legend.Lcols = ceil_div(st.legend.Lgnum, st.legend.Lrows);
    } else {
        st.legend.Lrows = ceil_div(st.legend.Lgnum, st.legend.Lcols);
    }

    if (st.legend.Lcolor.empty()) st.legend.Lcolor = st.plot.Ccolor.empty() ? st.area.Abgcolor : st.plot.Ccolor;

    default_int(st.legend.Lfsize, 14);
    default_text(st.legend.Lfont, "Arial");
    default_text(st.legend.Lfcolor, "black");
    normalize_color(st.legend.Lfcolor);

    default_int(st.legend.Lbwidth, 1);
    default_text(st.legend.Lbcolor, "black");
    normalize_color(st.legend.Lbcolor);

    if (st.legend.Lcols > 1 && st.legend.Lcols > st.legend.Lgnum) st.legend.Lcols = st.legend.Lgnum;

    // Size: each column holds a sample (40 pixels) and the longest text; each
    // row is a line of text with a little air; the frame on both sides.
    // Each size is formed in double and rounded once.
    const double frame = 2.0 * static_cast<double>(st.legend.Lbwidth);
    if (st.legend.Lwidth == 0) {
        const double column = static_cast<double>(st.legend.Lmaxtext) * st.legend.Lfsize * 0.55 + 40.0;
        st.legend.Lwidth = truncate_to_int(static_cast<double>(round_to_int(st.legend.Lcols * column)) + frame);
    }
    if (st.legend.Lheight == 0) {
        const double row = round_to_int(static_cast<double>(st.legend.Lfsize) * kLineHeight + 5.0);
        st.legend.Lheight = truncate_to_int(row * st.legend.Lrows + frame);
    }
}

}  // namespace qp
