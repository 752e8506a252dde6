// How each drawing call is written in VML.
#include "page/vml_canvas.h"

#include <string>

#include "model/pixel_math.h"

namespace qp {

namespace {

// The end of every page that has not its own ending.
constexpr std::string_view kPageEnd = "</body></html>";

// VML arc angles are in 1/65536 of a degree.
constexpr long long kArcUnitsPerDegree = 65536;

std::string_view align_text(Align align) {
    switch (align) {
        case Align::Left: return "left";
        case Align::Right: return "right";
        case Align::Center: break;
    }
    return "center";
}

// The id attribute text of a block with its leading blank, or nothing.
// Formed once per block.
std::string block_id(std::string_view id) {
    return id.empty() ? std::string() : " " + VmlWriter::id_attr(id);
}

}  // namespace

// --- Page ---

void VmlCanvas::heading(const PageHeading& heading) {
    if (heading.error_page) {
        out_.error_heading(heading.title_line, heading.title);
    } else {
        out_.standard_heading(heading.title_line, heading.title);
    }
}

void VmlCanvas::verbatim(std::string_view bytes) { out_.raw(bytes); }

void VmlCanvas::page_end() { out_.raw(kPageEnd); }

// --- Blocks and boxes ---

void VmlCanvas::begin_block(const Block& block) {
    if (!block.id_slot) {
        if (block.in_flow) {
            out_.bare_block_relative(block.left);
        } else {
            out_.bare_block_absolute(block.top, block.left);
        }
    } else if (block.in_flow) {
        out_.block_relative(block.left, block_id(block.id));
    } else {
        out_.block_absolute(block.top, block.left, block_id(block.id));
    }
    out_.group_open(block.width, block.height);
}

void VmlCanvas::end_block() { out_.group_close(); }

void VmlCanvas::frame_box(const FrameBox& f) {
    const std::string_view arcsize =
        f.corners == Corners::Round ? "arcsize='0.05'" : "arcsize='0'";
    out_.background_roundrect(arcsize, f.fill, f.stroke, f.weight, f.box.top, f.box.left,
                              f.box.width, f.box.height, f.shadow);
}

void VmlCanvas::fill_rect(const Rect& box, std::string_view color) {
    out_.filled_rect(color, color, box.top, box.left, box.width, box.height);
}

void VmlCanvas::error_notice(int width, int height, std::string_view file_name) {
    out_.error_notice(width, height, file_name);
}

// --- Lines ---

void VmlCanvas::rule(Point from, Point to, int weight, std::string_view color) {
    out_.rule_line(from.x, from.y, to.x, to.y, weight, color);
}

void VmlCanvas::line(Point from, Point to, int weight, std::string_view color,
                     const Tags& tags) {
    out_.series_line(VmlWriter::id(tags.id), from.x, from.y, to.x, to.y, weight, color,
                     VmlWriter::link(tags.link), VmlWriter::title(tags.title));
}

// --- Text ---

void VmlCanvas::text_box(TextRole role, const Rect& b, Align align, const TextStyle& style,
                         std::string_view text) {
    switch (role) {
        case TextRole::Title:
        case TextRole::XCaption:
            out_.text_shape(b.top, b.left, align_text(align), b.width, b.height, style, text);
            break;
        case TextRole::YCaption:
            out_.caption_shape(b.top, b.left, align_text(align), b.width, b.height, style, text);
            break;
        case TextRole::CategoryLabel:
            out_.x_label_shape(b.top, b.left, b.height, b.width, style, text);
            break;
        case TextRole::LegendLabel:
            out_.legend_text(b.top, b.left, b.height, b.width, style, text);
            break;
    }
}

void VmlCanvas::text_along(TextRole role, Point from, Point to, Align align,
                           const TextStyle& style, std::string_view text) {
    // Only a scale's caption stands positioned in the group.
    const bool positioned = role == TextRole::YCaption;
    if (!style.background.empty()) {
        out_.text_stripe(positioned, from.x, from.y, to.x, to.y, style.background,
                         clamp_to_int(static_cast<long long>(style.size) + 2));
    }
    out_.text_path(positioned, from.x, from.y, to.x, to.y, align_text(align), style, text);
}

void VmlCanvas::number_line(const Number& number) {
    if (number.decimals == 0) {
        out_.value_line_rounded(number.value);
    } else {
        out_.value_line_fixed(number.value, number.field_width, number.decimals);
    }
    out_.shape_end();
}

void VmlCanvas::scale_label(const Rect& b, Align align, const TextStyle& style,
                            const Number& number) {
    out_.value_label_open(b.top, b.left, align_text(align), b.width, b.height, style);
    number_line(number);
}

void VmlCanvas::value_label(const Rect& b, const TextStyle& style, const Number& number,
                            const Tags& tags) {
    out_.series_value_open(VmlWriter::id(tags.id), b.top, b.left, b.height, b.width, style,
                           VmlWriter::link(tags.link), VmlWriter::title(tags.title));
    number_line(number);
}

// --- Series shapes ---

void VmlCanvas::rect(const Rect& b, const Paint& paint, const Tags& tags) {
    if (paint.weight) {
        out_.series_rect(VmlWriter::id(tags.id), paint.fill, paint.stroke, *paint.weight, b.top,
                         b.left, b.width, b.height, VmlWriter::link(tags.link),
                         VmlWriter::title(tags.title));
    } else {
        out_.series_rect_unweighted(VmlWriter::id(tags.id), paint.fill, paint.stroke, b.top,
                                    b.left, b.width, b.height, VmlWriter::link(tags.link),
                                    VmlWriter::title(tags.title));
    }
}

void VmlCanvas::oval(const Rect& b, const Paint& paint, const Tags& tags) {
    out_.series_oval(VmlWriter::id(tags.id), paint.fill, paint.stroke, paint.weight.value_or(1),
                     b.top, b.left, b.width, b.height, VmlWriter::link(tags.link),
                     VmlWriter::title(tags.title));
}

void VmlCanvas::triangle(const std::array<Point, 3>& p, const Paint& paint, const Tags& tags) {
    out_.series_triangle(VmlWriter::id(tags.id), paint.fill, paint.stroke,
                         paint.weight.value_or(1), p[0], p[1], p[2], VmlWriter::link(tags.link),
                         VmlWriter::title(tags.title));
}

void VmlCanvas::area_segment(const std::array<Point, 4>& p, const Paint& paint,
                             const Tags& tags) {
    out_.area_polyline(VmlWriter::id(tags.id), paint.fill, paint.stroke, p[0], p[1], p[2], p[3],
                       VmlWriter::link(tags.link), VmlWriter::title(tags.title));
}

void VmlCanvas::sector(const Sector& s) {
    out_.pie_sector(s.width, s.height, s.centre.x, s.centre.y, s.radius,
                    s.start_degrees * kArcUnitsPerDegree, s.sweep_degrees * kArcUnitsPerDegree,
                    s.paint.fill, s.paint.stroke, s.tags.link, s.tags.id, s.tags.title);
}

}  // namespace qp
