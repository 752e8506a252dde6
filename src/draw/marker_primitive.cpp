// The marker primitive: one marker of shape 1 to 6 centred at a point.
//
// 1 square box, 2 square box of even side, 3 triangle pointing up, 4 circle,
// 5 diagonal cross (outer lines in the stroke colour, thick crosses get
// inner lines in the fill colour), 6 plus sign on a filled box.  Every
// element of one marker carries the same id, link and title.
#include <string>

#include "model/pixel_math.h"
#include "draw/painters.h"
#include "page/vml_writer.h"

namespace qp {

namespace {

// Arms and weights of the cross (shape 5) by marker size: the outer
// lines run from (x - a, y -/+ a) to (x + b, y +/- b) with weight w1; the
// inner lines, shortened by w2 at each end, have weight w2 (none when 0).
struct CrossGeometry {
    int a, b, w1, w2;
};

CrossGeometry cross_geometry(int size) {
    switch (size) {
        case 5: case 6: return {1, 2, 1, 0};
        case 7: case 8: return {2, 3, 1, 0};
        case 9: case 10: return {3, 3, 3, 0};
        case 11: case 12: return {4, 4, 4, 0};
        case 13: case 14: return {5, 5, 5, 2};
        case 15: case 16: return {6, 6, 7, 3};
        default: break;
    }
    const int h = size / 2;
    return {h, h, h, h - 4};
}

// Pixel sums of a centre and an offset, kept in the int range.
int at(int base, long long offset) { return clamp_to_int(static_cast<long long>(base) + offset); }

}  // namespace

void draw_marker(VmlWriter& out, int x, int y, int size, std::string_view stroke,
                 std::string_view title, std::string_view fill, char shape,
                 std::string_view link, std::string_view id) {
    // The boxes take the attributes from the raw texts; the lines of shapes
    // 5 and 6 take a formed id text.
    const VmlWriter::Attribute id_attribute = VmlWriter::id(id);
    const VmlWriter::Attribute link_attribute = VmlWriter::link(link);
    const VmlWriter::Attribute title_attribute = VmlWriter::title(title);
    const int weight = size < 20 ? 1 : 2;
    const int half = size / 2;

    switch (shape) {
        case '1': {
            const long long r = round_to_int(half * 0.71);
            const int side = clamp_to_int(2 * r + 1);
            out.series_rect(id_attribute, fill, stroke, weight, at(y, -r), at(x, -r), side, side,
                            link_attribute, title_attribute);
            break;
        }
        case '2': {
            long long s = round_to_int(size * 0.71);
            if (s % 2 != 0) s += 1;
            const int side = clamp_to_int(s);
            out.series_rect(id_attribute, fill, stroke, weight, at(y, -(s / 2)), at(x, -(s / 2)),
                            side, side, link_attribute, title_attribute);
            break;
        }
        case '3': {
            const long long dx = round_to_int(half * 0.87);
            const long long dy = round_to_int(half * 0.5);
            const VmlWriter::Point p1{x, at(y, -half)};
            const VmlWriter::Point p2{at(x, -dx), at(y, dy)};
            const VmlWriter::Point p3{at(x, dx), at(y, dy)};
            out.series_triangle(id_attribute, fill, stroke, weight, p1, p2, p3, link_attribute,
                                title_attribute);
            break;
        }
        case '4':
            out.series_oval(id_attribute, fill, stroke, weight, at(y, -half), at(x, -half), size,
                            size, link_attribute, title_attribute);
            break;
        case '5': {
            const std::string id_text = VmlWriter::id_attr(id);
            const CrossGeometry g = cross_geometry(size);
            const long long a = g.a;
            const long long b = g.b;
            draw_line(out, at(x, -a), at(x, b), at(y, -a), at(y, b), g.w1, stroke, title, link,
                      id_text);
            draw_line(out, at(x, -a), at(x, b), at(y, a), at(y, -b), g.w1, stroke, title, link,
                      id_text);
            // A weight below 1 (the smallest legend samples) has no inner lines.
            if (g.w2 > 0) {
                const long long w2 = g.w2;
                draw_line(out, at(x, -a + w2), at(x, b - w2), at(y, -a + w2), at(y, b - w2),
                          g.w2, fill, title, link, id_text);
                draw_line(out, at(x, -a + w2), at(x, b - w2), at(y, a - w2), at(y, -b + w2),
                          g.w2, fill, title, link, id_text);
            }
            break;
        }
        case '6': {
            const std::string id_text = VmlWriter::id_attr(id);
            const long long h = half;
            out.series_rect(id_attribute, fill, fill, weight, at(y, -h), at(x, -h), size, size,
                            link_attribute, title_attribute);
            draw_line(out, at(x, -h), at(x, h + 1), y, y, 3, stroke, title, link, id_text);
            draw_line(out, x, x, at(y, -h), at(y, h + 1), 3, stroke, title, link, id_text);
            break;
        }
        default:
            break;   // not a marker shape: nothing to draw
    }
}

}  // namespace qp
