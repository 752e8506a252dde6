// The TITLE record: the title text, its font and its box.
#include "read/field_table.h"

namespace qp {

void read_title_record(RecordContext& rc) {
    ChartState& st = rc.st;
    const ChartState fresh(ChartState::NoTables{});
    st.Tsize = fresh.Tsize;
    st.Tfont = fresh.Tfont;
    st.Tcolor = fresh.Tcolor;
    st.Tbold = fresh.Tbold;
    st.Titalic = fresh.Titalic;
    st.Ttext = fresh.Ttext;
    st.Tbgcolor = fresh.Tbgcolor;
    const FieldEntry fields[] = {
        keyword("TITLE"),
        whole(st.Tsize).opens_at(0),
        text(st.Tfont, kFontMax).opens_empty(),
        color(st.Tcolor).opens_empty(),
        flag("BOLD", st.Tbold, "bold"),
        flag("ITALIC", st.Titalic, "italic"),
        text(st.Ttext, kTitleMax).opens_empty(),
        color(st.Tbgcolor).opens_empty(),
    };
    read_fields(rc, fields);
}

}  // namespace qp
