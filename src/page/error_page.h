// The error page: a red box with "ERRORS in <file>" standing where the chart
// would have stood.
#pragma once

#include <string>

#include "page/canvas.h"
#include "page/page_text.h"

namespace qp {

// The place and size of the chart's area as its records gave them.
struct AreaPlace {
    int left = 0;
    int top = -1;
    int width = 400;
    int height = 400;
};

// What leads the error page on its page.
struct ErrorPageHeading {
    bool heading = false;      // the page heading is written
    bool title_line = false;   // the heading carries the title line
};

// What the error page is about: the heading's title line and the chart
// description file that has the errors.
struct ErrorPageTexts {
    const std::string& title;
    const std::string& chart_name;
};

// Draws the error page of the chart description file on `canvas`.
void draw_error_page(Canvas& canvas, const AreaPlace& area, const ErrorPageHeading& lead,
                     const ErrorPageTexts& texts);

// Appends the error page (VML) of the chart description file `chart_name`
// to `page`.  `title` fills the heading's title line.
void append_error_page(PageText& page, const AreaPlace& area, const ErrorPageHeading& lead,
                       const std::string& title, const std::string& chart_name);

}  // namespace qp
