#!/usr/bin/env bash
# The browser test: renders every example with SVG charts (qplot --svg) and
# with VML, loads each SVG page in headless Chromium and checks what the
# browser reports against the VML page of the same chart (see
# check_pages.js).  First it checks the hand-made sample pages under
# fixtures/: a sound one must pass, and one with a fault of every kind must
# show exactly those faults, so a check that stopped seeing its fault fails.
#
#   tests/browser/run.sh [path/to/qplot]
#
# Without an argument it uses build/qplot, or builds qplot (Release, without
# the tests) below build-browser/.  Installs Chromium through
# tools/setup-browser.sh when it is missing.  A binary that writes no SVG
# pages fails: its example pages are checked as they are and fail.  A text
# that leaves its chart fails only where its VML text box lies inside the
# chart (the layout places some outside: those are noted).  Closes with
# "N passed, N failed"; exit code 1 when a page failed.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"

"$root/tools/setup-browser.sh"

if [ $# -ge 1 ]; then
  qplot="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
elif [ -x "$root/build/qplot" ]; then
  qplot="$root/build/qplot"
else
  cmake -S "$root" -B "$root/build-browser" -DCMAKE_BUILD_TYPE=Release -DQP_TESTS=OFF >/dev/null
  cmake --build "$root/build-browser" -j2 --target qplot >/dev/null
  qplot="$root/build-browser/qplot"
fi

scratch="$(mktemp -d "${TMPDIR:-/tmp}/qp-browser.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/examples"
find "$root/examples" -maxdepth 1 -type f -exec cp {} "$scratch/examples/" \;
"$scratch/examples/render.sh" "$qplot" >/dev/null \
  || { echo "browser test: rendering the examples with VML failed" >&2; exit 1; }
vml="$scratch/examples/out"

args=(--page "$vml/line_plain.htm" fixtures/line_plain.htm
      --page "$vml/line_plain.htm" fixtures/faulty.htm
      --expect-faults blocks,console,ids,safety,series,size,standalone,svg,text)

# A binary without --svg takes the flag for an argument of an unknown kind
# and writes VML pages.
"$scratch/examples/render.sh" --svg "$qplot" >/dev/null 2>"$scratch/render-svg.txt" || true
if head -c 15 "$scratch/examples/out-svg/line_plain.htm" 2>/dev/null | grep -qi '^<!DOCTYPE html>'; then
  if [ -s "$scratch/render-svg.txt" ]; then
    cat "$scratch/render-svg.txt" >&2
    echo "browser test: rendering the examples with --svg failed" >&2
    exit 1
  fi
  # The error page may stay as it is without --svg.
  args+=(--may-keep-vml errors.htm)
else
  echo "browser test: $qplot writes no SVG pages (--svg not supported): its example pages fail"
fi
args+=(--dir "$vml" "$scratch/examples/out-svg")

cd "$here"
node check_pages.js "${args[@]}"
