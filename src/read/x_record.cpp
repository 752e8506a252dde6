// The X record: marks and label angle, the axis line, the label font, the
// caption and the list of X labels.
#include "read/field_table.h"

namespace qp {

namespace {
inline constexpr int kCaptionMax = 99;
}  // namespace

void read_x_record(RecordContext& rc) {
    ChartState& st = rc.st;
    const ChartState fresh(ChartState::NoTables{});
    st.X1p = fresh.X1p;
    st.Xgrid = fresh.Xgrid;
    st.XYcross = fresh.XYcross;
    st.Xgrad = fresh.Xgrad;
    st.Xwidth = fresh.Xwidth;
    st.Xgcolor = fresh.Xgcolor;
    st.Xsize = fresh.Xsize;
    st.Xfont = fresh.Xfont;
    st.Xcolor = fresh.Xcolor;
    st.Xbold = fresh.Xbold;
    st.Xitalic = fresh.Xitalic;
    st.Xtext = fresh.Xtext;
    st.Xbgcolor = fresh.Xbgcolor;
    st.Xi = fresh.Xi;
    st.Xstepr = fresh.Xstepr;
    st.Xstepm = fresh.Xstepm;
    st.dXstepm = fresh.dXstepm;
    // A second X record in one chart replaces the labels of the first.
    st.X.resize(kMaxXLabels);
    for (auto& label : st.X) label.clear();
    st.X1p = 1;

    const FieldEntry fields[] = {
        x_marks(st.Xgrid, st.XYcross, st.Xgrad),
        whole(st.Xwidth).opens_at(0),
        color(st.Xgcolor).opens_empty().with_hex_text(kHexExpectedX),
        whole(st.Xsize).opens_at(0),
        text(st.Xfont, kFontMax).opens_empty(),
        color(st.Xcolor).opens_empty().with_hex_text(kHexExpectedX),
        flag("BOLD", st.Xbold, "bold"),
        flag("ITALIC", st.Xitalic, "italic"),
        text(st.Xtext, kCaptionMax, Msg::WrongSymbol).opens_empty(),
        color(st.Xbgcolor).opens_empty().with_hex_text(kHexExpectedX),
        x_labels(st.X, st.Xi),
    };
    read_fields(rc, fields);
}

}  // namespace qp
