// The PLOT record: the plot rectangle's margins inside the area.
#include "read/field_table.h"

namespace qp {

void read_plot_record(RecordContext& rc) {
    ChartState& st = rc.st;
    st.plot = Plot{};   // the record starts from its defaults
    // An empty margin stays "not given": only a digit replaces the -1.
    const FieldEntry fields[] = {
        keyword("PLOT"),
        whole(st.plot.Cleft),
        whole(st.plot.Cright),
        whole(st.plot.Ctop),
        whole(st.plot.Cbottom),
        color(st.plot.Ccolor).opens_empty(),
    };
    read_fields(rc, fields);
}

}  // namespace qp
