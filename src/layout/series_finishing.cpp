// The series finishing: once a chart has been read without errors, its
// series get their value ranges, stacked running totals, size and colour
// defaults, legend entries, bar groups and element ids.
#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <string>
#include <string_view>

#include "layout/completion.h"
#include "log/diagnostics.h"
#include "layout/series_finishing.h"
#include "model/series_values.h"

namespace qp {

namespace {

// The types whose stacked series are summed, each on its own, in this
// order; marker series of every shape are summed together afterwards.
constexpr std::array<std::string_view, 5> kStackedTips = {"L1", "L2", "L3", "R1", "V1"};
constexpr std::string_view kBarTip = "R1";

// The numero sign of the series line in the run log.
constexpr char kNumeroSign = static_cast<char>(0xB9);

// Size defaults by type.
constexpr int kDefaultLineWidth = 1;
constexpr int kDefaultMarkerSize = 10;
constexpr int kSmallestMarkerSize = 5;
constexpr int kDefaultFontSize = 14;

// Bar interval in percent.
constexpr int kDefaultBarInterval = 100;
constexpr int kLargestBarInterval = 500;

// Series ids are stored in at most this many characters.
constexpr std::size_t kSeriesIdMax = 119;

// The number of series of an axis, within the table.
int series_count(const SeriesTable& d) { return std::clamp(d.num + 1, 0, kMaxSeries); }

// The number of values read into a series, within its row.
int value_count(const SeriesRecord& rec) { return std::clamp(rec.kolpoint + 1, 0, kMaxPoints); }

std::string decimal(int n) {
    std::array<char, 16> buf{};
    auto result = std::to_chars(buf.data(), buf.data() + buf.size(), n);
    return std::string(buf.data(), result.ptr);
}

// "In D1 chart № 3 Data miss" for a series without any present value.
void report_series_without_data(RunContext& run, int axis, int index) {
    std::string line;
    line += kRed;
    line += run.cat(axis == 1 ? Msg::InD1Chart : Msg::InD2Chart);
    line += ' ';
    line += kNumeroSign;
    line += ' ';
    line += decimal(index + 1);
    line += ' ';
    line += run.cat(Msg::DataMiss);
    line += kEnd;
    line += "<br>\n";
    run.log << line;
    run.file_error = 1;
}

// Smallest and largest present value of every series and of each axis;
// reports series without data when `run` is given.  Xi grows to the
// longest series.
void measure_ranges(ChartState& st, RunContext* run) {
    int longest = 0;
    for (int axis = 1; axis <= 2; ++axis) {
        SeriesTable& d = st.table(axis);
        bool axis_has_data = false;
        for (int i = 0; i < series_count(d); ++i) {
            SeriesRecord& rec = d.rec[static_cast<std::size_t>(i)];
            const ValueRow& row = d.val[static_cast<std::size_t>(i)];
            const int count = value_count(rec);
            longest = std::max(longest, count);
            bool found = false;
            float lo = 0;
            float hi = 0;
            for (int k = 0; k < count; ++k) {
                const float v = row[static_cast<std::size_t>(k)];
                if (!is_present(v)) continue;
                lo = found ? std::min(lo, v) : v;
                hi = found ? std::max(hi, v) : v;
                found = true;
            }
            rec.vmin = lo;
            rec.vmax = hi;
            if (!found) {
                if (run != nullptr) report_series_without_data(*run, axis, i);
                continue;
            }
            d.min = axis_has_data ? std::min(d.min, lo) : lo;
            d.max = axis_has_data ? std::max(d.max, hi) : hi;
            axis_has_data = true;
        }
    }
    st.x.Xi = std::max(st.x.Xi, longest);
}

// Turns the stacked series of one axis that `selected` picks into running
// totals, walking from the last series to the first: each holds itself
// plus the total of the one after it.  Empty values count as 0.  Returns
// whether any series was taken.
template <typename Select>
bool stack_axis(SeriesTable& d, int columns, Select selected) {
    const ValueRow* below = nullptr;
    for (int i = series_count(d) - 1; i >= 0; --i) {
        const SeriesRecord& rec = d.rec[static_cast<std::size_t>(i)];
        if (rec.stacked != 1 || !selected(rec)) continue;
        ValueRow& row = d.val[static_cast<std::size_t>(i)];
        for (int k = 0; k < columns; ++k) {
            const auto at = static_cast<std::size_t>(k);
            float v = (k <= rec.kolpoint && is_present(row[at])) ? row[at] : 0.0f;
            if (below != nullptr) {
                const double sum = static_cast<double>(v) + static_cast<double>((*below)[at]);
                v = static_cast<float>(std::clamp(sum, -static_cast<double>(FLT_MAX),
                                                  static_cast<double>(FLT_MAX)));
            }
            row[at] = v;
        }
        below = &row;
    }
    return below != nullptr;
}

void stack_series(ChartState& st) {
    const int columns = std::clamp(st.x.Xi, 0, kValueColumns);
    for (std::string_view tip : kStackedTips) {
        for (int axis = 1; axis <= 2; ++axis) {
            SeriesTable& d = st.table(axis);
            const bool taken = stack_axis(d, columns, [tip](const SeriesRecord& rec) { return rec.tip == tip; });
            if (taken && tip == kBarTip) d.kolR2 = 1;
        }
    }
    for (int axis = 1; axis <= 2; ++axis) {
        SeriesTable& d = st.table(axis);
        stack_axis(d, columns, [](const SeriesRecord& rec) { return kind(rec) == SeriesKind::Marker; });
    }
}

void default_size(SeriesRecord& rec, int area_height) {
    switch (kind(rec)) {
        case SeriesKind::Line:
            if (rec.width <= 0 || rec.width > area_height) rec.width = kDefaultLineWidth;
            break;
        case SeriesKind::Marker:
            if (rec.width == -1) rec.width = kDefaultMarkerSize;
            if (rec.width < kSmallestMarkerSize) rec.width = kSmallestMarkerSize;
            if (rec.width > area_height) rec.width = kDefaultMarkerSize;
            break;
        case SeriesKind::Value:
            if (rec.width <= 0 || rec.width > area_height) rec.width = kDefaultFontSize;
            break;
        default:
            break;   // pies and bars keep their field as written
    }
}

// Value series draw no background unless one is given.
void default_colors(SeriesRecord& rec) {
    if (rec.color1.empty()) rec.color1 = "black";
    if (rec.color2.empty() && kind(rec) != SeriesKind::Value) rec.color2 = "white";
    normalize_color(rec.color1);
    normalize_color(rec.color2);
}

// The label as the legend shows it: the text up to its first apostrophe.
int legend_label_length(const std::string& text) {
    const std::size_t apostrophe = text.find('\'');
    return static_cast<int>(apostrophe == std::string::npos ? text.size() : apostrophe);
}

// Leading blanks go; a leading "~" goes too and hides the series from the
// legend; a leading "^" stays (the legend draws such a marker series on the
// line before it) and also keeps the series out of its own entry.
void settle_legend_entry(ChartState& st, SeriesRecord& rec) {
    const std::size_t first = rec.text.find_first_not_of(' ');
    rec.text.erase(0, first == std::string::npos ? rec.text.size() : first);
    if (!rec.text.empty() && rec.text[0] == '~') {
        rec.text.erase(0, 1);
        return;
    }
    if (!rec.text.empty() && rec.text[0] == '^') return;
    if (kind(rec) == SeriesKind::Value || rec.text.empty()) return;
    rec.inlegend = 1;
    ++st.legend.Lgnum;
    st.legend.Lmaxtext = std::max(st.legend.Lmaxtext, legend_label_length(rec.text));
}

// Bars of an axis form one group when stacked, else one group per series;
// the first bar series gives the interval between the groups.
void count_bar_groups(SeriesTable& d) {
    d.kolR1 = 0;
    int count = 0;
    const SeriesRecord* first = nullptr;
    for (int i = 0; i < series_count(d); ++i) {
        const SeriesRecord& rec = d.rec[static_cast<std::size_t>(i)];
        if (rec.tip != kBarTip) continue;
        if (first == nullptr) first = &rec;
        ++count;
    }
    d.kolR1 = d.kolR2 == 1 ? 1 : count;
    if (first != nullptr) {
        const int interval = first->width == -1 ? kDefaultBarInterval : first->width;
        d.intR1 = std::min(interval, kLargestBarInterval);
    }
}

// The chart's id, "_" and the series' ordinal; a long chart id is cut from
// its end so that the whole id keeps within its bound.
std::string series_id(const std::string& chart_id, int ordinal) {
    const std::string suffix = "_" + decimal(ordinal);
    const std::size_t room = kSeriesIdMax - std::min(suffix.size(), kSeriesIdMax);
    return chart_id.substr(0, std::min(chart_id.size(), room)) + suffix;
}

}  // namespace

void finish_series(ChartState& st, RunContext& run) {
    if (st.d1.num < 0 && st.d2.num < 0) {
        report_message(run, Msg::DataMiss);
        return;
    }

    st.d1.min = st.d1.max = st.d2.min = st.d2.max = 0;
    st.d1.kolR2 = st.d2.kolR2 = -1;
    measure_ranges(st, &run);
    stack_series(st);
    measure_ranges(st, nullptr);

    for (int axis = 1; axis <= 2; ++axis) {
        SeriesTable& d = st.table(axis);
        for (int i = 0; i < series_count(d); ++i) default_size(d.rec[static_cast<std::size_t>(i)], st.area.Aheight);
    }
    for (int axis = 1; axis <= 2; ++axis) {
        SeriesTable& d = st.table(axis);
        for (int i = 0; i < series_count(d); ++i) default_colors(d.rec[static_cast<std::size_t>(i)]);
    }
    for (int axis = 1; axis <= 2; ++axis) {
        SeriesTable& d = st.table(axis);
        for (int i = 0; i < series_count(d); ++i) settle_legend_entry(st, d.rec[static_cast<std::size_t>(i)]);
    }

    for (int axis = 1; axis <= 2; ++axis) {
        SeriesTable& d = st.table(axis);
        count_bar_groups(d);
    }

    // Several bar groups need the X positions inside the cells; bars stand
    // on the value 0 unless the scale says where the X axis crosses it.
    if (st.d1.kolR1 > 1 || st.d2.kolR1 > 1) st.x.XYcross = -1;
    for (int axis = 1; axis <= 2; ++axis) {
        SeriesTable& d = st.table(axis);
        Scale& y = st.scale(axis);
        if (d.kolR1 != 0 && y.pxlocate == -1) {
            y.pxlocate = 1;
            y.xlocate = 0;
        }
    }

    if (!st.area.Aid.empty()) {
        for (int axis = 1; axis <= 2; ++axis) {
            SeriesTable& d = st.table(axis);
            for (int i = 0; i < series_count(d); ++i) {
                SeriesRecord& rec = d.rec[static_cast<std::size_t>(i)];
                rec.id = series_id(st.area.Aid, rec.pornum);
            }
        }
    }
}

}  // namespace qp
