// The chart title, centred vertically in the top margin.
#include <string_view>

#include "draw/painters.h"
#include "draw/plot_geometry.h"

namespace qp {

void paint_title(ChartState& st, Canvas& out) {
    std::string_view shown = st.Ttext;
    Align align = Align::Center;
    if (!shown.empty() && (shown.front() == '<' || shown.front() == '>')) {
        align = shown.front() == '<' ? Align::Left : Align::Right;
        shown.remove_prefix(1);
    }
    const int top = clamp_to_int((static_cast<long long>(st.Ctop) - st.Tsize) / 2 + st.Atop);
    const int left = px_sum(st.Aleft, 5);
    const int width = px_sum(st.Awidth, -10);
    const int height = round_to_int(st.Tsize * 1.15);
    const TextStyle style{st.Titalic, st.Tbold, st.Tsize, st.Tfont, st.Tcolor, st.Tbgcolor};
    out.text_box(TextRole::Title, Rect{left, top, width, height}, align, style, shown);
}

}  // namespace qp
