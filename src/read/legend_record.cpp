// The LEGEND record: marks, place and size, entry grid, font and frame.
#include "read/field_table.h"

namespace qp {

void read_legend_record(RecordContext& rc) {
    ChartState& st = rc.st;
    const ChartState fresh(ChartState::NoTables{});
    st.Lp = fresh.Lp;
    st.Lgrid = fresh.Lgrid;
    st.Lonly = fresh.Lonly;
    st.Lleft = fresh.Lleft;
    st.Ltop = fresh.Ltop;
    st.Lwidth = fresh.Lwidth;
    st.Lheight = fresh.Lheight;
    st.Lcolor = fresh.Lcolor;
    st.Lcols = fresh.Lcols;
    st.Lrows = fresh.Lrows;
    st.Lfsize = fresh.Lfsize;
    st.Lfont = fresh.Lfont;
    st.Lfcolor = fresh.Lfcolor;
    st.Lbold = fresh.Lbold;
    st.Litalic = fresh.Litalic;
    st.Lmaxtext = fresh.Lmaxtext;
    st.Lborder = fresh.Lborder;
    st.Lbwidth = fresh.Lbwidth;
    st.Lbcolor = fresh.Lbcolor;
    st.Lshadow = fresh.Lshadow;
    st.Lround = fresh.Lround;
    st.Lgnum = fresh.Lgnum;
    // The legend has a frame as soon as a border width digit, a shadow or a
    // round word is written.
    const FieldEntry fields[] = {
        legend_keyword(st.Lgrid, st.Lonly),
        whole(st.Lleft),
        whole(st.Ltop),
        whole(st.Lwidth).opens_at(0),
        whole(st.Lheight).opens_at(0),
        color(st.Lcolor).opens_empty(),
        whole(st.Lcols).opens_at(0),
        whole(st.Lrows).opens_at(0),
        whole(st.Lfsize).opens_at(0),
        text(st.Lfont, kLegendFontMax).opens_empty(),
        color(st.Lfcolor).opens_empty(),
        flag("BOLD", st.Lbold, "bold"),
        flag("ITALIC", st.Litalic, "italic"),
        whole(st.Lbwidth).opens_at(0).also_setting(st.Lborder),
        color(st.Lbcolor).opens_empty(),
        flag("SHADOW", st.Lshadow).also_setting(st.Lborder),
        flag("ROUND", st.Lround).also_setting(st.Lborder),
    };
    read_fields(rc, fields);
}

}  // namespace qp
