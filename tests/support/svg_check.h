// A strict reading of the markup an SVG page writes: every tag closes in
// order, only the elements and attributes the SVG canvas writes occur, and
// every attribute value is quoted with no raw '<' or '&' but in references.
// Returns what is wrong, or an empty text.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace qp::test {

inline std::string svg_markup_fault(std::string_view page) {
    static const std::set<std::string, std::less<>> kElements = {
        "div", "svg", "title", "desc", "g", "a", "path", "rect", "circle",
        "ellipse", "polygon", "polyline", "line", "text", "tspan"};
    static const std::set<std::string, std::less<>> kAttributes = {
        "style", "id", "xmlns", "width", "height", "viewBox", "role", "aria-labelledby",
        "shape-rendering", "overflow", "href", "fill", "stroke", "stroke-width",
        "stroke-linejoin", "d", "x", "y", "rx", "cx", "cy", "r", "ry", "points", "x1", "y1",
        "x2", "y2", "transform", "font-family", "font-size", "font-weight", "font-style",
        "text-anchor", "dy", "text-decoration"};
    std::vector<std::string> open;
    for (std::size_t i = 0; i < page.size(); ++i) {
        if (page[i] == '&') {
            const std::size_t end = page.find(';', i);
            if (end == std::string_view::npos || end - i > 10) return "a bare '&' at " + std::to_string(i);
            continue;
        }
        if (page[i] == '>') return "a bare '>' at " + std::to_string(i);
        if (page[i] != '<') continue;
        const bool closing = i + 1 < page.size() && page[i + 1] == '/';
        std::size_t p = i + (closing ? 2 : 1);
        const std::size_t name_end = page.find_first_of(" />", p);
        if (name_end == std::string_view::npos) return "an unfinished tag";
        const std::string name(page.substr(p, name_end - p));
        if (!kElements.count(name)) return "element <" + name + ">";
        p = name_end;
        if (closing) {
            if (open.empty() || open.back() != name || page[p] != '>') return "</" + name + "> closes nothing";
            open.pop_back();
            i = p;
            continue;
        }
        for (;;) {
            while (p < page.size() && page[p] == ' ') ++p;
            if (p >= page.size()) return "an unfinished tag <" + name + ">";
            if (page.substr(p, 2) == "/>") { i = p + 1; break; }
            if (page[p] == '>') { open.push_back(name); i = p; break; }
            const std::size_t eq = page.find('=', p);
            if (eq == std::string_view::npos) return "an attribute without value";
            const std::string attr(page.substr(p, eq - p));
            if (!kAttributes.count(attr)) return "attribute " + attr + " on <" + name + ">";
            if (page[eq + 1] != '"') return "an unquoted value of " + attr;
            const std::size_t close = page.find('"', eq + 2);
            if (close == std::string_view::npos) return "an unfinished value of " + attr;
            const std::string_view value = page.substr(eq + 2, close - eq - 2);
            if (value.find('<') != std::string_view::npos) return "a '<' in " + attr;
            p = close + 1;
        }
    }
    if (!open.empty()) return "<" + open.back() + "> is not closed";
    return {};
}

}  // namespace qp::test
