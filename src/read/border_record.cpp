// The BORDER record: the frame around the chart area.
#include "read/field_table.h"

namespace qp {

void read_border_record(RecordContext& rc) {
    ChartState& st = rc.st;
    st.border = Border{};   // the record starts from its defaults
    const FieldEntry fields[] = {
        keyword("BORDER"),
        whole(st.border.Bwidth).opens_at(0),
        color(st.border.Bcolor),   // an empty colour keeps "black"
        flag("SHADOW", st.border.Bshadow, WordForm::Border),
        flag("ROUND", st.border.Bround, WordForm::Border),
    };
    read_fields(rc, fields);
}

}  // namespace qp
