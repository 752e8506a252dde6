// The chart title, centred vertically in the top margin.
#include <string_view>

#include "draw/painters.h"
#include "draw/plot_geometry.h"
#include "page/vml_writer.h"

namespace qp {

void paint_title(ChartState& st, VmlWriter& out) {
    std::string_view shown = st.Ttext;
    std::string_view align = "center";
    if (!shown.empty() && (shown.front() == '<' || shown.front() == '>')) {
        align = shown.front() == '<' ? "left" : "right";
        shown.remove_prefix(1);
    }
    const int top = clamp_to_int((static_cast<long long>(st.Ctop) - st.Tsize) / 2 + st.Atop);
    const int left = px_sum(st.Aleft, 5);
    const int width = px_sum(st.Awidth, -10);
    const int height = round_to_int(st.Tsize * 1.15);
    const TextStyle style{st.Titalic, st.Tbold, st.Tsize, st.Tfont, st.Tcolor, st.Tbgcolor};
    out.text_shape(top, left, align, width, height, style, shown);
}

}  // namespace qp
