#!/usr/bin/env bash
# Renders the gallery: every chart description named in examples.qpj, into
# examples/out/ (pages and the run log qplotlog.htm).  Builds nothing.
#
#   examples/render.sh path/to/qplot
#
# The job file's directories are relative to examples/out/, where qplot
# runs: input files from "..", pages to ".".  errors.csv holds deliberate
# errors, so the run's exit code is 1; this script fails only when another
# file has errors or a page is missing.
set -uo pipefail
if [ $# -ne 1 ]; then
  echo "usage: $0 path/to/qplot" >&2
  exit 2
fi
qplot="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
here="$(cd "$(dirname "$0")" && pwd)"
if [ ! -x "$qplot" ]; then
  echo "$0: $1 is not an executable" >&2
  exit 2
fi

rm -rf "$here/out"
mkdir -p "$here/out"
cd "$here/out" || exit 1
"$qplot" ../examples.qpj >console.txt
rc=$?

status=0
# Only the file with deliberate errors may be reported as erroneous.
if grep 'Errors are found in file' qplotlog.htm | grep -v 'errors\.csv' ; then
  echo "$0: a gallery file other than errors.csv has errors; see examples/out/qplotlog.htm" >&2
  status=1
fi
if [ $rc -ne 1 ]; then
  echo "$0: qplot exited with $rc; expected 1 (errors.csv has errors on purpose)" >&2
  status=1
fi
for page in line_plain line_drop line_area line_stacked markers markers_on_line \
            markers_stacked bars bars_stacked values dual_scales slanted_labels \
            frame_and_grid transparent legend_right legend_columns legend_rows \
            legend_only pie_single pies_variants stencil_a stencil_b shared_page \
            own_pages_first own_pages_second heading_ending errors; do
  if [ ! -s "$page.htm" ]; then
    echo "$0: page $page.htm was not written" >&2
    status=1
  fi
done
echo "gallery: $(ls "$here"/out/*.htm | wc -l) pages and the run log in $here/out (open index: $here/out/qplotlog.htm)"
exit $status
