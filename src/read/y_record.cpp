// The Y1 and Y2 records: one reader over the fields of the chosen scale.
#include "log/diagnostics.h"
#include "read/field_table.h"

namespace qp {

namespace {

inline constexpr int kCaptionMax = 99;

// Gives every field of a scale its default.
void reset_scale(YAxis y, YAxis fresh) {
    y.p = fresh.p;
    y.grid = fresh.grid;
    y.width = fresh.width;
    y.gcolor = fresh.gcolor;
    y.pmin = fresh.pmin;
    y.min = fresh.min;
    y.pmax = fresh.pmax;
    y.max = fresh.max;
    y.pstep = fresh.pstep;
    y.step = fresh.step;
    y.sstep = fresh.sstep;
    y.substep = fresh.substep;
    y.pxlocate = fresh.pxlocate;
    y.xlocate = fresh.xlocate;
    y.size = fresh.size;
    y.font = fresh.font;
    y.color = fresh.color;
    y.bold = fresh.bold;
    y.italic = fresh.italic;
    y.text = fresh.text;
    y.bgcolor = fresh.bgcolor;
}

void read_scale(RecordContext& rc, YAxis y) {
    const FieldEntry fields[] = {
        y_mark(y.grid),
        whole(y.width).opens_at(0),
        color(y.gcolor).opens_empty(),
        real(y.min, &y.pmin, true).opens_empty(),
        real(y.max, &y.pmax, true).opens_empty(),
        step_real(y.step, y.pstep, y.sstep).opens_empty(),
        real(y.substep, nullptr, false).opens_empty(),
        real(y.xlocate, &y.pxlocate, true).opens_empty(),
        whole(y.size).opens_at(0),
        text(y.font, kFontMax).opens_empty(),
        color(y.color).opens_empty(),
        flag("BOLD", y.bold, "bold"),
        flag("ITALIC", y.italic, "italic"),
        text(y.text, kCaptionMax).opens_empty(),
        color(y.bgcolor).opens_empty(),
    };
    read_fields(rc, fields);
}

}  // namespace

void read_y_record(RecordContext& rc) {
    const int c = rc.sc.next_char();
    if (c == '1' || c == '2') {
        const int number = c - '0';
        ChartState fresh(ChartState::NoTables{});
        YAxis y = y_axis(rc.st, number);
        reset_scale(y, y_axis(fresh, number));
        y.p = 1;
        read_scale(rc, y);
        return;
    }
    if (is_line_end(c)) {
        report_expected_at_line_end(rc.run, "1 2");
        return;
    }
    rc.sc.resume_after(report_expected(rc.run, rc.sc.spot(), "1 2"));
}

}  // namespace qp
