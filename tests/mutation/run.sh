#!/usr/bin/env bash
# Mutation testing: plants the faults listed in faults.txt beside this
# script one at a time, rebuilds the test suite and runs it, and reports per
# fault whether the suite caught it, then the score.  Too slow for CI (about
# half a minute per fault); run it by hand from anywhere in the repository:
#
#   tests/mutation/run.sh                 every fault
#   tests/mutation/run.sh legend          only faults whose line mentions "legend"
#
# faults.txt holds one fault per line, fields separated by "@@":
#
#   path@@pattern@@replacement@@what the fault does
#
# The path is relative to the repository root; the pattern is plain text
# (not a regular expression) that must occur exactly once in the file.  A
# fault whose pattern occurs nowhere or more than once is reported "stale"
# and not counted: update its line after moving or changing that code.
# Blank lines and lines starting with # are skipped.
#
# The build goes to build-mutation/ (QP_MUTATION_BUILD overrides it) with
# one job (QP_MUTATION_JOBS overrides it).  The
# mutated file is restored after every fault, also when the run is
# interrupted; do not edit the sources while it runs.
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
list="$root/tests/mutation/faults.txt"
build="${QP_MUTATION_BUILD:-$root/build-mutation}"
jobs="${QP_MUTATION_JOBS:-1}"
filter="${1:-}"
cd "$root" || exit 2

current=""
backup="$build/mutation-original"
restore() {
  if [ -n "$current" ]; then
    cp "$backup" "$root/$current"   # a fresh time stamp makes the next build recompile it
    current=""
  fi
}
trap restore EXIT
trap 'restore; exit 130' INT TERM

build_suite() { cmake --build "$build" -j"$jobs" --target qplot_tests >"$build/mutation-build.log" 2>&1; }
run_suite() { timeout 120 "$build/qplot_tests" --gtest_brief=1 >"$build/mutation-test.log" 2>&1; }

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null || exit 2
if ! build_suite || ! run_suite; then
  echo "the unmutated suite does not build or pass; see $build/mutation-*.log" >&2
  exit 2
fi

caught=0 missed=0 stale=0 broken=0
missed_list=""
while IFS= read -r line || [ -n "$line" ]; do
  case "$line" in ''|'#'*) continue ;; esac
  if [ -n "$filter" ] && [[ "$line" != *"$filter"* ]]; then continue; fi
  rest="$line"
  file="${rest%%@@*}"; rest="${rest#*@@}"
  pattern="${rest%%@@*}"; rest="${rest#*@@}"
  replacement="${rest%%@@*}"; what="${rest#*@@}"
  label="$file: $what"
  if [ ! -f "$root/$file" ]; then
    echo "stale   $label (no such file)"; stale=$((stale + 1)); continue
  fi
  count=$(python3 -c 'import sys; print(open(sys.argv[1], encoding="latin-1").read().count(sys.argv[2]))' \
          "$root/$file" "$pattern")
  if [ "$count" != 1 ]; then
    echo "stale   $label (pattern found $count times)"; stale=$((stale + 1)); continue
  fi
  cp "$root/$file" "$backup"
  current="$file"
  python3 -c '
import sys
path, pattern, replacement = sys.argv[1:4]
text = open(path, encoding="latin-1").read()
open(path, "w", encoding="latin-1").write(text.replace(pattern, replacement, 1))
' "$root/$file" "$pattern" "$replacement"
  if ! build_suite; then
    echo "broken  $label (does not compile)"; broken=$((broken + 1))
  elif run_suite; then
    echo "MISSED  $label"; missed=$((missed + 1)); missed_list+="  $label"$'\n'
  else
    failed=$(sed -n 's/^\[  FAILED  \] \([^ ,]*\).*/\1/p' "$build/mutation-test.log" | sort -u | head -4 | paste -sd' ')
    echo "caught  $label [${failed:-the suite did not finish}]"; caught=$((caught + 1))
  fi
  restore
done <"$list"

total=$((caught + missed))
echo
echo "faults caught: $caught of $total${total:+ ($(( total ? 100 * caught / total : 0 ))%)}; stale: $stale; not compiling: $broken"
[ -n "$missed_list" ] && printf 'missed:\n%s' "$missed_list"
build_suite   # leave the build as the sources are
exit 0
