#!/usr/bin/env bash
# Pictures of the examples: renders them with SVG charts (examples/render.sh
# --svg, into examples/out-svg/), takes a PNG screenshot of each chart page
# in headless Chromium into docs/gallery/ (line_plain.htm gives
# docs/gallery/line_plain.png) and writes docs/gallery/README.md, which
# shows them all.  Installs Chromium through tools/setup-browser.sh when it
# is missing.  Look at every picture before committing them.
#
#   examples/gallery.sh path/to/qplot
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: $0 path/to/qplot" >&2
  exit 2
fi
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/.." && pwd)"
gallery="$root/docs/gallery"

"$root/tools/setup-browser.sh"
# errors.csv fails on purpose; render.sh tells any other failure.
"$here/render.sh" --svg "$1"

# Every page of the examples but the error page, in the job's order.
pages=()
while IFS= read -r page; do
  [ "$page" = errors ] || pages+=("$page")
done < <(sed -n 's/^<li><a href="\([^"]*\)\.htm">.*/\1/p' "$here/out-svg/index.html")

rm -f "$gallery"/*.png
mkdir -p "$gallery"
files=()
for page in "${pages[@]}"; do files+=("$here/out-svg/$page.htm"); done
node "$root/tools/browser/screenshot.js" "$gallery" "${files[@]}"

{
  echo "# Gallery"
  echo
  echo "The examples' pages (\`examples/*.csv\`) with SVG charts, as headless"
  echo "Chromium shows them; \`examples/gallery.sh path/to/qplot\` makes these pictures."
  for page in "${pages[@]}"; do
    echo
    echo "## $page"
    echo
    echo "![$page]($page.png)"
  done
} >"$gallery/README.md"
echo "gallery: ${#pages[@]} pictures in $gallery"
