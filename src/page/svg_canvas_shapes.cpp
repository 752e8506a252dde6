// The groups, lines and series shapes of an SVG page.
#include <algorithm>
#include <cmath>

#include "page/svg_canvas.h"
#include "page/svg_text.h"

namespace qp {

namespace {

constexpr double kPi = 3.141592653589793;

}  // namespace

// --- Groups ---

bool SvgCanvas::same_group(const Tags& tags, const Look& look) const {
    return group_open_ && group_kind_ == look.kind && group_weight_ == look.weight &&
           group_fill_ == look.fill && group_stroke_ == look.stroke && group_id_ == id_of(tags) &&
           group_link_ == tags.link && group_title_ == tags.title;
}

void SvgCanvas::enter_group(const Tags& tags, const Look& look) {
    if (same_group(tags, look)) {
        if (look.kind != Kind::Line) close_path();
        return;
    }
    open_group(tags, look);
}

// <a href> when the link may stand, else <g>; the id when it is still free
// on the page (a helper element has none: the id goes to the series' own
// element, the one that carries its tooltip); the paint; the tooltip as the
// group's <title>.
void SvgCanvas::open_group(const Tags& tags, const Look& look) {
    close_group();
    scratch_.clear();
    group_is_link_ = !tags.link.empty() && svg::append_link(scratch_, tags.link);
    if (group_is_link_) {
        raw("<a href=\"");
        raw(scratch_);
        raw("\"");
    } else {
        raw("<g");
    }
    const std::string_view id = id_of(tags);
    if (!id.empty() && page_.claim(id)) {
        raw(" id=\"");
        escaped(id);
        raw("\"");
    }
    if (look.kind == Kind::Shape) {
        color_attr("fill", look.fill, "white");
        color_attr("stroke", look.stroke, "black");
    } else if (look.kind == Kind::Line) {
        raw(" fill=\"none\"");
        color_attr("stroke", look.stroke, "black");
    }
    if (look.kind != Kind::Unpainted && look.weight != 1) {
        raw(" stroke-width=\"");
        num(std::max(look.weight, 0));
        raw("\"");
    }
    if (look.kind == Kind::Line) raw(" stroke-linejoin=\"round\"");
    raw(">");
    if (!tags.title.empty()) {
        raw("<title>");
        plain(tags.title);
        raw("</title>");
    }
    raw("\n");
    group_open_ = true;
    group_kind_ = look.kind;
    group_weight_ = look.weight;
    group_fill_.assign(look.fill);
    group_stroke_.assign(look.stroke);
    group_id_.assign(id_of(tags));
    group_link_.assign(tags.link);
    group_title_.assign(tags.title);
}

void SvgCanvas::close_group() {
    close_path();
    if (!group_open_) return;
    raw(group_is_link_ ? "</a>\n" : "</g>\n");
    group_open_ = false;
}

void SvgCanvas::close_path() {
    if (!path_open_) return;
    raw("\"/>\n");
    path_open_ = false;
}

// One line into the group's path: a line that starts where the last one
// ended continues it (`join`), so the two are joined round; any other line
// starts afresh.
void SvgCanvas::path_line(Point from, Point to, bool join) {
    if (!path_open_) {
        raw("<path d=\"");
        path_open_ = true;
        path_joins_ = false;
    }
    if (join && path_joins_ && from.x == path_end_.x && from.y == path_end_.y) {
        raw(" ");
    } else {
        raw("M");
        num(from.x);
        raw(" ");
        num(from.y);
        if (!join && from.y == to.y) {
            raw("H");
            num(to.x);
        } else if (!join && from.x == to.x) {
            raw("V");
            num(to.y);
        }
        if (!join && (from.y == to.y || from.x == to.x)) {
            path_joins_ = false;
            path_end_ = to;
            element_done();
            return;
        }
        raw("L");
    }
    num(to.x);
    raw(" ");
    num(to.y);
    path_joins_ = join;
    path_end_ = to;
    element_done();
}

// --- Lines ---

void SvgCanvas::rule(Point from, Point to, int weight, std::string_view color) {
    enter_group(Tags{}, Look{{}, color, weight, Kind::Line});
    path_line(from, to, false);
}

void SvgCanvas::line(Point from, Point to, int weight, std::string_view color,
                     const Tags& tags) {
    enter_group(tags, Look{{}, color, weight, Kind::Line});
    path_line(from, to, true);
}

// --- Series shapes ---

void SvgCanvas::rect(const Rect& b, const Paint& paint, const Tags& tags) {
    enter_group(tags, Look{paint.fill, paint.stroke, paint.weight.value_or(1), Kind::Shape});
    raw("<rect");
    xywh(b);
    raw("/>\n");
    element_done();
}

void SvgCanvas::oval(const Rect& b, const Paint& paint, const Tags& tags) {
    enter_group(tags, Look{paint.fill, paint.stroke, paint.weight.value_or(1), Kind::Shape});
    const double rx = std::abs(static_cast<double>(b.width)) / 2;
    const double ry = std::abs(static_cast<double>(b.height)) / 2;
    raw(rx == ry ? "<circle cx=\"" : "<ellipse cx=\"");
    dec(std::min(b.left, b.left + b.width) + rx);
    raw("\" cy=\"");
    dec(std::min(b.top, b.top + b.height) + ry);
    if (rx == ry) {
        raw("\" r=\"");
        dec(rx);
    } else {
        raw("\" rx=\"");
        dec(rx);
        raw("\" ry=\"");
        dec(ry);
    }
    raw("\"/>\n");
    element_done();
}

void SvgCanvas::triangle(const std::array<Point, 3>& p, const Paint& paint, const Tags& tags) {
    enter_group(tags, Look{paint.fill, paint.stroke, paint.weight.value_or(1), Kind::Shape});
    raw("<polygon points=\"");
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (i > 0) raw(" ");
        num(p[i].x);
        raw(",");
        num(p[i].y);
    }
    raw("\"/>\n");
    element_done();
}

