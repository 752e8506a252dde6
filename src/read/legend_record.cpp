// The LEGEND record: marks, place and size, entry grid, font and frame.
#include "read/field_table.h"

namespace qp {

void read_legend_record(RecordContext& rc) {
    ChartState& st = rc.st;
    st.legend = Legend{};   // the record starts from its defaults
    // The legend has a frame as soon as a border width digit, a shadow or a
    // round word is written.
    const FieldEntry fields[] = {
        legend_keyword(st.legend.Lgrid, st.legend.Lonly),
        whole(st.legend.Lleft),
        whole(st.legend.Ltop),
        whole(st.legend.Lwidth).opens_at(0),
        whole(st.legend.Lheight).opens_at(0),
        color(st.legend.Lcolor).opens_empty(),
        whole(st.legend.Lcols).opens_at(0),
        whole(st.legend.Lrows).opens_at(0),
        whole(st.legend.Lfsize).opens_at(0),
        font_name(st.legend.Lfont, kLegendFontMax).opens_empty(),
        color(st.legend.Lfcolor).opens_empty(),
        flag("BOLD", st.legend.Lbold, "bold"),
        flag("ITALIC", st.legend.Litalic, "italic"),
        whole(st.legend.Lbwidth).opens_at(0).also_setting(st.legend.Lborder),
        color(st.legend.Lbcolor).opens_empty(),
        flag("SHADOW", st.legend.Lshadow).also_setting(st.legend.Lborder),
        flag("ROUND", st.legend.Lround).also_setting(st.legend.Lborder),
    };
    read_fields(rc, fields);
}

}  // namespace qp
