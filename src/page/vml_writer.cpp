// The attribute texts as strings, and the hand-over of a grown page.
#include "page/vml_writer.h"

#include "page/vml_format.h"

namespace qp {

namespace {

// The attribute text the elements write in place, as a string.
std::string quoted_attr(std::string_view name, std::string_view value) {
    const VmlWriter::Attribute attribute{name, value};
    std::string s(vml::attribute_bound(attribute), '\0');
    s.resize(static_cast<std::size_t>(vml::put_attribute(s.data(), attribute) - s.data()));
    return s;
}

}  // namespace

void VmlWriter::end_element(const char* end) {
    out_.commit(end);
    if (spill_ && out_.size() >= kSpillBytes) spill_();
}

std::string VmlWriter::escape_attr(std::string_view text, char quote) {
    const std::string_view ref = quote == '"' ? "&quot;" : "&#39;";
    std::string s;
    s.reserve(text.size());
    for (std::size_t q; (q = text.find(quote)) != std::string_view::npos;) {
        s.append(text.substr(0, q));
        s.append(ref);
        text.remove_prefix(q + 1);
    }
    s.append(text);
    return s;
}

std::string VmlWriter::id_attr(std::string_view id) { return quoted_attr("id", id); }
std::string VmlWriter::title_attr(std::string_view text) { return quoted_attr("title", text); }
std::string VmlWriter::link_attr(std::string_view url) { return quoted_attr("href", url); }

}  // namespace qp
