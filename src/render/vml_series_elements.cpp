// The exact texts of the series elements: marker and bar boxes, the circle
// and triangle markers, the quadrilaterals of area lines, the series value
// labels, pie sectors and legend texts.
#include "vml_writer.h"

#include <charconv>
#include <initializer_list>

namespace qp {

namespace {

// "x,y" pairs of a point list, blank-separated.
void put_points(std::string& out, std::initializer_list<VmlWriter::Point> pts) {
    bool first = true;
    for (const VmlWriter::Point& p : pts) {
        if (!first) out.push_back(' ');
        first = false;
        char buf[24];
        auto r = std::to_chars(buf, buf + sizeof buf, p.x);
        out.append(buf, r.ptr);
        out.push_back(',');
        r = std::to_chars(buf, buf + sizeof buf, p.y);
        out.append(buf, r.ptr);
    }
}

}  // namespace

void VmlWriter::series_rect(std::string_view id, std::string_view fill,
                            std::string_view stroke, int weight, int top, int left,
                            int width, int height, std::string_view link,
                            std::string_view title) {
    put("<v:rect ");
    put(id);
    put(" fillcolor='");
    put_attr(fill);
    put("' strokecolor='");
    put_attr(stroke);
    put("' strokeweight='");
    put_int(weight);
    put("px' style='position:absolute;top:");
    put_int(top);
    put(";left:");
    put_int(left);
    put(";width:");
    put_int(width);
    put(";height:");
    put_int(height);
    put("' ");
    put(link);
    put("  ");
    put(title);
    put(">\n</v:rect>\n");
}

void VmlWriter::series_rect_unweighted(std::string_view id, std::string_view fill,
                                       std::string_view stroke, int top, int left,
                                       int width, int height, std::string_view link,
                                       std::string_view title) {
    put("<v:rect ");
    put(id);
    put(" fillcolor='");
    put_attr(fill);
    put("' strokecolor='");
    put_attr(stroke);
    put("' style='position:absolute;top:");
    put_int(top);
    put(";left:");
    put_int(left);
    put(";width:");
    put_int(width);
    put(";height:");
    put_int(height);
    put("' ");
    put(link);
    put("  ");
    put(title);
    put(">\n</v:rect>\n");
}

void VmlWriter::series_oval(std::string_view id, std::string_view fill,
                            std::string_view stroke, int weight, int top, int left,
                            int width, int height, std::string_view link,
                            std::string_view title) {
    put("<v:oval ");
    put(id);
    put(" fillcolor='");
    put_attr(fill);
    put("' strokecolor='");
    put_attr(stroke);
    put("' strokeweight='");
    put_int(weight);
    put("px' style='position:absolute;top:");
    put_int(top);
    put(";left:");
    put_int(left);
    put(";width:");
    put_int(width);
    put(";height:");
    put_int(height);
    put("' ");
    put(link);
    put("  ");
    put(title);
    put(">\n</v:oval>\n");
}

void VmlWriter::series_triangle(std::string_view id, std::string_view fill,
                                std::string_view stroke, int weight, Point p1,
                                Point p2, Point p3, std::string_view link,
                                std::string_view title) {
    put("<v:polyline ");
    put(id);
    put(" fillcolor='");
    put_attr(fill);
    put("' strokecolor='");
    put_attr(stroke);
    put("' strokeweight='");
    put_int(weight);
    put("px' style='position:absolute' points='");
    put_points(out_, {p1, p2, p3, p1});
    put("' ");
    put(link);
    put("  ");
    put(title);
    put(">\n</v:polyline>\n");
}

void VmlWriter::area_polyline(std::string_view id, std::string_view fill,
                              std::string_view stroke, Point p1, Point p2, Point p3,
                              Point p4, std::string_view link, std::string_view title) {
    put("<v:polyline ");
    put(id);
    put(" style='position:absolute' fillcolor='");
    put_attr(fill);
    put("' strokecolor='");
    put_attr(stroke);
    put("' points='");
    put_points(out_, {p1, p2, p3, p4});
    put("' ");
    put(link);
    put(' ');
    put(title);
    put(">\n</v:polyline>\n");
}

void VmlWriter::series_value_open(std::string_view id, int top, int left, int height,
                                  int width, const TextStyle& style,
                                  std::string_view link, std::string_view title) {
    put("<v:shape ");
    put(id);
    put(" style='position:absolute;top:");
    put_int(top);
    put(";left:");
    put_int(left);
    put(";height:");
    put_int(height);
    put(";width:");
    put_int(width);
    put("; ");
    put_font(style);
    put(";color:");
    put_attr(style.color);
    put(";background:");
    put_attr(style.bgcolor);
    put("' ");
    put(link);
    put("  ");
    put(title);
    put(">\n");
}

void VmlWriter::pie_sector(int width, int height, int cx, int cy, int r, long long start,
                           long long sweep, std::string_view fill,
                           std::string_view stroke, std::string_view url,
                           std::string_view id, std::string_view text) {
    put("<v:shape style='position:absolute;top:0;left:0;width:");
    put_int(width);
    put(";height:");
    put_int(height);
    put("' coordsize='");
    put_int(width);
    put(',');
    put_int(height);
    put("' path='m ");
    put_int(cx);
    put(',');
    put_int(cy);
    put(" ae ");
    put_int(cx);
    put(',');
    put_int(cy);
    put(',');
    put_int(r);
    put(',');
    put_int(r);
    put(',');
    put_int(start);
    put(',');
    put_int(sweep);
    put(" x e' fillcolor='");
    put_attr(fill);
    put("' strokecolor='");
    put_attr(stroke);
    put("' ");
    // The link text keeps a blank after it, so that the id text can follow.
    if (!url.empty()) {
        put("href='");
        put_attr(url);
        put("' ");
    }
    put(id_attr(id));
    put(' ');
    put(title_attr(text));
    put("></v:shape>\n");
}

void VmlWriter::legend_text(int top, int left, int height, int width,
                            const TextStyle& style, std::string_view text) {
    put("<v:shape style='position:absolute;top:");
    put_int(top);
    put(";left:");
    put_int(left);
    put(";height:");
    put_int(height);
    put(";width:");
    put_int(width);
    put("; ");
    put_font(style);
    put(";color:");
    put_attr(style.color);
    put("' >\n<v:textbox/>");
    put(text);
    put("</v:textbox/>\n</v:shape>\n");
}

}  // namespace qp