// An open outline, as on a VML page: the side along the base row is filled
// but not outlined.
void SvgCanvas::area_segment(const std::array<Point, 4>& p, const Paint& paint,
                             const Tags& tags) {
    enter_group(tags, Look{paint.fill, paint.stroke, 1, Kind::Shape});
    raw("<polyline points=\"");
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (i > 0) raw(" ");
        num(p[i].x);
        raw(",");
        num(p[i].y);
    }
    raw("\"/>\n");
    element_done();
}

// The centre, a line to the arc's start, the arc, and back to the centre.
// Angles run counter-clockwise from 3 o'clock on a screen whose rows grow
// downward; a whole turn is drawn as two half arcs.
void SvgCanvas::sector(const Sector& s) {
    enter_group(s.tags, Look{s.paint.fill, s.paint.stroke, 1, Kind::Shape});
    const double cx = s.centre.x;
    const double cy = s.centre.y;
    const double r = std::abs(static_cast<double>(s.radius));
    const long long sweep = std::clamp(s.sweep_degrees, -360LL, 360LL);
    const auto at = [&](double degrees) {
        const double a = degrees * kPi / 180.0;
        dec(cx + r * std::cos(a), 2);
        raw(" ");
        dec(cy - r * std::sin(a), 2);
    };
    const double start = static_cast<double>(s.start_degrees % 360);
    // Clockwise on the screen is SVG's positive direction.
    const std::string_view direction = sweep < 0 ? " 1 " : " 0 ";
    raw("<path d=\"M");
    num(s.centre.x);
    raw(" ");
    num(s.centre.y);
    raw("L");
    at(start);
    const auto arc = [&](double to_degrees, bool large) {
        raw("A");
        dec(r, 2);
        raw(" ");
        dec(r, 2);
        raw(large ? " 0 1" : " 0 0");
        raw(direction);
        at(to_degrees);
    };
    if (sweep == 360 || sweep == -360) {
        arc(start + sweep / 2.0, false);
        arc(start + static_cast<double>(sweep), false);
    } else if (sweep != 0) {
        arc(start + static_cast<double>(sweep), sweep > 180 || sweep < -180);
    }
    raw("Z\"/>\n");
    element_done();
}

}  // namespace qp
