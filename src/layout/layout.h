// The layout of a completed chart: every place and size the painters draw
// at, worked out once before anything is drawn.  Painters read the chart
// and its layout and never change either, so that a chart drawn twice
// gives the same page.
#pragma once

#include <string>
#include <vector>

#include "layout/pie_layout.h"
#include "model/chart_state.h"

namespace qp {

struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Box&) const = default;
};

// The chart's block on the page and its group.  Inside the group the area
// starts at the origin, inset by a border wider than 1 pixel; the margins
// are the completed ones, or 10 % of the area on both sides where they
// leave less than 10 pixels between them.
struct FrameLayout {
    bool in_flow = true;      // the chart has no top of its own
    int page_left = 0;        // the block's place as the area record gave it
    int page_top = -1;
    int group_width = 0;      // the block and group size: the whole area
    int group_height = 0;
    std::string background;   // the area colour in lower case
    bool transparent = false;
    Box area;                 // the area inside the border, in the group
    int Cleft = 0;
    int Cright = 0;
    int Ctop = 0;
    int Cbottom = 0;
    bool operator==(const FrameLayout&) const = default;
};

// The plot rectangle's edges in the group, and its height.
struct PlotLayout {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
    int height = 0;
    bool operator==(const PlotLayout&) const = default;
};

// Which rules lay a chart out: the specified ones, or the tidy ones that
// keep every text readable (round steps, nothing outside the plot, no
// overlapping labels).  Both read the same chart.
enum class LayoutPolicy { Specified, Tidy };

// A value scale's step (the one given, or one of about 40 pixels filled
// in), the decimals of its labels, how far its walks may pass the scale's
// ends (in steps), the row at which the X axis crosses it, and where the
// walks of ticks and labels start: the crossing value, unless the origin
// is moved onto a step.
struct ScaleLayout {
    int pstep = -1;
    float step = 0;
    int xrow = 0;
    int decimals = 0;
    double reach = 0.5;
    bool origin_moved = false;
    float origin = 0;
    bool operator==(const ScaleLayout&) const = default;
};

// The category pitch: the slot width, the distance between two labels and
// the offset of a label in its slot.  All three are 0 when the category
// axis is not drawn, so that every position then lands on the plot's left
// edge.  Every `label_every`-th label is written (from the first); every
// tick is drawn.
struct CategoryLayout {
    float Xstepr = 0;
    float Xstepm = 0;
    float dXstepm = 0;
    int label_every = 1;
    bool operator==(const CategoryLayout&) const = default;
};

// The width of one bar of an axis (0 when the axis has no bars), and the
// horizontal offset of each value series' labels from their category, by
// the series' index in the axis's table (none listed: 0).
struct BarLayout {
    int Rwidth = 0;
    std::vector<int> value_offsets;
    int value_offset(int s) const {
        return s >= 0 && s < static_cast<int>(value_offsets.size())
                   ? value_offsets[static_cast<std::size_t>(s)] : 0;
    }
    bool operator==(const BarLayout&) const = default;
};

// The pies: the number of pie series of both axes, the start angle and
// arrangement the first of them gives, and one box per pie.
struct PieLayout {
    int series = 0;
    int start_angle = 0;
    PieArrangement arrangement = PieArrangement::Rows;
    std::vector<PieBox> boxes;
    bool operator==(const PieLayout&) const = default;
};

// A series shown in the legend.
struct LegendEntry {
    int pornum = 0;
    int axis = 1;    // 1 or 2
    int index = 0;   // in the axis's series table
    bool operator==(const LegendEntry&) const = default;
};

// The legend's block and the grid of its cells.  The cells start inside a
// border wider than 1 pixel, drawn or not; the cell size is held in single
// precision.
struct LegendLayout {
    bool shown = false;
    bool in_flow = true;
    int page_left = 0;
    int page_top = 0;
    int width = 0;            // the block and group size
    int height = 0;
    std::string background;   // the legend colour in lower case
    bool transparent = false;
    Box cells;                // the room of the cells, in the group
    int cols = 1;
    int rows = 1;
    float cw = 0;
    float ch = 0;
    std::vector<LegendEntry> entries;   // in drawing order
    bool operator==(const LegendLayout&) const = default;
};

struct Layout {
    FrameLayout frame;
    PlotLayout plot;
    ScaleLayout y1;
    ScaleLayout y2;
    CategoryLayout x;
    BarLayout bars1;
    BarLayout bars2;
    PieLayout pies;
    bool pies_only = false;   // every series is a pie: no scales are drawn
    LegendLayout legend;

    const ScaleLayout& y(int number) const { return number == 1 ? y1 : y2; }
    const BarLayout& bars(int number) const { return number == 1 ? bars1 : bars2; }
    bool operator==(const Layout&) const = default;
};

// The layout of a completed chart.  Reads the chart only; the same chart
// always gives the same layout.
Layout lay_out(const ChartState& completed, LayoutPolicy policy = LayoutPolicy::Specified);

// True when the category axis is drawn: a scale that the chart draws has
// a step (the Y1 scale stands in when the chart draws none).
bool category_axis_drawn(const ChartState& st, const Layout& layout);

// The legend's part of the layout (in layout/legend_layout.cpp).
LegendLayout lay_out_legend(const ChartState& st, LayoutPolicy policy = LayoutPolicy::Specified);

}  // namespace qp
