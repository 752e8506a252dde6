// The BORDER record: the frame around the chart area.
#include "read/field_table.h"

namespace qp {

void read_border_record(RecordContext& rc) {
    ChartState& st = rc.st;
    const ChartState fresh(ChartState::NoTables{});
    st.B = fresh.B;
    st.Bwidth = fresh.Bwidth;
    st.Bcolor = fresh.Bcolor;
    st.Bshadow = fresh.Bshadow;
    st.Bround = fresh.Bround;
    const FieldEntry fields[] = {
        keyword("BORDER"),
        whole(st.Bwidth).opens_at(0),
        color(st.Bcolor),   // an empty colour keeps "black"
        flag("SHADOW", st.Bshadow, WordForm::Border),
        flag("ROUND", st.Bround, WordForm::Border),
    };
    read_fields(rc, fields);
}

}  // namespace qp
