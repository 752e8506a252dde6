#!/usr/bin/env bash
# Compares the default output of two qplot builds: every page, the run log,
# the console and the exit code, on the examples gallery, the benchmark's
# 1x job and every input of the fuzz corpora run both as a chart
# description file and as a job file.  Times and dates in the run log and
# on the console are masked.  Prints the first differences and exits 1 when
# there are any.
#
#   tests/compat/compare_default.sh OLD_QPLOT NEW_QPLOT [WORK_DIR]
#
# WORK_DIR (default: a new temporary directory) keeps the generated job, so
# that a second comparison need not generate it again.  More inputs: set
# EXTRA_CORPUS to directories of chart files (for example the fuzzer's
# build-fuzz/corpus-chart).
set -uo pipefail
if [ $# -lt 2 ]; then
  echo "usage: $0 OLD_QPLOT NEW_QPLOT [WORK_DIR]" >&2
  exit 2
fi
abs() { echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; }
old=$(abs "$1"); new=$(abs "$2")
root="$(cd "$(dirname "$0")/../.." && pwd)"
work="${3:-$(mktemp -d)}"
mkdir -p "$work"; work=$(cd "$work" && pwd)

mask() { sed -E 's#[0-9]{2}:[0-9]{2}:[0-9]{2}#TIME#g; s#[0-9]{2}/[0-9]{2}/[0-9]{2}#DATE#g' "$1"; }

# Runs `binary args...` in directory `dir`; leaves console.txt and rc.txt.
run_in() {
  local binary=$1 dir=$2; shift 2
  ( cd "$dir" && "$binary" "$@" >console.txt 2>/dev/null </dev/null; echo $? >rc.txt )
  for f in "$dir"/console.txt "$dir"/qplotlog.htm; do
    [ -f "$f" ] && { mask "$f" >"$f.masked"; rm "$f"; }
  done
}

differences=0
compare_dirs() {
  local label=$1 a=$2 b=$3
  if ! diff -r -q "$a" "$b" >/dev/null 2>&1; then
    differences=$((differences + 1))
    if [ $differences -le 10 ]; then
      echo "== differs: $label"
      diff -r "$a" "$b" 2>&1 | head -8
    fi
  fi
}

# 1. The examples gallery, run as its job.  Both builds run in the same
# directory, since the console and the run log name it.
rm -rf "$work/examples"; cp -r "$root/examples" "$work/examples"
for side in old new; do
  binary=$old; [ $side = new ] && binary=$new
  rm -rf "$work/examples/out"; mkdir "$work/examples/out"
  run_in "$binary" "$work/examples/out" ../examples.qpj
  rm -rf "$work/examples-$side"; mv "$work/examples/out" "$work/examples-$side"
done
compare_dirs examples "$work/examples-old" "$work/examples-new"
echo "examples: compared"

# 2. The benchmark's 1x job.
job="$work/bench-1x"
if [ ! -f "$job/bench.qpj" ]; then
  python3 "$root/bench/gen_job.py" "$job" --scale 1 >/dev/null
fi
for side in old new; do
  binary=$old; [ $side = new ] && binary=$new
  rm -rf "$job/out" "$job/qplotlog.htm"; mkdir "$job/out"
  run_in "$binary" "$job" bench.qpj
  rm -rf "$work/bench-$side"; mkdir "$work/bench-$side"
  mv "$job/out" "$job/console.txt.masked" "$job/qplotlog.htm.masked" "$job/rc.txt" "$work/bench-$side/" 2>/dev/null
done
compare_dirs "benchmark job" "$work/bench-old" "$work/bench-new"
echo "benchmark job: $(find "$work/bench-new/out" -type f | wc -l) pages compared"

# 3. Every corpus input as a chart description file and as a job file.
count=0
for input in "$root"/fuzz/corpus/chart/* "$root"/fuzz/corpus/job/* "$root"/examples/*.csv \
             ${EXTRA_CORPUS:+$(find $EXTRA_CORPUS -type f)}; do
  [ -f "$input" ] || continue
  for kind in csv qpj; do
    for side in old new; do
      binary=$old; [ $side = new ] && binary=$new
      d="$work/one"; rm -rf "$d"; mkdir "$d"
      cp "$input" "$d/t.$kind"
      run_in "$binary" "$d" "t.$kind"
      rm -rf "$work/one-$side"; mv "$d" "$work/one-$side"
    done
    compare_dirs "$input as .$kind" "$work/one-old" "$work/one-new"
    count=$((count + 1))
  done
done
echo "corpus: $count runs compared"

if [ $differences -ne 0 ]; then
  echo "DIFFERENT: $differences comparisons differ"
  exit 1
fi
echo "IDENTICAL"
