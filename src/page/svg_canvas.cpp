// The page, the blocks and the texts of an SVG page.
#include "page/svg_canvas.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "model/pixel_math.h"
#include "page/svg_text.h"

namespace qp {

namespace {

// A text box of the layout is as high as one line of its text.  The text
// starts at the box's left edge, is centred on the box's middle or ends at
// its right edge, with no inset; its lines are centred as a block on the
// box's middle, a line's baseline lying this many font sizes below the
// line's middle.  A text along a line is centred on the line the same way.
constexpr double kMiddleToBaseline = 0.35;
// The error notice fills its chart; its text stands at the top, this far
// below the edge (0.05 inch at 96 pixels to the inch), its baseline an
// ascent of this many font sizes lower.
constexpr double kNoticeInset = 4.8;
constexpr double kAscent = 0.9;

// The baseline of the first of `lines` lines centred as a block on `middle`.
double first_baseline(double middle, double size, int lines) {
    return middle - (lines - 1) * svg::kLineHeight * size / 2 + kMiddleToBaseline * size;
}

constexpr std::string_view kPageEnd = "</body></html>";

std::string_view anchor_of(Align align) {
    switch (align) {
        case Align::Left: return {};
        case Align::Center: return "middle";
        case Align::Right: break;
    }
    return "end";
}

}  // namespace

// --- The page's shared state ---

void SvgPage::reset(std::string_view name) {
    name_.assign(name);
    ids_.clear();
    blocks_ = 0;
}

bool SvgPage::claim(std::string_view id) {
    if (ids_.find(id) != ids_.end()) return false;
    ids_.emplace(id);
    return true;
}

int SvgPage::claim_block_number() {
    for (;;) {
        const std::string base = "qp" + std::to_string(++blocks_);
        if (ids_.find(base + "-t") == ids_.end() && ids_.find(base + "-d") == ids_.end()) {
            ids_.insert(base + "-t");
            ids_.insert(base + "-d");
            return blocks_;
        }
    }
}

// --- Writing ---

void SvgCanvas::num(long long v) {
    char* p = out_.room(24);
    out_.commit(std::to_chars(p, p + 24, v).ptr);
}

void SvgCanvas::dec(double v, int decimals) {
    char* p = out_.room(32);
    out_.commit(svg::put_decimal(p, v, decimals));
}

void SvgCanvas::escaped(std::string_view text) {
    scratch_.clear();
    svg::append_escaped(scratch_, text);
    raw(scratch_);
}

void SvgCanvas::plain(std::string_view text) {
    scratch_.clear();
    if (markup_as_text_) {
        svg::append_escaped(scratch_, text);
    } else {
        svg::append_plain(scratch_, text);
    }
    raw(scratch_);
}

void SvgCanvas::color_attr(std::string_view name, std::string_view color,
                           std::string_view fallback) {
    std::string_view c = svg::safe_color(color);
    if (c.empty()) c = fallback;
    if (c.empty()) return;
    raw(" ");
    raw(name);
    raw("=\"");
    raw(c);
    raw("\"");
}

void SvgCanvas::xywh(const Rect& b) {
    // A box of negative size is the box between the same edges.
    long long left = b.left, top = b.top, width = b.width, height = b.height;
    if (width < 0) left += width, width = -width;
    if (height < 0) top += height, height = -height;
    raw(" x=\"");
    num(left);
    raw("\" y=\"");
    num(top);
    raw("\" width=\"");
    num(width);
    raw("\" height=\"");
    num(height);
    raw("\"");
}

void SvgCanvas::element_done() {
    if (spill_ && out_.size() >= kSpillBytes) spill_();
}

// --- Page ---

void SvgCanvas::heading(const PageHeading& heading) {
    raw("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n");
    if (heading.title_line) {
        raw("<title>");
        plain(heading.title);
        raw("</title>\n");
    }
    raw("<meta name=\"generator\" content=\"Quillplot\">\n</head>\n<body>\n");
}

void SvgCanvas::verbatim(std::string_view bytes) {
    raw(bytes);
    element_done();
}

void SvgCanvas::page_end() { raw(kPageEnd); }

void SvgCanvas::describe(const ChartSummary& summary) {
    summary_ = summary;
    blocks_ = 0;
}

// --- Blocks and boxes ---

void SvgCanvas::begin_block(const Block& b) {
    close_group();
    if (b.in_flow) {
        raw("<div style=\"position:relative;left:");
        num(b.left);
    } else {
        raw("<div style=\"position:absolute;top:");
        num(b.top);
        raw("px;left:");
        num(b.left);
    }
    raw("px\"");
    if (b.id_slot && !b.id.empty() && page_.claim(b.id)) {
        raw(" id=\"");
        escaped(b.id);
        raw("\"");
    }
    raw(">\n");
    svg_open(b);
    ++blocks_;
}

void SvgCanvas::svg_open(const Block& b) {
    const int width = std::max(b.width, 0);
    const int height = std::max(b.height, 0);
    const int n = page_.claim_block_number();
    raw("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"");
    num(width);
    raw("\" height=\"");
    num(height);
    raw("\" viewBox=\"0 0 ");
    num(width);
    raw(" ");
    num(height);
    raw("\" role=\"img\" aria-labelledby=\"qp");
    num(n);
    raw("-t qp");
    num(n);
    raw("-d\" shape-rendering=\"crispEdges\" overflow=\"visible\">\n<title id=\"qp");
    num(n);
    raw("-t\">");
    block_title();
    raw("</title>\n<desc id=\"qp");
    num(n);
    raw("-d\">");
    block_desc();
    raw("</desc>\n");
}

// The chart's title, else the page's name; a legend's is marked as such.
void SvgCanvas::block_title() {
    const bool legend = summary_ && (blocks_ > 0 || summary_->legend_only);
    if (legend) raw("Legend: ");
    if (summary_ && !summary_->title.empty()) {
        plain(summary_->title);
    } else {
        escaped(page_.name());
    }
}

// The series with their kinds, the categories' first and last label and
// each scale's range.
void SvgCanvas::block_desc() {
    if (!summary_) return;
    const ChartSummary& sum = *summary_;
    std::string_view gap;   // between sentences
    if (!sum.series.empty()) {
        raw("Series: ");
        for (std::size_t i = 0; i < sum.series.size(); ++i) {
            if (i > 0) raw("; ");
            plain(sum.series[i].name.empty() ? std::string_view("unnamed") : sum.series[i].name);
            raw(" (");
            raw(sum.series[i].kind);
            raw(")");
        }
        raw(".");
        gap = " ";
    }
    if (!sum.first_category.empty() || !sum.last_category.empty()) {
        raw(gap);
        raw("Categories from ");
        plain(sum.first_category);
        raw(" to ");
        plain(sum.last_category);
        raw(".");
        gap = " ";
    }
    const std::array<std::string_view, 2> sides{"Left scale", "Right scale"};
    for (std::size_t s = 0; s < sum.scales.size(); ++s) {
        if (!sum.scales[s].drawn) continue;
        char buf[64];
        raw(gap);
        gap = " ";
        raw(sides[s]);
        raw(" from ");
        raw({buf, static_cast<std::size_t>(std::to_chars(buf, buf + 32, sum.scales[s].min).ptr - buf)});
        raw(" to ");
        raw({buf, static_cast<std::size_t>(std::to_chars(buf, buf + 32, sum.scales[s].max).ptr - buf)});
        raw(".");
    }
}

void SvgCanvas::end_block() {
    close_group();
    raw("</svg></div>\n");
    element_done();
}

void SvgCanvas::frame_box(const FrameBox& f) {
    close_group();
    const int shorter = std::min(std::abs(f.box.width), std::abs(f.box.height));
    const double radius = f.corners == Corners::Round ? shorter * 0.05 : 0;
    const auto box = [&](const Rect& b, std::string_view fill, std::string_view stroke) {
        raw("<rect");
        xywh(b);
        if (radius > 0) {
            raw(" rx=\"");
            dec(radius, 2);
            raw("\"");
        }
        color_attr("fill", fill, "white");
        color_attr("stroke", stroke, "black");
        raw(" stroke-width=\"");
        num(f.weight);
        raw("\"/>\n");
    };
    // The shadow: a grey copy 2 pixels to the right and down, under the box.
    if (f.shadow) {
        box(Rect{clamp_to_int(f.box.left + 2LL), clamp_to_int(f.box.top + 2LL), f.box.width, f.box.height}, "gray",
            "gray");
    }
    box(f.box, f.fill, f.stroke);
    element_done();
}

void SvgCanvas::fill_rect(const Rect& b, std::string_view color) {
    close_group();
    raw("<rect");
    xywh(b);
    color_attr("fill", color, "white");
    color_attr("stroke", color, "white");
    raw("/>\n");
    element_done();
}

void SvgCanvas::error_notice(int width, int height, std::string_view file_name) {
    close_group();
    raw("<rect x=\"1\" y=\"1\" width=\"");
    num(std::max(0LL, static_cast<long long>(width) - 2));
    raw("\" height=\"");
    num(std::max(0LL, static_cast<long long>(height) - 2));
    raw("\" fill=\"red\" stroke=\"blue\"/>\n");
    const Rect box{2, 2, clamp_to_int(std::max(0LL, static_cast<long long>(width) - 4)),
                   clamp_to_int(std::max(0LL, static_cast<long long>(height) - 4))};
    const TextStyle style{"normal", "bold", 16, "Arial", "white", "red"};
    background(box, style.background);
    scratch_.assign("ERRORS in ");
    svg::append_escaped(scratch_, file_name);
    const double x = box.left + box.width / 2.0;
    const double y = box.top + kNoticeInset + kAscent * style.size;
    std::string text;
    text.swap(scratch_);
    text_element(TextAt{x, y, Align::Center, 0, {}}, style, text, false);
    element_done();
}

// --- Text ---

void SvgCanvas::background(const Rect& box, std::string_view color) {
    const std::string_view c = svg::safe_color(color);
    if (c.empty() || c == "none") return;
    raw("<rect");
    xywh(box);
    raw(" fill=\"");
    raw(c);
    raw("\"/>\n");
}

// A <text> element: anchor and baseline, font, colour, turn, then the text
// (markup as tspans, or already escaped when `markup` is false).
void SvgCanvas::text_element(const TextAt& at, const TextStyle& s, std::string_view text,
                             bool markup) {
    char x[32];
    const std::string_view x_text(x, static_cast<std::size_t>(svg::put_decimal(x, at.x, 1) - x));
    raw("<text x=\"");
    raw(x_text);
    raw("\" y=\"");
    dec(at.y);
    raw("\"");
    if (at.angle != 0) {
        raw(" transform=\"rotate(");
        dec(at.angle, 2);
        raw(" ");
        num(at.pivot.x);
        raw(" ");
        num(at.pivot.y);
        raw(")\"");
    }
    scratch_.clear();
    svg::append_font_family(scratch_, s.font);
    if (!scratch_.empty()) {
        raw(" font-family=\"");
        raw(scratch_);
        raw("\"");
    }
    raw(" font-size=\"");
    num(std::max(s.size, 0));
    raw("\"");
    const std::string_view weight = svg::safe_font_word(s.bold);
    if (!weight.empty() && weight != "normal") {
        raw(" font-weight=\"");
        raw(weight);
        raw("\"");
    }
    const std::string_view style = svg::safe_font_word(s.italic);
    if (style == "italic" || style == "oblique") {
        raw(" font-style=\"");
        raw(style);
        raw("\"");
    }
    color_attr("fill", s.color, "black");
    const std::string_view anchor = anchor_of(at.align);
    if (!anchor.empty()) {
        raw(" text-anchor=\"");
        raw(anchor);
        raw("\"");
    }
    raw(">");
    if (markup) {
        scratch_.clear();
        svg::append_markup(scratch_, text, svg::TextFrame{x_text, static_cast<double>(s.size)});
        raw(scratch_);
    } else {
        raw(text);
    }
    raw("</text>\n");
}

// A text in its box: aligned to the box's left edge, middle or right edge,
// its lines centred as a block on the box's middle; over the box's
// background.
void SvgCanvas::box_text(const Rect& b, Align align, const TextStyle& s, std::string_view text,
                         bool markup) {
    close_group();
    background(b, s.background);
    text_element(in_box(b, align, s, markup ? svg::line_count(text) : 1), s, text, markup);
    element_done();
}

SvgCanvas::TextAt SvgCanvas::in_box(const Rect& b, Align align, const TextStyle& s, int lines) {
    double x = b.left;
    if (align == Align::Center) x += b.width / 2.0;
    if (align == Align::Right) x += b.width;
    const double y = first_baseline(b.top + b.height / 2.0, s.size, lines);
    return TextAt{x, y, align, 0, {}};
}

void SvgCanvas::text_box(TextRole role, const Rect& b, Align align, const TextStyle& s,
                         std::string_view text) {
    // Category and legend labels have no alignment of their own: they
    // stand at the left of their boxes.
    if (role == TextRole::CategoryLabel || role == TextRole::LegendLabel) align = Align::Left;
    if (markup_as_text_) {
        as_text_.clear();
        svg::append_escaped(as_text_, text);
        box_text(b, align, s, as_text_, false);
        return;
    }
    box_text(b, align, s, text, true);
}

void SvgCanvas::text_along(TextRole, Point from, Point to, Align align, const TextStyle& s,
                           std::string_view text) {
    close_group();
    const double dx = static_cast<double>(to.x) - from.x;
    const double dy = static_cast<double>(to.y) - from.y;
    const double length = std::hypot(dx, dy);
    const double angle = length == 0 ? 0 : std::atan2(dy, dx) * 180.0 / 3.141592653589793;
    if (!svg::safe_color(s.background).empty() && svg::safe_color(s.background) != "none") {
        raw("<line x1=\"");
        num(from.x);
        raw("\" y1=\"");
        num(from.y);
        raw("\" x2=\"");
        num(to.x);
        raw("\" y2=\"");
        num(to.y);
        raw("\"");
        color_attr("stroke", s.background, {});
        raw(" stroke-width=\"");
        num(clamp_to_int(static_cast<long long>(s.size) + 2));
        raw("\"/>\n");
    }
    // Laid out on the unturned line from `from` to the right, then turned.
    double x = from.x;
    if (align == Align::Center) x += length / 2;
    if (align == Align::Right) x += length;
    if (markup_as_text_) {
        as_text_.clear();
        svg::append_escaped(as_text_, text);
        const double y = first_baseline(from.y, s.size, 1);
        text_element(TextAt{x, y, align, angle, from}, s, as_text_, false);
    } else {
        const double y = first_baseline(from.y, s.size, svg::line_count(text));
        text_element(TextAt{x, y, align, angle, from}, s, text, true);
    }
    element_done();
}

namespace {

// The text of a number label: a whole number, or fixed point with the
// given decimals (the padding to a field width would collapse as blanks).
std::string_view number_text(std::array<char, 96>& buf, const Number& number) {
    char* end;
    if (number.decimals <= 0) {
        end = std::to_chars(buf.data(), buf.data() + buf.size(), round_to_int(number.value)).ptr;
    } else {
        const auto res = std::to_chars(buf.data(), buf.data() + buf.size(),
                                       static_cast<double>(number.value), std::chars_format::fixed,
                                       std::min(number.decimals, 40));
        end = res.ec == std::errc() ? res.ptr : buf.data();
    }
    return {buf.data(), static_cast<std::size_t>(end - buf.data())};
}

}  // namespace

void SvgCanvas::scale_label(const Rect& b, Align align, const TextStyle& s, const Number& number) {
    std::array<char, 96> buf;
    box_text(b, align, s, number_text(buf, number), false);
}

void SvgCanvas::value_label(const Rect& b, const TextStyle& s, const Number& number,
                            const Tags& tags) {
    std::array<char, 96> buf;
    const std::string_view text = number_text(buf, number);
    if (tags.id.empty() && tags.link.empty() && tags.title.empty()) {
        box_text(b, Align::Left, s, text, false);
        return;
    }
    // The label is a group of its own, for its id, link and tooltip.
    open_group(tags, Look{{}, {}, 0, Kind::Unpainted});
    background(b, s.background);
    text_element(in_box(b, Align::Left, s, 1), s, text, false);
    close_group();
    element_done();
}

}  // namespace qp
