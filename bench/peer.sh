#!/usr/bin/env bash
# Times qplot --svg against gnuplot's SVG terminal on the same line charts
# (800 x 400 pixels: title, both axes with captions, grid, legend, 5 series
# of 365 values; bench/gen_lines.py), 200 charts and then 800, in the same
# run: qplot draws each chart from its chart description file into a page
# of its own, gnuplot draws every chart from its data file in one process.
# Each side runs REPEAT times, alternating, and its best time counts.
# Prints each side's charts per second and peak memory, the SVG pages'
# bytes against the VML pages' qplot writes for the same charts (timed
# too), and the growth from 200 to 800 charts.  Targets: qplot at least 10
# times gnuplot's charts per second, SVG pages at most a third of the VML
# bytes, peak memory under 16 MB, linear growth (4.0).
#
#   bench/peer.sh [path/to/qplot]
#   REPEAT=n bench/peer.sh ...     runs per side and size (default 3)
#   BENCH_DIR=dir bench/peer.sh    charts and pages in `dir` (default
#                                  build-bench/), for example on a tmpfs
#
# Without an argument it builds qplot (Release) below BENCH_DIR.  Installs
# gnuplot (Debian's gnuplot-nox) when it is missing.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
work="${BENCH_DIR:-$root/build-bench}"
mkdir -p "$work"
work="$(cd "$work" && pwd)"

if ! command -v gnuplot >/dev/null 2>&1; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  echo "installing: gnuplot-nox"
  "${sudo_cmd[@]}" apt-get update </dev/null >/dev/null
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y gnuplot-nox </dev/null >/dev/null
fi

if [ $# -ge 1 ]; then
  qplot="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
else
  cmake -S "$root" -B "$work/release" -DCMAKE_BUILD_TYPE=Release -DQP_TESTS=OFF >/dev/null
  cmake --build "$work/release" -j2 --target qplot >/dev/null
  qplot="$work/release/qplot"
fi

# measure CMD...: "seconds peak_kb exit_code cpu_seconds" of the command alone.
source "$root/bench/measure.sh"

# Keeps the best time (with its CPU time) and the greatest peak of a side.
declare -A BEST CPU PEAK RC
record() {   # side seconds peak_kb exit_code cpu_seconds
  local side=$1 t=$2 p=$3 r=$4 c=$5
  if [ -z "${BEST[$side]:-}" ] || python3 -c "import sys; sys.exit(not $t < ${BEST[$side]})"; then
    BEST[$side]=$t; CPU[$side]=$c
  fi
  if [ -z "${PEAK[$side]:-}" ] || [ "$p" -gt "${PEAK[$side]}" ]; then PEAK[$side]=$p; fi
  if [ "$r" -ne 0 ] || [ -z "${RC[$side]:-}" ]; then RC[$side]=$r; fi
}

repeat="${REPEAT:-3}"
declare -A BYTES
for charts in 200 800; do
  job="$work/lines-$charts"
  if [ ! -f "$job/lines.qpj" ] || [ "$root/bench/gen_lines.py" -nt "$job/lines.qpj" ]; then
    rm -rf "$job"
    python3 "$root/bench/gen_lines.py" "$job" --charts "$charts"
  fi
  cd "$job"
  for ((run = 1; run <= repeat; run++)); do
    for side in svg gnuplot vml; do
      rm -rf out gp-out qplotlog.htm
      mkdir out gp-out
      cat in/* gp/* >/dev/null          # every run starts with the inputs cached
      sync
      case $side in
        svg) record "svg-$charts" $(measure "$qplot" --svg lines.qpj) ;;
        gnuplot) record "gnuplot-$charts" $(measure gnuplot lines.gp) ;;
        vml) record "vml-$charts" $(measure "$qplot" lines.qpj) ;;
      esac
      case $side in
        svg|vml) BYTES[$side-$charts]=$(du -sb out | cut -f1)
                 n=$(find out -name '*.htm' | wc -l)
                 if [ "$side" = svg ] && ! head -c 15 out/l0000.htm | grep -qi '^<!DOCTYPE html>'; then
                   echo "bench/peer.sh: $qplot writes no SVG pages (--svg not supported)" >&2
                   exit 2
                 fi ;;
        gnuplot) BYTES[$side-$charts]=$(du -sb gp-out | cut -f1)
                 n=$(find gp-out -name '*.svg' -size +0 | wc -l) ;;
      esac
      if [ "$n" -ne "$charts" ]; then
        echo "bench/peer.sh: $side wrote $n of $charts charts" >&2
        exit 1
      fi
      sync
    done
  done
  cd "$root"
done

python3 - <<PY
best = {"svg": (${BEST[svg-200]}, ${BEST[svg-800]}), "gnuplot": (${BEST[gnuplot-200]}, ${BEST[gnuplot-800]}),
        "vml": (${BEST[vml-200]}, ${BEST[vml-800]})}
cpu = {"svg": (${CPU[svg-200]}, ${CPU[svg-800]}), "gnuplot": (${CPU[gnuplot-200]}, ${CPU[gnuplot-800]}),
       "vml": (${CPU[vml-200]}, ${CPU[vml-800]})}
peak = {"svg": max(${PEAK[svg-200]}, ${PEAK[svg-800]}), "gnuplot": max(${PEAK[gnuplot-200]}, ${PEAK[gnuplot-800]}),
        "vml": max(${PEAK[vml-200]}, ${PEAK[vml-800]})}
rc = {"svg": (${RC[svg-200]}, ${RC[svg-800]}), "gnuplot": (${RC[gnuplot-200]}, ${RC[gnuplot-800]}),
      "vml": (${RC[vml-200]}, ${RC[vml-800]})}
nbytes = {"svg": (${BYTES[svg-200]}, ${BYTES[svg-800]}), "gnuplot": (${BYTES[gnuplot-200]}, ${BYTES[gnuplot-800]}),
          "vml": (${BYTES[vml-200]}, ${BYTES[vml-800]})}
names = {"svg": "qplot --svg", "gnuplot": "gnuplot svg", "vml": "qplot (VML)"}
print("== line charts, 5 series x 365 values, best of $repeat runs")
print("   %-12s %7s %9s %9s %9s %11s %9s %6s" % ("", "charts", "wall s", "CPU s", "charts/s", "bytes/chart", "peak MB", "exit"))
for side in ("svg", "gnuplot", "vml"):
    for i, n in enumerate((200, 800)):
        print("   %-12s %7d %9.3f %9.3f %9.0f %11.0f %9.1f %6d"
              % (names[side], n, best[side][i], cpu[side][i], n / best[side][i],
                 nbytes[side][i] / n, peak[side] / 1024, rc[side][i]))
for i, n in enumerate((200, 800)):
    print("== %d charts: qplot --svg draws %.1f times gnuplot's charts per second (target: at least 10)"
          % (n, best["gnuplot"][i] / best["svg"][i]))
print("== SVG pages against VML pages of the same charts: %.3f of the bytes (target: at most 0.333)"
      % (nbytes["svg"][0] / nbytes["vml"][0]))
print("== peak memory of qplot --svg: %.1f MB (target: under 16 MB)" % (peak["svg"] / 1024))
for side in ("svg", "gnuplot"):
    print("== growth from 200 to 800 charts, %s (linear: 4.0): wall %.2f, CPU %.2f"
          % (names[side], best[side][1] / best[side][0], cpu[side][1] / cpu[side][0]))
PY
