// The exact texts of the series elements: marker and bar boxes, the circle
// and triangle markers, the quadrilaterals of area lines, the series value
// labels, pie sectors and legend texts.
#include "page/vml_writer.h"

#include "page/vml_format.h"

namespace qp {

void VmlWriter::series_rect(const Attribute& id, std::string_view fill,
                            std::string_view stroke, int weight, int top, int left,
                            int width, int height, const Attribute& link,
                            const Attribute& title) {
    emit<"<v:rect %s fillcolor='%q' strokecolor='%q' strokeweight='%dpx' "
        "style='position:absolute;top:%d;left:%d;width:%d;height:%d' %s  %s>\n</v:rect>\n">(
        id, fill, stroke, weight, top, left, width, height, link, title);
}

void VmlWriter::series_rect_unweighted(const Attribute& id, std::string_view fill,
                                       std::string_view stroke, int top, int left,
                                       int width, int height, const Attribute& link,
                                       const Attribute& title) {
    emit<"<v:rect %s fillcolor='%q' strokecolor='%q' "
        "style='position:absolute;top:%d;left:%d;width:%d;height:%d' %s  %s>\n</v:rect>\n">(
        id, fill, stroke, top, left, width, height, link, title);
}

void VmlWriter::series_oval(const Attribute& id, std::string_view fill,
                            std::string_view stroke, int weight, int top, int left,
                            int width, int height, const Attribute& link,
                            const Attribute& title) {
    emit<"<v:oval %s fillcolor='%q' strokecolor='%q' strokeweight='%dpx' "
        "style='position:absolute;top:%d;left:%d;width:%d;height:%d' %s  %s>\n</v:oval>\n">(
        id, fill, stroke, weight, top, left, width, height, link, title);
}

void VmlWriter::series_triangle(const Attribute& id, std::string_view fill,
                                std::string_view stroke, int weight, Point p1,
                                Point p2, Point p3, const Attribute& link,
                                const Attribute& title) {
    // Closed by repeating its first point.
    emit<"<v:polyline %s fillcolor='%q' strokecolor='%q' strokeweight='%dpx' "
        "style='position:absolute' points='%d,%d %d,%d %d,%d %d,%d' %s  %s>\n"
        "</v:polyline>\n">(
        id, fill, stroke, weight, p1.x, p1.y, p2.x, p2.y, p3.x, p3.y, p1.x, p1.y, link, title);
}

void VmlWriter::area_polyline(const Attribute& id, std::string_view fill,
                              std::string_view stroke, Point p1, Point p2, Point p3,
                              Point p4, const Attribute& link, const Attribute& title) {
    emit<"<v:polyline %s style='position:absolute' fillcolor='%q' strokecolor='%q' "
        "points='%d,%d %d,%d %d,%d %d,%d' %s %s>\n</v:polyline>\n">(
        id, fill, stroke, p1.x, p1.y, p2.x, p2.y, p3.x, p3.y, p4.x, p4.y, link, title);
}

void VmlWriter::series_value_open(const Attribute& id, int top, int left, int height,
                                  int width, const TextStyle& s, const Attribute& link,
                                  const Attribute& title) {
    emit<"<v:shape %s style='position:absolute;top:%d;left:%d;height:%d;width:%d; "
        "font:%q normal %q %d %q;color:%q;background:%q' %s  %s>\n">(
        id, top, left, height, width, s.italic, s.bold, s.size, s.font, s.color, s.background,
        link, title);
}

void VmlWriter::pie_sector(int width, int height, int cx, int cy, int r, long long start,
                           long long sweep, std::string_view fill,
                           std::string_view stroke, std::string_view url,
                           std::string_view id, std::string_view text) {
    // The link text keeps a blank after it, so that the id text can follow.
    const std::string link = url.empty() ? std::string() : link_attr(url) + " ";
    emit<"<v:shape style='position:absolute;top:0;left:0;width:%d;height:%d' "
        "coordsize='%d,%d' path='m %d,%d ae %d,%d,%d,%d,%d,%d x e' "
        "fillcolor='%q' strokecolor='%q' %s%s %s></v:shape>\n">(
        width, height, width, height, cx, cy, cx, cy, r, r, start, sweep, fill, stroke, link,
        id_attr(id), title_attr(text));
}

void VmlWriter::legend_text(int top, int left, int height, int width,
                            const TextStyle& s, std::string_view text) {
    emit<"<v:shape style='position:absolute;top:%d;left:%d;height:%d;width:%d; "
        "font:%q normal %q %d %q;color:%q' >\n<v:textbox/>%s</v:textbox/>\n</v:shape>\n">(
        top, left, height, width, s.italic, s.bold, s.size, s.font, s.color, text);
}

}  // namespace qp
