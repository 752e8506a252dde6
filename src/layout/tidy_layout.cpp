// The tidy layout's rules for scales, category labels, captions and value
// labels (the legend and the pies are in layout/tidy_boxes.cpp).
#include "layout/tidy_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>

#include "layout/text_metrics.h"
#include "model/pixel_math.h"
#include "model/series_values.h"

namespace qp {

namespace {

constexpr double kPi = 3.14159265358979323846;

// A horizontal span on the group's columns.
struct Span {
    double left;
    double right;
    bool overlaps(const Span& other) const { return left < other.right && other.left < right; }
};

// The title's text as the layout estimates it: centred in the area, or
// from its left or right edge when its first character says so.
Span title_span(const Title& title, const Box& area) {
    std::string_view shown = title.Ttext;
    char mark = 0;
    if (!shown.empty() && (shown.front() == '<' || shown.front() == '>')) {
        mark = shown.front();
        shown.remove_prefix(1);
    }
    const double width = static_cast<double>(shown.size()) * title.Tsize * kCharWidth;
    const double left = area.left + kTextGap;
    const double right = static_cast<double>(area.left) + area.width - kTextGap;
    if (mark == '<') return {left, left + width};
    if (mark == '>') return {right - width, right};
    const double middle = area.left + area.width / 2.0;
    return {middle - width / 2, middle + width / 2};
}

// A horizontal caption above the scale: Y1 from the area's left edge (or
// ending at the plot when it is narrower than the margin), Y2 ending at
// the area's right edge (or starting at the plot at the latest).
Span caption_span(const Scale& scale, int number, const FrameLayout& f) {
    const double width = static_cast<double>(scale.text.size()) * scale.size * kCharWidth;
    const Box& area = f.area;
    if (number == 1) {
        double left = area.left + kTextGap;
        if (left + width < area.left + f.Cleft) left = area.left + f.Cleft - width;
        return {left, left + width};
    }
    double left = static_cast<double>(area.left) + area.width - width - kTextGap;
    const double plot_right = static_cast<double>(area.left) + area.width - f.Cright;
    if (plot_right < left) left = plot_right;
    return {left, left + width};
}

bool caption_is_horizontal(const std::string& text) {
    return !text.empty() && text.front() != '>' && text.front() != '<' && text.front() != '|';
}

bool every_series_is_pie(const ChartState& st) {
    int pies = 0;
    for (int number = 1; number <= 2; ++number) {
        const SeriesTable& table = st.table(number);
        const int last = std::min(table.num, static_cast<int>(table.rec.size()) - 1);
        for (int s = 0; s <= last; ++s) {
            if (kind(table.rec[static_cast<std::size_t>(s)]) == SeriesKind::Pie) ++pies;
        }
    }
    return pies == st.koldata;
}

// Whether the shown labels among every k-th one keep clear of each other:
// a label's box starts kLabelOffset of its width left of its category.
bool labels_clear(const std::vector<double>& widths, double pitch, std::size_t k) {
    std::size_t previous = widths.size();
    for (std::size_t i = 0; i < widths.size(); i += k) {
        if (widths[i] < 0) continue;
        if (previous != widths.size()) {
            const double room = static_cast<double>(i - previous) * pitch;
            if (room < (1 - kLabelOffset) * widths[previous] + kLabelOffset * widths[i]) return false;
        }
        previous = i;
    }
    return true;
}

}  // namespace

double category_label_room(const ChartState& st) {
    const XAxis& x = st.x;
    const double line = x.Xsize * kLineHeight;
    if (x.Xgrad <= 0 || x.Xgrad >= 180) return line;
    std::size_t longest = 0;
    for (const std::string& label : st.X) longest = std::max(longest, label.size());
    const double slant = (x.Xgrad <= 90 ? x.Xgrad : 180 - x.Xgrad) * kPi / 180;
    return static_cast<double>(longest) * x.Xsize * kCharWidth * std::sin(slant) + line;
}

RoundStep round_step(double range, int height) {
    if (!(range > 0) || !std::isfinite(range) || height <= 0) return {};
    const double wanted = range / (height / 40.0);
    const int exponent = static_cast<int>(std::floor(std::log10(wanted)));
    RoundStep best;
    double nearest = std::numeric_limits<double>::infinity();
    for (int e = exponent - 1; e <= exponent + 1; ++e) {
        for (const double m : {1.0, 2.0, 2.5, 5.0}) {
            // Divided for negative powers, so that 0.25 and 0.5 are exact.
            const double step = e >= 0 ? m * std::pow(10.0, e) : m / std::pow(10.0, -e);
            const double distance = std::fabs(std::log(step / wanted));
            if (distance < nearest) {
                nearest = distance;
                best = {step, std::max(0, (m == 2.5 ? 1 : 0) - e)};
            }
        }
    }
    return best;
}

ScaleLayout tidy_scale_step(const Scale& scale, int height) {
    ScaleLayout s;
    s.pstep = scale.pstep;
    s.step = scale.step;
    s.decimals = static_cast<int>(scale.sstep.size());
    s.reach = kTidyReach;
    const bool automatic = scale.pstep == -1 || (scale.pstep == 1 && scale.step == 0);
    if (!automatic || height <= 40) return s;
    const RoundStep round =
        round_step(static_cast<double>(scale.max) - static_cast<double>(scale.min), height);
    s.pstep = 1;
    s.step = as_single(round.step);
    s.decimals = round.decimals;
    return s;
}

void start_walks_on_steps(const Scale& scale, ScaleLayout& at) {
    if (at.pstep != 1 || !(at.step > 0)) return;
    const double step = at.step;
    const double crossing = scale.xlocate;
    const double origin = std::ceil(crossing / step - kTidyReach) * step;
    if (!std::isfinite(origin) || std::fabs(origin - crossing) <= step * kTidyReach ||
        origin > static_cast<double>(scale.max) + step * kTidyReach) {
        return;
    }
    at.origin_moved = true;
    at.origin = as_single(origin);
}

int category_label_every(const ChartState& st, const CategoryLayout& x) {
    const std::size_t count =
        std::min(static_cast<std::size_t>(std::max(st.x.Xi, 0)), st.X.size());
    const double pitch = x.Xstepm;
    if (st.x.X1p != 1 || count < 2 || !(pitch > 0)) return 1;
    const double size = st.x.Xsize;
    if (st.x.Xgrad != 0) {
        if (st.x.Xgrad < 0 || st.x.Xgrad > 180) return 1;
        // Slanted labels are parallel lines; neighbours must lie a text
        // height apart across their lines.
        const double slant = (st.x.Xgrad <= 90 ? st.x.Xgrad : 180 - st.x.Xgrad) * kPi / 180;
        const double every = std::ceil(size * kLineHeight / (pitch * std::sin(slant)));
        return static_cast<int>(std::clamp(every, 1.0, static_cast<double>(count)));
    }
    std::vector<double> widths(count, -1.0);   // -1: no label written there
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& label = st.X[i];
        if (!label.empty() && label.front() != '|') {
            widths[i] = static_cast<double>(label.size()) * size * kCharWidth;
        }
    }
    for (std::size_t k = 1; k < count; ++k) {
        if (labels_clear(widths, pitch, k)) return static_cast<int>(k);
    }
    return static_cast<int>(count);
}

