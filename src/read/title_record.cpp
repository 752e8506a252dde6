// The TITLE record: the title text, its font and its box.
#include "read/field_table.h"

namespace qp {

void read_title_record(RecordContext& rc) {
    ChartState& st = rc.st;
    st.title = Title{};   // the record starts from its defaults
    const FieldEntry fields[] = {
        keyword("TITLE"),
        whole(st.title.Tsize).opens_at(0),
        font_name(st.title.Tfont, kFontMax).opens_empty(),
        color(st.title.Tcolor).opens_empty(),
        flag("BOLD", st.title.Tbold, "bold"),
        flag("ITALIC", st.title.Titalic, "italic"),
        text(st.title.Ttext, kTitleMax).opens_empty(),
        color(st.title.Tbgcolor).opens_empty(),
    };
    read_fields(rc, fields);
}

}  // namespace qp
