#include "page/error_page.h"

namespace qp {

namespace {

// An area of no width or height gets the default size.
constexpr int kDefaultSide = 400;

void append_number(PageText& out, long long n) { out += std::to_string(n); }

}  // namespace

void append_error_page(PageText& page, const AreaPlace& area, const ErrorPageHeading& lead,
                       const std::string& title, const std::string& chart_name) {
    if (lead.heading) {
        page += "<html>\n";
        page += "<xml:namespace prefix=\"v\"/>\n";
        if (lead.title_line) {
            page += "<title>";
            page += title;
            page += "</title>\n";
        }
        page += "<head><META Name=\"Generator\" Content=\"Quillplot\"></head>\n";
        page += "<style>\n";
        page += "v\\:* {behavior=url(#default#VML)}\n";
        page += "</style>\n";
        page += "<body>\n";
    }

    // Sizes are taken wide so that no area, however large, overflows.
    const long long width = area.width == 0 ? kDefaultSide : area.width;
    const long long height = area.height == 0 ? kDefaultSide : area.height;

    if (area.top == -1) {
        page += "<div style='position:relative;left:";
        append_number(page, area.left);
        page += "px'>\n";
    } else {
        page += "<div style='position:absolute;top:";
        append_number(page, area.top);
        page += "px;left:";
        append_number(page, area.left);
        page += "px'>\n";
    }

    page += "<v:group style='antialias:false;width:";
    append_number(page, width);
    page += "px;height:";
    append_number(page, height);
    page += "px' coordsize='";
    append_number(page, width);
    page += ',';
    append_number(page, height);
    page += "'>\n";

    page += "<v:roundrect arcsize='0' fillcolor='red' strokecolor='blue' strokeweight='1px' "
            "style='position:absolute;top:1px;left:1px;width:";
    append_number(page, width - 2);
    page += "px;height:";
    append_number(page, height - 2);
    page += "px' >\n";
    page += "</v:roundrect>\n";

    page += "<v:shape style='position:absolute;top:2;left:2;text-align:center;width:";
    append_number(page, width - 4);
    page += ";height:";
    append_number(page, height - 4);
    page += ";font:normal normal bold 16 Arial;color:white;background:red' >\n";

    page += "<v:textbox/>ERRORS in ";
    page += chart_name;
    page += "</v:textbox/>\n";
    page += "</v:shape>\n";
    page += "</v:group></div>\n";
}

}  // namespace qp
