// The canvas of an HTML5 page whose charts are inline SVG.  Every drawing
// call lands at the same pixel coordinates as on a VML page; each chart
// block is a positioned div holding one self-contained <svg> (its own
// namespace, presentation attributes only, a title and a description for
// assistive technology).
//
// Series elements that follow each other with the same paint, id, link and
// title share one group, so that the id, the link (<a href>) and the
// tooltip (<title>) are written once for the group; consecutive lines of a
// group become one path, joined round where one ends at the next one's
// start.  Every text and attribute value is escaped, colours and font
// words are written only when valid, and links only when their scheme is
// harmless (page/svg_text.h).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>

#include "page/canvas.h"
#include "page/page_text.h"

namespace qp {

// What the charts of one page share: the page's name (the title of a
// chart without one) and the ids already used on the page.
class SvgPage {
public:
    explicit SvgPage(std::string name = {}) : name_(std::move(name)) {}

    // Starts a new page.
    void reset(std::string_view name);
    std::string_view name() const { return name_; }

    // True (and the id is taken) when `id` is not yet used on the page.
    bool claim(std::string_view id);
    // A number for the ids of the next block, whose ids "qpN-t" and
    // "qpN-d" are then taken.
    int claim_block_number();

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::string name_;
    std::unordered_set<std::string, Hash, std::equal_to<>> ids_;
    int blocks_ = 0;
};

class SvgCanvas final : public Canvas {
public:
    // `spill`, when given, is called whenever the page text has grown past
    // kSpillBytes, to hand it on to the file.
    SvgCanvas(PageText& out, SvgPage& page, std::function<void()> spill = {})
        : out_(out), page_(page), spill_(std::move(spill)) {}
    // A group still open is closed, so that the page stays well formed.
    ~SvgCanvas() override { close_group(); }
    SvgCanvas(const SvgCanvas&) = delete;
    SvgCanvas& operator=(const SvgCanvas&) = delete;

    static constexpr std::size_t kSpillBytes = std::size_t{1} << 20;

    // Texts of chart files from others: their markup is shown as text,
    // not obeyed.
    void show_markup_as_text() { markup_as_text_ = true; }

    void heading(const PageHeading& heading) override;
    void verbatim(std::string_view bytes) override;
    void page_end() override;
    void describe(const ChartSummary& summary) override;

    void begin_block(const Block& block) override;
    void end_block() override;
    void frame_box(const FrameBox& frame) override;
    void fill_rect(const Rect& box, std::string_view color) override;
    void error_notice(int width, int height, std::string_view file_name) override;

    void rule(Point from, Point to, int weight, std::string_view color) override;
    void line(Point from, Point to, int weight, std::string_view color,
              const Tags& tags) override;

    void text_box(TextRole role, const Rect& box, Align align, const TextStyle& style,
                  std::string_view text) override;
    void text_along(TextRole role, Point from, Point to, Align align, const TextStyle& style,
                    std::string_view text) override;
    void scale_label(const Rect& box, Align align, const TextStyle& style,
                     const Number& number) override;
    void value_label(const Rect& box, const TextStyle& style, const Number& number,
                     const Tags& tags) override;

    void rect(const Rect& box, const Paint& paint, const Tags& tags) override;
    void oval(const Rect& box, const Paint& paint, const Tags& tags) override;
    void triangle(const std::array<Point, 3>& corners, const Paint& paint,
                  const Tags& tags) override;
    void area_segment(const std::array<Point, 4>& corners, const Paint& paint,
                      const Tags& tags) override;
    void sector(const Sector& sector) override;

private:
    // --- Writing ---
    void raw(std::string_view bytes) { out_.append(bytes); }
    void num(long long v);
    void dec(double v, int decimals = 1);
    void escaped(std::string_view text);   // a text as it stands
    // A text with its markup resolved (or shown as text).
    void plain(std::string_view text);
    // name="colour", the fallback when the colour is not valid.
    void color_attr(std::string_view name, std::string_view color, std::string_view fallback);
    void xywh(const Rect& box);
    void element_done();

    // --- Blocks ---
    void svg_open(const Block& block);
    void block_title();
    void block_desc();

    // --- Groups of series elements ---
    // How a group paints its elements: shapes filled and outlined, lines
    // stroked with round joins, or nothing (a label that brings its own).
    enum class Kind { Shape, Line, Unpainted };
    struct Look {
        std::string_view fill;
        std::string_view stroke;
        int weight = 1;
        Kind kind = Kind::Shape;
    };
    static std::string_view id_of(const Tags& tags) { return tags.helper ? std::string_view() : tags.id; }
    void enter_group(const Tags& tags, const Look& look);
    bool same_group(const Tags& tags, const Look& look) const;
    void open_group(const Tags& tags, const Look& look);
    void close_group();
    void close_path();
    void path_line(Point from, Point to, bool join);

    // --- Texts ---
    // Where a text's first line starts (its anchor and baseline), and the
    // angle in degrees by which it is turned about `pivot`.
    struct TextAt {
        double x = 0;
        double y = 0;
        Align align = Align::Left;
        double angle = 0;
        Point pivot;
    };
    void text_element(const TextAt& at, const TextStyle& style, std::string_view text,
                      bool markup);
    void box_text(const Rect& box, Align align, const TextStyle& style, std::string_view text,
                  bool markup);
    // Where a text of `lines` lines stands in its box.
    static TextAt in_box(const Rect& box, Align align, const TextStyle& style, int lines);
    void background(const Rect& box, std::string_view color);

    PageText& out_;
    SvgPage& page_;
    std::function<void()> spill_;
    std::string scratch_;   // escaped texts, reused
    bool markup_as_text_ = false;
    std::string as_text_;   // the last text shown as text, escaped
    std::optional<ChartSummary> summary_;
    int blocks_ = 0;   // blocks since the chart was described

    bool group_open_ = false;
    bool group_is_link_ = false;
    std::string group_id_, group_link_, group_title_, group_fill_, group_stroke_;
    int group_weight_ = 0;
    Kind group_kind_ = Kind::Unpainted;
    bool path_open_ = false;
    bool path_joins_ = false;   // the path's last command is a line that may be continued
    Point path_end_;
};

}  // namespace qp
