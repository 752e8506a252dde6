#!/usr/bin/env bash
# Renders the gallery: every chart description named in examples.qpj, into
# examples/out/ (pages, the run log qplotlog.htm, the console in console.txt
# and standard error in errors.txt).  Builds nothing.
#
#   examples/render.sh path/to/qplot
#   examples/render.sh --svg path/to/qplot
#   examples/render.sh [--svg] --tidy path/to/qplot
#
# With --svg the pages draw their charts in SVG (qplot --svg) and go to
# examples/out-svg/ instead, with an index.html that links every page: the
# pages to open in a browser.  The VML pages of examples/out/ show only
# their texts in current browsers.  With --tidy the charts get the tidy
# layout (qplot --tidy), into examples/out-tidy/ or examples/out-svg-tidy/.
#
# The job file's directories are relative to the output directory, where
# qplot runs: input files from "..", pages to ".".  errors.csv holds
# deliberate errors, so the run's exit code is 1; this script fails only
# when another file has errors or a page is missing.
set -uo pipefail
flags=()
outdir=out
svg=0
while [ $# -gt 1 ]; do
  case "$1" in
    --svg) flags+=(--svg); svg=1; outdir=out-svg ;;
    --tidy) flags+=(--tidy) ;;
    *) break ;;
  esac
  shift
done
case " ${flags[*]} " in *" --tidy "*) outdir="$outdir-tidy" ;; esac
if [ $# -ne 1 ]; then
  echo "usage: $0 [--svg] [--tidy] path/to/qplot" >&2
  exit 2
fi
qplot="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
here="$(cd "$(dirname "$0")" && pwd)"
if [ ! -x "$qplot" ]; then
  echo "$0: $1 is not an executable" >&2
  exit 2
fi

rm -rf "${here:?}/$outdir"
mkdir -p "$here/$outdir"
cd "$here/$outdir" || exit 1
"$qplot" "${flags[@]}" ../examples.qpj >console.txt 2>errors.txt
rc=$?

status=0
# Only the file with deliberate errors may be reported as erroneous.
if grep 'Errors are found in file' qplotlog.htm | grep -v 'errors\.csv' ; then
  echo "$0: a gallery file other than errors.csv has errors; see examples/$outdir/qplotlog.htm" >&2
  status=1
fi
if [ $rc -ne 1 ]; then
  echo "$0: qplot exited with $rc; expected 1 (errors.csv has errors on purpose)" >&2
  status=1
fi
pages=(line_plain line_drop line_area line_stacked markers markers_on_line
       markers_stacked bars bars_stacked values dual_scales slanted_labels
       frame_and_grid transparent legend_right legend_columns legend_rows
       legend_only pie_single pies_variants stencil_a stencil_b shared_page
       own_pages_first own_pages_second heading_ending errors)
for page in "${pages[@]}"; do
  if [ ! -s "$page.htm" ]; then
    echo "$0: page $page.htm was not written" >&2
    status=1
  fi
done
if [ $svg -eq 0 ]; then
  echo "gallery: $(ls "$here/$outdir"/*.htm | wc -l) pages and the run log in $here/$outdir (open index: $here/$outdir/qplotlog.htm)"
  exit $status
fi

if ! head -c 15 line_plain.htm 2>/dev/null | grep -qi '^<!DOCTYPE html>'; then
  echo "$0: $1 wrote no SVG pages (it does not know --svg)" >&2
  status=1
fi
{
  printf '<!DOCTYPE html>\n<html lang="en">\n<head>\n<meta charset="utf-8">\n'
  printf '<title>Quillplot examples</title>\n</head>\n<body>\n<h1>Quillplot examples</h1>\n'
  printf '<p>Each page draws its charts in SVG. The run log: <a href="qplotlog.htm">qplotlog.htm</a>.</p>\n<ul>\n'
  for page in "${pages[@]}"; do
    printf '<li><a href="%s.htm">%s</a></li>\n' "$page" "$page"
  done
  printf '</ul>\n</body>\n</html>\n'
} >index.html
echo "gallery: $(ls "$here/$outdir"/*.htm | wc -l) SVG pages and the run log in $here/$outdir (open in a browser: $here/$outdir/index.html)"
exit $status
