// The tidy layout's rules, each on its own: round scale steps with the
// decimals they need, walks that end at the scale's ends, category labels
// thinned until they do not overlap, margins that hold the X caption below
// the labels and the Y captions below the title, value labels over their
// own bars, a legend wide enough for bold capitals inside the area, and
// pie grids that make the pies as large as the plot allows.
#pragma once

#include <vector>

#include "layout/layout.h"

namespace qp {

// How far the walks of a tidy scale may pass its ends, in steps: only as
// far as single-precision sums stray, so that an end on a step is reached
// and nothing lies beyond it.
inline constexpr double kTidyReach = 1e-3;

// A character's width per unit of font size for bold capitals.
inline constexpr double kBoldCapitalWidth = 0.8;

// 1, 2, 2.5 or 5 times a power of ten, and the decimals it is written with.
struct RoundStep {
    double step = 0;
    int decimals = 0;
};

// The round step nearest (by ratio) to one of about 40 pixels on a range
// of `range` over `height` pixels; a step of 0 when the range is empty or
// not finite.
RoundStep round_step(double range, int height);

// A scale's step by the tidy rules: an automatic step is round and its
// labels carry the decimals it needs; a given step keeps its typed
// decimals; every walk ends at the scale's ends.
ScaleLayout tidy_scale_step(const Scale& scale, int height);

// The height the category labels take below their gap: a text line, or
// the rise of the longest slanted label and a line.
double category_label_room(const ChartState& st);

// Ticks and labels of a tidy scale sit on multiples of its step: their
// walks start at the first multiple at or above the crossing value, when
// the scale reaches it (the crossing itself is then labelled only when it
// lies on a step).
void start_walks_on_steps(const Scale& scale, ScaleLayout& at);

// The smallest k such that every k-th category label (from the first)
// overlaps none of its shown neighbours, measured with the layout's
// character width: boxes side by side for horizontal labels, lines a
// text height apart for slanted ones.
int category_label_every(const ChartState& st, const CategoryLayout& x);

// Margins grown so that the X caption lies below the category labels and
// no horizontal Y caption lies over the title.  A margin grows to a third
// of the area's height at most.
void room_for_captions(const ChartState& st, FrameLayout& frame);

// The offsets that put the labels of the k-th value series of an axis
// over the k-th bar of each group (bars side by side only).
std::vector<int> value_offsets_over_bars(const SeriesTable& table, const BarLayout& bars);

// The automatic legend width that holds its longest label in bold
// capitals; the given width otherwise.
int tidy_legend_width(const ChartState& st, const LegendLayout& legend);

// A legend of a placed chart that has its default place moves inside the
// area, into a right margin grown to hold it, level with the plot's top,
// when the area has the room (the plot keeps two thirds of its width and
// the legend's height) and no Y2 scale uses that margin.
void place_legend_inside(const ChartState& st, FrameLayout& frame, LegendLayout& legend);

// The boxes of `n` pies in a grid whose number of rows and columns makes
// the pies as large as the plot allows, filled in the arrangement's order.
std::vector<PieBox> tidy_pie_grid(const ChartState& st, const FrameLayout& frame, int n,
                                  PieArrangement arrangement);

}  // namespace qp
