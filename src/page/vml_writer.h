// The one place that knows the exact HTML and VML texts of a chart page.
//
// Painters work out geometry and hand every element to a VmlWriter, one
// method per kind of element; the writer formats the element's exact bytes
// straight into the page text.  Numbers are written digit by digit (or
// with std::to_chars), never through a locale.  Every text that lands inside a quoted attribute value has the
// delimiting quote replaced by its character reference ("'" becomes "&#39;"
// inside '...'); text between tags is written exactly as given, so markup
// in a title keeps working.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "page/canvas.h"
#include "page/page_text.h"
#include "model/pixel_math.h"

namespace qp {

// The text of an element's format, as a template argument.
template <std::size_t N>
struct FormatText {
    char text[N]{};
    constexpr FormatText(const char (&s)[N]) {
        for (std::size_t i = 0; i < N; ++i) text[i] = s[i];
    }
    constexpr std::size_t size() const { return N - 1; }
};

class VmlWriter {
public:
    explicit VmlWriter(PageText& out, std::function<void()> spill = {})
        : out_(out), spill_(std::move(spill)) {}

    // Page text beyond this size is handed on through `spill`.
    static constexpr std::size_t kSpillBytes = std::size_t{1} << 20;

    PageText& page() { return out_; }

    // --- Attribute texts of a series element ---
    // Each is empty when its source is empty, else "id='...'",
    // "title='...'" and "href='...'" with the source quote-escaped.
    static std::string id_attr(std::string_view id);
    static std::string title_attr(std::string_view text);
    static std::string link_attr(std::string_view url);
    // `text` with every `quote` character replaced by its reference.
    static std::string escape_attr(std::string_view text, char quote = '\'');

    // The same attributes as the series elements take them, written
    // straight into the element: made from the raw text by id(), link()
    // and title(), or from an attribute text already formed by formed().
    struct Attribute {
        std::string_view name;   // empty: `text` is an already formed attribute
        std::string_view text;
    };
    static Attribute id(std::string_view raw) { return {"id", raw}; }
    static Attribute link(std::string_view raw) { return {"href", raw}; }
    static Attribute title(std::string_view raw) { return {"title", raw}; }
    static Attribute formed(std::string_view text) { return {{}, text}; }

    // --- Page ---
    // The standard page heading; the <title> line only when `with_title`.
    void standard_heading(bool with_title, std::string_view title);
    // The short heading of an error page: the head on one line, no
    // character set.
    void error_heading(bool with_title, std::string_view title);
    // Bytes copied to the page as they stand (a heading file).
    void raw(std::string_view bytes);

    // --- Chart block and frame ---
    // "<div style='position:relative;left:Lpx' ID>"; `id` is the whole
    // attribute text with its leading blank (" id='...'"), or empty.
    void block_relative(int left, std::string_view id);
    void block_absolute(int top, int left, std::string_view id);
    // The block of an error page, without a place for an id.
    void bare_block_relative(int left);
    void bare_block_absolute(int top, int left);
    void group_open(int width, int height);
    // Closes the group and the chart's block.
    void group_close();
    // The bordered background; `arcsize` is the whole corner attribute.
    void background_roundrect(std::string_view arcsize, std::string_view fill,
                              std::string_view stroke, int weight, int top,
                              int left, int width, int height, bool shadow);
    // The red box and white "ERRORS in <file>" text of an error page that
    // fill a group of width x height.
    void error_notice(long long width, long long height, std::string_view file_name);
    // A plain rectangle with a 1px outline (background without border,
    // plot rectangle).
    void filled_rect(std::string_view fill, std::string_view stroke, int top,
                     int left, int width, int height);

    // --- Lines ---
    // The series line element: id, link and title are whole attribute
    // texts (or empty).
    void series_line(const Attribute& id, int x1, int y1, int x2, int y2, int weight,
                     std::string_view color, const Attribute& link, const Attribute& title);
    // A tick, grid or axis line: "from='x,y'" and a blank before ">".
    void rule_line(int x1, int y1, int x2, int y2, int weight,
                   std::string_view color);

