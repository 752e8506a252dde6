// The X record: marks and label angle, the axis line, the label font, the
// caption and the list of X labels.
#include "read/field_table.h"

namespace qp {

namespace {
inline constexpr int kCaptionMax = 99;
}  // namespace

void read_x_record(RecordContext& rc) {
    ChartState& st = rc.st;
    st.x = XAxis{};   // the record starts from its defaults
    // A second X record in one chart replaces the labels of the first.
    st.X.resize(kMaxXLabels);
    for (auto& label : st.X) label.clear();
    st.x.X1p = 1;

    const FieldEntry fields[] = {
        x_marks(st.x.Xgrid, st.x.XYcross, st.x.Xgrad),
        whole(st.x.Xwidth).opens_at(0),
        color(st.x.Xgcolor).opens_empty().with_hex_text(kHexExpectedX),
        whole(st.x.Xsize).opens_at(0),
        font_name(st.x.Xfont, kFontMax).opens_empty(),
        color(st.x.Xcolor).opens_empty().with_hex_text(kHexExpectedX),
        flag("BOLD", st.x.Xbold, "bold"),
        flag("ITALIC", st.x.Xitalic, "italic"),
        text(st.x.Xtext, kCaptionMax, Msg::WrongSymbol).opens_empty(),
        color(st.x.Xbgcolor).opens_empty().with_hex_text(kHexExpectedX),
        x_labels(st.X, st.x.Xi),
    };
    read_fields(rc, fields);
}

}  // namespace qp
