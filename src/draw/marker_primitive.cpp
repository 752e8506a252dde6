// The marker primitive: one marker of shape 1 to 6 centred at a point.
//
// 1 square box, 2 square box of even side, 3 triangle pointing up, 4 circle,
// 5 diagonal cross (outer lines in the stroke colour, thick crosses get
// inner lines in the fill colour), 6 plus sign on a filled box.  Every
// element of one marker carries the same id, link and title.
#include <string_view>

#include "model/pixel_math.h"
#include "draw/painters.h"

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

void draw_marker(Canvas& out, const Marker& m) {
    const int x = m.centre.x;
    const int y = m.centre.y;
    const int size = m.size;
    const Paint paint{m.fill, m.stroke, size < 20 ? 1 : 2};
    const int half = size / 2;
    const auto line = [&](Point from, Point to, int weight, std::string_view color) {
        out.line(from, to, weight, color, m.tags);
    };

    switch (m.shape) {
        case '1': {
            const long long r = round_to_int(half * 0.71);
            const int side = clamp_to_int(2 * r + 1);
            out.rect(Rect{at(x, -r), at(y, -r), side, side}, paint, m.tags);
            break;
        }
        case '2': {
            long long s = round_to_int(size * 0.71);
            if (s % 2 != 0) s += 1;
            const int side = clamp_to_int(s);
            out.rect(Rect{at(x, -(s / 2)), at(y, -(s / 2)), side, side}, paint, m.tags);
            break;
        }
        case '3': {
            const long long dx = round_to_int(half * 0.87);
            const long long dy = round_to_int(half * 0.5);
            out.triangle({Point{x, at(y, -half)}, Point{at(x, -dx), at(y, dy)},
                          Point{at(x, dx), at(y, dy)}},
                         paint, m.tags);
            break;
        }
        case '4':
            out.oval(Rect{at(x, -half), at(y, -half), size, size}, paint, m.tags);
            break;
        case '5': {
            const CrossGeometry g = cross_geometry(size);
            const long long a = g.a;
            const long long b = g.b;
            line({at(x, -a), at(y, -a)}, {at(x, b), at(y, b)}, g.w1, m.stroke);
            line({at(x, -a), at(y, a)}, {at(x, b), at(y, -b)}, g.w1, m.stroke);
            // A weight below 1 (the smallest legend samples) has no inner lines.
            if (g.w2 > 0) {
                const long long w2 = g.w2;
                line({at(x, -a + w2), at(y, -a + w2)}, {at(x, b - w2), at(y, b - w2)}, g.w2,
                     m.fill);
                line({at(x, -a + w2), at(y, a - w2)}, {at(x, b - w2), at(y, -b + w2)}, g.w2,
                     m.fill);
            }
            break;
        }
        case '6': {
            const long long h = half;
            out.rect(Rect{at(x, -h), at(y, -h), size, size}, Paint{m.fill, m.fill, paint.weight},
                     m.tags);
            line({at(x, -h), y}, {at(x, h + 1), y}, 3, m.stroke);
            line({x, at(y, -h)}, {x, at(y, h + 1)}, 3, m.stroke);
            break;
        }
        default:
            break;   // not a marker shape: nothing to draw
    }
}

}  // namespace qp
