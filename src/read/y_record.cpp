// The Y1 and Y2 records: one reader over the fields of the chosen scale.
#include "log/diagnostics.h"
#include "read/field_table.h"

namespace qp {

namespace {

inline constexpr int kCaptionMax = 99;

void read_scale(RecordContext& rc, Scale& y) {
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
        font_name(y.font, kFontMax).opens_empty(),
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
        Scale& y = rc.st.scale(number);
        y = Scale{};   // the record starts from its defaults
        y.p = 1;
        read_scale(rc, y);
        return;
    }
    if (is_line_end(c)) {
        report_expected_at_line_end(rc.run, rc.sc.spot(), "1 2");
        return;
    }
    rc.sc.resume_after(report_expected(rc.run, rc.sc.spot(), "1 2"));
}

}  // namespace qp
