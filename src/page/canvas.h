// The surface painters draw on, in drawing terms: blocks and groups, boxes,
// rules and lines, texts, series shapes and pie sectors.  A canvas owns the
// exact markup of its page format; painters only work out geometry and hand
// each element over in one call.
//
// Coordinates are pixels in the group's coordinate space.  Colours, font
// words, ids, links and titles are raw texts as the chart gives them: the
// canvas escapes what its format needs escaped.
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace qp {

struct Point {
    int x = 0;
    int y = 0;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The font and colours of a text: style, weight, size and family of the
// font, the text colour and the background (empty: none).
struct TextStyle {
    std::string_view italic;
    std::string_view bold;
    int size = 0;
    std::string_view font;
    std::string_view color;
    std::string_view background;
};

// What a series element carries besides its shape: its id, the address it
// links to and its tooltip.  Each may be empty.  A helper element only
// helps draw another element of its series (the round joints of a thick
// line): a format whose ids must be unique gives the id to the series' own
// element instead.
struct Tags {
    std::string_view id;
    std::string_view link;
    std::string_view title;
    bool helper = false;
};

// The colours of a shape and its outline weight in pixels; a shape with no
// weight (a narrow bar) is outlined as thinly as the format allows.
struct Paint {
    std::string_view fill;
    std::string_view stroke;
    std::optional<int> weight;
};

enum class Align { Left, Center, Right };
enum class Corners { Square, Round };

// Which text of the chart a text box or a text along a line is.
enum class TextRole {
    Title,           // the chart title
    XCaption,        // the caption under the categories
    YCaption,        // a scale's caption, across or along its side
    CategoryLabel,   // a category label (also under a pie)
    LegendLabel,     // the text of a legend entry
};

// The page heading: the standard one, or the short one of an error page.
struct PageHeading {
    bool error_page = false;
    bool title_line = false;   // the heading names the page's title
    std::string_view title;
};

// A positioned block holding one group: in the page's flow at `left`, or
// at (left, top) of the page.  The group's coordinate space is
// width x height.
struct Block {
    bool in_flow = true;
    int left = 0;
    int top = 0;
    std::string_view id;    // the block's id, or empty
    bool id_slot = true;    // false: the block has no place for an id at all
    int width = 0;
    int height = 0;
};

// The bordered background of a chart or legend.
struct FrameBox {
    Rect box;
    std::string_view fill;
    std::string_view stroke;
    int weight = 1;
    Corners corners = Corners::Square;
    bool shadow = false;
};

// A number as a label shows it: rounded to a whole number (no decimals),
// or in fixed point with `decimals` decimals right-aligned in
// `field_width` characters.
struct Number {
    float value = 0;
    int decimals = 0;
    int field_width = 0;
};

// One pie sector in a space of the group's size: part of the circle around
// `centre`, starting at `start_degrees` and turning by `sweep_degrees`.
// Angles are whole degrees, counted counter-clockwise from 3 o'clock (90
// is the top); a negative sweep turns clockwise.
struct Sector {
    int width = 0;
    int height = 0;
    Point centre;
    int radius = 0;
    long long start_degrees = 0;
    long long sweep_degrees = 0;
    Paint paint;   // weight unused
    Tags tags;
};

// What a chart shows, in words, for formats that describe their charts to
// readers who cannot see them: the title (without its alignment mark), the
// series with their kinds, the first and last category, and the range of
// each scale drawn.
struct ChartSummary {
    struct Series {
        std::string_view name;
        std::string_view kind;   // "line", "bars", "pie", ...
    };
    struct Scale {
        bool drawn = false;
        float min = 0;
        float max = 0;
    };
    std::string_view title;
    std::vector<Series> series;
    std::string_view first_category;
    std::string_view last_category;
    std::array<Scale, 2> scales{};
    bool legend_only = false;   // the chart's only block is its legend
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // --- Page ---
    virtual void heading(const PageHeading& heading) = 0;
    // Bytes that go to the page as they stand (a heading file, which may
    // come in several pieces).
    virtual void verbatim(std::string_view bytes) = 0;
    virtual void page_end() = 0;
    // What the chart drawn next shows; comes before its first block.
    virtual void describe(const ChartSummary& summary) = 0;

    // --- Blocks and boxes ---
    virtual void begin_block(const Block& block) = 0;
    virtual void end_block() = 0;
    virtual void frame_box(const FrameBox& frame) = 0;
    // A box filled and outlined in one colour (background, plot, legend).
    virtual void fill_rect(const Rect& box, std::string_view color) = 0;
    // The red notice that stands in for a chart that could not be read.
    virtual void error_notice(int width, int height, std::string_view file_name) = 0;

    // --- Lines ---
    // A tick, grid, axis or edge line.
    virtual void rule(Point from, Point to, int weight, std::string_view color) = 0;
    // A line of a series (also a border edge, a cross marker, a sample).
    virtual void line(Point from, Point to, int weight, std::string_view color,
                      const Tags& tags) = 0;

    // --- Text ---
    virtual void text_box(TextRole role, const Rect& box, Align align, const TextStyle& style,
                          std::string_view text) = 0;
    // Text along the line from `from` to `to`, over a stripe of the
    // background colour when there is one.
    virtual void text_along(TextRole role, Point from, Point to, Align align,
                            const TextStyle& style, std::string_view text) = 0;
    // A scale's value label.
    virtual void scale_label(const Rect& box, Align align, const TextStyle& style,
                             const Number& number) = 0;
    // A series value label.
    virtual void value_label(const Rect& box, const TextStyle& style, const Number& number,
                             const Tags& tags) = 0;

    // --- Series shapes ---
    virtual void rect(const Rect& box, const Paint& paint, const Tags& tags) = 0;
    virtual void oval(const Rect& box, const Paint& paint, const Tags& tags) = 0;
    virtual void triangle(const std::array<Point, 3>& corners, const Paint& paint,
                          const Tags& tags) = 0;
    // The filled quadrilateral under one segment of an area line.
    virtual void area_segment(const std::array<Point, 4>& corners, const Paint& paint,
                              const Tags& tags) = 0;
    virtual void sector(const Sector& sector) = 0;
};

}  // namespace qp
