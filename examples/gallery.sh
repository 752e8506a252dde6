#!/usr/bin/env bash
# Pictures of the examples: renders them with SVG charts (examples/render.sh
# --svg, into examples/out-svg/), takes a PNG screenshot of each chart page
# in headless Chromium into docs/gallery/ (line_plain.htm gives
# docs/gallery/line_plain.png) and writes docs/gallery/README.md, which
# shows them all.  Installs Chromium through tools/setup-browser.sh when it
# is missing.  Look at every picture before committing them.
#
#   examples/gallery.sh [--tidy] path/to/qplot
#
# With --tidy the charts get the tidy layout (qplot --tidy), rendered into
# examples/out-svg-tidy/ and pictured into docs/gallery-tidy/.
set -euo pipefail
tidy=()
suffix=
if [ $# -eq 2 ] && [ "$1" = "--tidy" ]; then
  tidy=(--tidy)
  suffix=-tidy
  shift
fi
if [ $# -ne 1 ]; then
  echo "usage: $0 [--tidy] path/to/qplot" >&2
  exit 2
fi
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/.." && pwd)"
gallery="$root/docs/gallery$suffix"
pages_dir="$here/out-svg$suffix"

"$root/tools/setup-browser.sh"
# errors.csv fails on purpose; render.sh tells any other failure.
"$here/render.sh" --svg "${tidy[@]}" "$1"

# Every page of the examples but the error page, in the job's order.
pages=()
while IFS= read -r page; do
  [ "$page" = errors ] || pages+=("$page")
done < <(sed -n 's/^<li><a href="\([^"]*\)\.htm">.*/\1/p' "$pages_dir/index.html")

rm -f "$gallery"/*.png
mkdir -p "$gallery"
files=()
for page in "${pages[@]}"; do files+=("$pages_dir/$page.htm"); done
node "$root/tools/browser/screenshot.js" "$gallery" "${files[@]}"

{
  echo "# Gallery${suffix:+ (tidy layout)}"
  echo
  echo "The examples' pages (\`examples/*.csv\`) with SVG charts${suffix:+ laid out with \`--tidy\`}, as headless"
  echo "Chromium shows them; \`examples/gallery.sh ${tidy[*]:+--tidy }path/to/qplot\` makes these pictures."
  for page in "${pages[@]}"; do
    echo
    echo "## $page"
    echo
    echo "![$page]($page.png)"
  done
} >"$gallery/README.md"
echo "gallery: ${#pages[@]} pictures in $gallery"
