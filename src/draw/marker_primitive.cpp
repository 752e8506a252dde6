// The marker primitive: one marker of one of the six shapes centred at a point.
//
// A square box, a square box of even side, a triangle pointing up, a
// circle, a diagonal cross or a plus sign on a filled box.  Every element
// of one marker carries the same id, link and title.
#include <string_view>

#include "model/pixel_math.h"
#include "draw/painters.h"

namespace qp {

namespace {

// Arms and weights of the cross by marker size: the outer
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

// What every shape needs: the centre, size, half size and the paint of
// boxes and outlines.
struct MarkerFrame {
    const Marker& m;
    Canvas& out;
    int x;
    int y;
    int size;
    int half;
    Paint paint;

    void line(Point from, Point to, int weight, std::string_view color) const {
        out.line(from, to, weight, color, m.tags);
    }
};

void square(const MarkerFrame& f) {
    const long long r = round_to_int(f.half * 0.71);
    const int side = clamp_to_int(2 * r + 1);
    f.out.rect(Rect{at(f.x, -r), at(f.y, -r), side, side}, f.paint, f.m.tags);
}

void even_square(const MarkerFrame& f) {
    long long s = round_to_int(f.size * 0.71);
    if (s % 2 != 0) s += 1;
    const int side = clamp_to_int(s);
    f.out.rect(Rect{at(f.x, -(s / 2)), at(f.y, -(s / 2)), side, side}, f.paint, f.m.tags);
}

void triangle(const MarkerFrame& f) {
    const long long dx = round_to_int(f.half * 0.87);
    const long long dy = round_to_int(f.half * 0.5);
    f.out.triangle({Point{f.x, at(f.y, -f.half)}, Point{at(f.x, -dx), at(f.y, dy)},
                    Point{at(f.x, dx), at(f.y, dy)}},
                   f.paint, f.m.tags);
}

void circle(const MarkerFrame& f) {
    f.out.oval(Rect{at(f.x, -f.half), at(f.y, -f.half), f.size, f.size}, f.paint, f.m.tags);
}

// Outer lines in the stroke colour; thick crosses get inner lines in the
// fill colour.
void cross(const MarkerFrame& f) {
    const int x = f.x;
    const int y = f.y;
    const CrossGeometry g = cross_geometry(f.size);
    const long long a = g.a;
    const long long b = g.b;
    f.line({at(x, -a), at(y, -a)}, {at(x, b), at(y, b)}, g.w1, f.m.stroke);
    f.line({at(x, -a), at(y, a)}, {at(x, b), at(y, -b)}, g.w1, f.m.stroke);
    // A weight below 1 (the smallest legend samples) has no inner lines.
    if (g.w2 > 0) {
        const long long w2 = g.w2;
        f.line({at(x, -a + w2), at(y, -a + w2)}, {at(x, b - w2), at(y, b - w2)}, g.w2, f.m.fill);
        f.line({at(x, -a + w2), at(y, a - w2)}, {at(x, b - w2), at(y, -b + w2)}, g.w2, f.m.fill);
    }
}

void plus(const MarkerFrame& f) {
    const int x = f.x;
    const int y = f.y;
    const long long h = f.half;
    f.out.rect(Rect{at(x, -h), at(y, -h), f.size, f.size}, Paint{f.m.fill, f.m.fill, f.paint.weight},
               f.m.tags);
    f.line({at(x, -h), y}, {at(x, h + 1), y}, 3, f.m.stroke);
    f.line({x, at(y, -h)}, {x, at(y, h + 1)}, 3, f.m.stroke);
}

}  // namespace

void draw_marker(Canvas& out, const Marker& m) {
    const int size = m.size;
    const MarkerFrame f{m, out, m.centre.x, m.centre.y, size, size / 2,
                        Paint{m.fill, m.stroke, size < 20 ? 1 : 2}};
    switch (m.shape) {
        case MarkerShape::Square: square(f); break;
        case MarkerShape::EvenSquare: even_square(f); break;
        case MarkerShape::Triangle: triangle(f); break;
        case MarkerShape::Circle: circle(f); break;
        case MarkerShape::Cross: cross(f); break;
        case MarkerShape::Plus: plus(f); break;
        default: break;   // not a marker shape: nothing to draw
    }
}

}  // namespace qp