    // --- Text ---
    // A text box shape: "top;left;text-align;width;height" and a blank
    // before ">" (title, X caption).
    void text_shape(int top, int left, std::string_view align, int width,
                    int height, const TextStyle& style, std::string_view text);
    // The Y scale's horizontal caption: like text_shape, but its closing
    // "</v:shape>" has no line end.
    void caption_shape(int top, int left, std::string_view align, int width,
                       int height, const TextStyle& style,
                       std::string_view text);
    // A horizontal X label: height before width, blank before ">".
    void x_label_shape(int top, int left, int height, int width,
                       const TextStyle& style, std::string_view text);
    // A Y scale value label box, no blank before ">"; the value line is
    // written by one of the two value_line methods, then shape_end().
    void value_label_open(int top, int left, std::string_view align, int width,
                          int height, const TextStyle& style);
    // "<v:textbox/>N</v:textbox/>" with the value rounded to an integer.
    void value_line_rounded(float value);
    // The value in fixed-point notation, right-aligned in `width`
    // characters with `decimals` decimals (the "%W.Df" conversion).
    void value_line_fixed(float value, int width, int decimals);
    void shape_end();

    // Text along a line (slanted X labels, vertical Y captions), from
    // (x1 y1) to (x2 y2) with blank-separated coordinates.  `positioned`
    // adds "style='position:absolute'" to the line elements.
    // The background stripe under the text, drawn first when a background
    // colour is set.
    void text_stripe(bool positioned, int x1, int y1, int x2, int y2,
                     std::string_view color, int weight);
    void text_path(bool positioned, int x1, int y1, int x2, int y2,
                   std::string_view align, const TextStyle& style,
                   std::string_view text);

    // --- Series elements (markers, bars, value labels, pies, legend) ---
    // In these methods `id`, `link` and `title` are the element's
    // attributes (see Attribute).
    using Point = qp::Point;
    // The box of a marker (shapes 1, 2 and the background of 6) or of a bar
    // at least 4 pixels wide.
    void series_rect(const Attribute& id, std::string_view fill,
                     std::string_view stroke, int weight, int top, int left,
                     int width, int height, const Attribute& link,
                     const Attribute& title);
    // The box of a narrow bar: no stroke weight.
    void series_rect_unweighted(const Attribute& id, std::string_view fill,
                                std::string_view stroke, int top, int left,
                                int width, int height, const Attribute& link,
                                const Attribute& title);
    // The circle of marker shape 4 (and of the joints of thick lines).
    void series_oval(const Attribute& id, std::string_view fill,
                     std::string_view stroke, int weight, int top, int left,
                     int width, int height, const Attribute& link,
                     const Attribute& title);
    // The triangle of marker shape 3, closed by repeating its first point.
    void series_triangle(const Attribute& id, std::string_view fill,
                         std::string_view stroke, int weight, Point p1, Point p2,
                         Point p3, const Attribute& link, const Attribute& title);
    // One filled quadrilateral under a segment of an area line.
    void area_polyline(const Attribute& id, std::string_view fill,
                       std::string_view stroke, Point p1, Point p2, Point p3,
                       Point p4, const Attribute& link, const Attribute& title);
    // The opening tag of a series value label (height before width); the
    // value line and shape_end() follow.
    void series_value_open(const Attribute& id, int top, int left, int height,
                           int width, const TextStyle& style,
                           const Attribute& link, const Attribute& title);
    // One pie sector on one line.  Here `url`, `id` and `text` are the raw
    // series texts: the link text ("href='...' " with its trailing blank)
    // carries the id text appended.
    void pie_sector(int width, int height, int cx, int cy, int r,
                    long long start, long long sweep, std::string_view fill,
                    std::string_view stroke, std::string_view url,
                    std::string_view id, std::string_view text);
    // The text of a legend entry: height before width, no background.
    void legend_text(int top, int left, int height, int width,
                     const TextStyle& style, std::string_view text);

private:
    // Appends the element of format F with its conversions filled from
    // `args` in order (defined with the format machinery).
    template <FormatText F, typename... A>
    void emit(const A&... args);
    // The element that ends at `end` is complete: the page text ends
    // there, and is handed on once it has grown past kSpillBytes.
    void end_element(const char* end);

    PageText& out_;
    std::function<void()> spill_;
};

}  // namespace qp
