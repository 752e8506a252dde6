// The AREA record: the chart's place, size, background, identifier and the
// names of its stencil, output, heading and ending files.
#include "log/diagnostics.h"
#include "read/field_table.h"

namespace qp {

namespace {

// A later AREA record must agree with the first one about output pages:
// with one shared page it names none, with pages of their own it names one.
// Returns the message when it does not agree.
bool output_name_disagrees(const ChartState& st, Msg* message) {
    if (st.file.numAREA == 0) return false;   // the first record decides
    if (st.file.ONE_file == 1 && !st.area.Afile_output.empty()) {
        *message = Msg::OutputNameCanNotBeCoded;
        return true;
    }
    if (st.file.ONE_file != 1 && st.area.Afile_output.empty()) {
        *message = Msg::OutputNameMustBeCoded;
        return true;
    }
    return false;
}

// At the output field's own ";".  A line that ends inside the field is the
// record's end, which the check after the record reports over the rest of
// the line.
bool check_output_field(RecordContext& rc, bool at_line_end) {
    if (at_line_end) return false;
    Msg message{};
    if (!output_name_disagrees(rc.st, &message)) return false;
    rc.sc.resume_after(report_field(rc.run, rc.sc.spot(), message));
    if (message == Msg::OutputNameCanNotBeCoded) rc.st.area.Afile_output.clear();
    return true;
}

}  // namespace

void read_area_record(RecordContext& rc) {
    // No reset here: the defaults have just been applied for this chart.
    ChartState& st = rc.st;
    const FieldEntry fields[] = {
        keyword("AREA"),
        whole(st.area.Aleft).opens_at(0),
        whole(st.area.Atop).opens_at(-1),
        whole(st.area.Awidth).opens_at(0),
        whole(st.area.Aheight).opens_at(0),
        area_color(st.area.Abgcolor).opens_empty(),
        identifier(st.area.Aid).opens_empty(),
        file_name(st.area.Afile_markup).opens_empty(),
        file_name(st.area.Afile_output).opens_empty().checked_by(check_output_field),
        file_name(st.area.Afile_header).opens_empty(),
        file_name(st.area.Afile_footer).opens_empty(),
    };
    if (read_fields(rc, fields) == RecordEnd::Reported) return;
    // Checked again at the record's end, so that a record that stops
    // before its output field is held to the same rule.
    Msg message{};
    if (output_name_disagrees(st, &message)) {
        rc.sc.resume_after(report_rest_of_line(rc.run, rc.sc.spot(), message));
    }
}

void read_stencil_area_record(RecordContext& rc) {
    // A stencil's AREA gives only the place, size and background; an empty
    // field keeps the record-start value and the file fields are ignored.
    ChartState& st = rc.st;
    const Area fresh;
    st.area.Aleft = fresh.Aleft;
    st.area.Atop = fresh.Atop;
    st.area.Awidth = fresh.Awidth;
    st.area.Aheight = fresh.Aheight;
    st.area.Abgcolor = fresh.Abgcolor;
    const FieldEntry fields[] = {
        keyword("AREA"),
        whole(st.area.Aleft).stored_on_close(),
        whole(st.area.Atop).stored_on_close(),
        whole(st.area.Awidth).stored_on_close(),
        whole(st.area.Aheight).stored_on_close(),
        area_color(st.area.Abgcolor),
    };
    read_fields(rc, fields);
}

}  // namespace qp
