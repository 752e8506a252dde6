// The help text: two pages, each followed by a prompt and one key.
#include "app/help_text.h"

#include <istream>
#include <ostream>
#include <string_view>

namespace qp {

namespace {

constexpr std::string_view kPage1 =
    "\n"
    "Quillplot    ver. 1.15.\n"
    "\n"
    "Start:\n"
    "      qplot /?\n"
    "                    this help\n"
    "\n"
    "      qplot file1 file2 ...\n"
    " where file1 file2 ... - names of input files with: \n"
    "                         Quillplot job file - extension .QPJ\n"
    "                         description of chart      - extension .CSV\n"
    "\n"
    "      qplot\n"
    " in this case in current directory must take place file QPLOT.QPJ\n"
    "\n"
    "\n"
    "Structure of Quillplot job file (*.QPJ)\n"
    "Path to directory with input files              - 1st string\n"
    "Path to directory for output files              - 2nd string\n"
    "Name of input file with description of chart(s) - 3rd string\n"
    "Name of input file with description of chart(s) - 4th string\n"
    "Name of input file with description of chart(s) - 5th string\n"
    "....  etc.\n";

constexpr std::string_view kPage2 =
    "Structure of data in input file (description of chart):\n"
    "AREA;left;top;width;height;bgcolor;id;marking_file;output_file;\n"
    "              heading_file;ending_file\n"
    "BORDER;width;color;shadow;round\n"
    "PLOT;left;right;top;bottom;bgcolor\n"
    "TITLE;size;font;color;bold;italic;text;bgcolor\n"
    "X+|angle;width;Xcolor;size;font;fontcolor;bold;italic;text;bgcolor;x1;x2;...\n"
    "Y1-;width;Ycolor;min;max;step;substep;Xlocate;size;font;fontcolor;\n"
    "              bold;italic;text;bgcolor\n"
    "Y2-;width;Ycolor;min;max;step;strokestep;Xlocate;size;font;fontcolor;\n"
    "              bold;italic;text;bgcolor\n"
    "LEGEND+!;left;top;width;height;bgcolor;columns;rows;fontsize;font;\n"
    "              fontcolor;bold;italic;borderwidth;bordercolor;shadow;round\n"
    "D1|D2;L[1|2|3][S];width;linecolor;fillcolor;[~]text;url;v1;v2;...\n"
    "D1|D2;M[1|2|3|4|5|6][S];size;strokecolor;fillcolor;[~|^]text;url;v1;v2;...\n"
    "D1|D2;P[1|2|3|4];width;linecolor;fillcolor;[~]text;url;v1;v2;...\n"
    "D1|D2;R[S];interval;strokecolor;fillcolor;[~]text;url;v1;v2;...\n"
    "D1|D2;V[S];fontsize;fontcolor;bgcolor;[~]text;url;v1;v2;...\n"
    "\n";

constexpr std::string_view kPrompt = "Press <ENTER> to continue";

void page(std::ostream& console, std::istream& keyboard, std::string_view text,
          bool keyboard_is_terminal) {
    console << text << kPrompt;
    console.flush();
    keyboard.get();   // one character; the end of input just continues
    if (!keyboard_is_terminal) console << '\n';
}

}  // namespace

void print_help(std::ostream& console, std::istream& keyboard, bool keyboard_is_terminal) {
    page(console, keyboard, kPage1, keyboard_is_terminal);
    page(console, keyboard, kPage2, keyboard_is_terminal);
}

}  // namespace qp
