// The exact texts of the series elements: value labels, boxes, circles,
// triangles, the quadrilaterals of area lines and pie sectors.  Every one
// carries the series' id, link and title attributes.
#include "page/vml_canvas.h"

#include <string>

#include "page/vml_format.h"

namespace qp {

namespace {

// VML arc angles are in 1/65536 of a degree.
constexpr long long kArcUnitsPerDegree = 65536;

}  // namespace

void VmlCanvas::value_label(const Rect& b, const TextStyle& s, const Number& number,
                            const Tags& tags) {
    out_.emit<"<v:shape %s style='position:absolute;top:%d;left:%d;height:%d;width:%d; "
              "font:%q normal %q %d %q;color:%q;background:%q' %s  %s>\n">(
        VmlWriter::id(tags.id), b.top, b.left, b.height, b.width, s.italic, s.bold, s.size,
        s.font, s.color, s.background, VmlWriter::link(tags.link), shown_title(tags.title));
    number_line(number);
}

void VmlCanvas::rect(const Rect& b, const Paint& paint, const Tags& tags) {
    if (paint.weight) {
        out_.emit<"<v:rect %s fillcolor='%q' strokecolor='%q' strokeweight='%dpx' "
                  "style='position:absolute;top:%d;left:%d;width:%d;height:%d' %s  %s>\n"
                  "</v:rect>\n">(
            VmlWriter::id(tags.id), paint.fill, paint.stroke, *paint.weight, b.top, b.left,
            b.width, b.height, VmlWriter::link(tags.link), shown_title(tags.title));
    } else {
        out_.emit<"<v:rect %s fillcolor='%q' strokecolor='%q' "
                  "style='position:absolute;top:%d;left:%d;width:%d;height:%d' %s  %s>\n"
                  "</v:rect>\n">(
            VmlWriter::id(tags.id), paint.fill, paint.stroke, b.top, b.left, b.width, b.height,
            VmlWriter::link(tags.link), shown_title(tags.title));
    }
}

void VmlCanvas::oval(const Rect& b, const Paint& paint, const Tags& tags) {
    out_.emit<"<v:oval %s fillcolor='%q' strokecolor='%q' strokeweight='%dpx' "
              "style='position:absolute;top:%d;left:%d;width:%d;height:%d' %s  %s>\n</v:oval>\n">(
        VmlWriter::id(tags.id), paint.fill, paint.stroke, paint.weight.value_or(1), b.top, b.left,
        b.width, b.height, VmlWriter::link(tags.link), shown_title(tags.title));
}

void VmlCanvas::triangle(const std::array<Point, 3>& p, const Paint& paint, const Tags& tags) {
    // Closed by repeating its first point.
    out_.emit<"<v:polyline %s fillcolor='%q' strokecolor='%q' strokeweight='%dpx' "
              "style='position:absolute' points='%d,%d %d,%d %d,%d %d,%d' %s  %s>\n"
              "</v:polyline>\n">(
        VmlWriter::id(tags.id), paint.fill, paint.stroke, paint.weight.value_or(1), p[0].x,
        p[0].y, p[1].x, p[1].y, p[2].x, p[2].y, p[0].x, p[0].y, VmlWriter::link(tags.link),
        shown_title(tags.title));
}

void VmlCanvas::area_segment(const std::array<Point, 4>& p, const Paint& paint,
                             const Tags& tags) {
    out_.emit<"<v:polyline %s style='position:absolute' fillcolor='%q' strokecolor='%q' "
              "points='%d,%d %d,%d %d,%d %d,%d' %s %s>\n</v:polyline>\n">(
        VmlWriter::id(tags.id), paint.fill, paint.stroke, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x,
        p[2].y, p[3].x, p[3].y, VmlWriter::link(tags.link), shown_title(tags.title));
}

void VmlCanvas::sector(const Sector& s) {
    // The link text keeps a blank after it, so that the id text can follow.
    const std::string link = s.tags.link.empty() ? std::string()
                                                 : VmlWriter::link_attr(s.tags.link) + " ";
    out_.emit<"<v:shape style='position:absolute;top:0;left:0;width:%d;height:%d' "
              "coordsize='%d,%d' path='m %d,%d ae %d,%d,%d,%d,%d,%d x e' "
              "fillcolor='%q' strokecolor='%q' %s%s %s></v:shape>\n">(
        s.width, s.height, s.width, s.height, s.centre.x, s.centre.y, s.centre.x, s.centre.y,
        s.radius, s.radius, s.start_degrees * kArcUnitsPerDegree,
        s.sweep_degrees * kArcUnitsPerDegree, s.paint.fill, s.paint.stroke, link,
        VmlWriter::id(s.tags.id), shown_title(s.tags.title));
}

}  // namespace qp