void room_for_captions(const ChartState& st, FrameLayout& f) {
    const int most = f.area.height / 3;
    if (st.x.X1p == 1 && !st.x.Xtext.empty() && !every_series_is_pie(st)) {
        // The longest tick, the labels and the caption, each after a gap.
        const double needed = 10 + kTextGap + category_label_room(st) + kTextGap +
                              round_to_int(st.x.Xsize * kLineHeight) + kTextGap;
        const int bottom = std::min(truncate_to_int(std::ceil(needed)), most);
        f.Cbottom = std::max(f.Cbottom, bottom);
    }
    if (st.title.Ttext.empty()) return;
    const Span title = title_span(st.title, f.area);
    for (int number = 1; number <= 2; ++number) {
        const Scale& scale = st.scale(number);
        if (!caption_is_horizontal(scale.text) || !caption_span(scale, number, f).overlaps(title)) {
            continue;
        }
        // The caption's top (1.575 sizes and 10 pixels above the plot) two
        // pixels below the title, centred in the top margin.
        const double needed = 3.15 * scale.size + 1.3 * st.title.Tsize + 24;
        f.Ctop = std::max(f.Ctop, std::min(truncate_to_int(std::ceil(needed)), most));
    }
}

std::vector<int> value_offsets_over_bars(const SeriesTable& table, const BarLayout& bars) {
    if (table.kolR1 < 2 || bars.Rwidth == 0) return {};
    const int last = std::min(table.num, static_cast<int>(table.rec.size()) - 1);
    std::vector<int> offsets(static_cast<std::size_t>(std::max(last + 1, 0)), 0);
    int place = 0;
    for (int s = 0; s <= last; ++s) {
        if (kind(table.rec[static_cast<std::size_t>(s)]) != SeriesKind::Value) continue;
        if (place < table.kolR1) {
            // The bar's middle from its slot's middle: the group is centred.
            const double from_middle = (place + 0.5 - table.kolR1 / 2.0) * bars.Rwidth;
            offsets[static_cast<std::size_t>(s)] = round_to_int(from_middle);
        }
        ++place;
    }
    return offsets;
}

}  // namespace qp
