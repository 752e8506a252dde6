// The PLOT record: the plot rectangle's margins inside the area.
#include "read/field_table.h"

namespace qp {

void read_plot_record(RecordContext& rc) {
    ChartState& st = rc.st;
    const ChartState fresh(ChartState::NoTables{});
    st.Cleft = fresh.Cleft;
    st.Cright = fresh.Cright;
    st.Ctop = fresh.Ctop;
    st.Cbottom = fresh.Cbottom;
    st.Ccolor = fresh.Ccolor;
    // An empty margin stays "not given": only a digit replaces the -1.
    const FieldEntry fields[] = {
        keyword("PLOT"),
        whole(st.Cleft),
        whole(st.Cright),
        whole(st.Ctop),
        whole(st.Cbottom),
        color(st.Ccolor).opens_empty(),
    };
    read_fields(rc, fields);
}

}  // namespace qp
