#!/usr/bin/env bash
# Before and after pictures of the charts in docs/tidy/*.csv: each drawn
# with SVG charts as specified (qplot --svg) and with the tidy layout
# (qplot --svg --tidy), shot in headless Chromium and set side by side in
# docs/tidy/NAME.png (ImageMagick's montage), at half size.
#
#   docs/tidy/pictures.sh path/to/qplot
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: $0 path/to/qplot" >&2
  exit 2
fi
qplot="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for mode in plain tidy; do
  mkdir -p "$work/$mode"
  cp "$here"/*.csv "$work/$mode/"
  flags=(--svg)
  [ $mode = tidy ] && flags+=(--tidy)
  (cd "$work/$mode" && "$qplot" "${flags[@]}" ./*.csv >/dev/null)
  node "$root/tools/browser/screenshot.js" "$work/$mode/shots" "$work/$mode"/[a-z]*[a-z].htm >/dev/null
done
for csv in "$here"/*.csv; do
  name=$(basename "$csv" .csv)
  montage "$work/plain/shots/$name.png" "$work/tidy/shots/$name.png" -tile 2x1 -geometry +6+0 \
    -background '#999999' -resize 50% "$here/$name.png"
  echo "$here/$name.png"
done
