#include "draw/chart_summary.h"

namespace qp {

namespace {

std::string_view kind_of(std::string_view tip) {
    const char variant = tip.size() > 1 ? tip[1] : '1';
    switch (tip.empty() ? ' ' : tip[0]) {
        case 'L':
            return variant == '2' ? "line with drop lines" : variant == '3' ? "filled line" : "line";
        case 'M': return "markers";
        case 'R': return "bars";
        case 'V': return "value labels";
        case 'P': return "pie";
        default: return "series";
    }
}

}  // namespace

ChartSummary summarize_chart(const ChartState& st) {
    ChartSummary sum;
    sum.title = st.Ttext;
    if (!sum.title.empty() && (sum.title.front() == '<' || sum.title.front() == '>')) {
        sum.title.remove_prefix(1);
    }
    for (const auto* table : {&st.D1rec, &st.D2rec}) {
        const int num = table == &st.D1rec ? st.D1num : st.D2num;
        for (int s = 0; s <= num && s < static_cast<int>(table->size()); ++s) {
            const SeriesRecord& rec = (*table)[static_cast<std::size_t>(s)];
            if (rec.pornum < 1 || rec.pornum > st.koldata) continue;
            const std::string_view text = rec.text;
            sum.series.push_back({text.substr(0, text.find('\'')), kind_of(rec.tip)});
        }
    }
    if (st.Xi >= 1 && static_cast<std::size_t>(st.Xi) <= st.X.size()) {
        sum.first_category = st.X.front();
        sum.last_category = st.X[static_cast<std::size_t>(st.Xi) - 1];
    }
    sum.scales[0] = {st.Y1p == 1, st.Y1min, st.Y1max};
    sum.scales[1] = {st.Y2p == 1, st.Y2min, st.Y2max};
    sum.legend_only = st.Lonly == 1;
    return sum;
}

}  // namespace qp
