#!/usr/bin/env bash
# Times qplot on a generated job at 1x and 4x size against the I/O floor
# measured in the same run, and prints charts per second, output MB/s, the
# ratio to the floor, peak resident memory and the growth from 1x to 4x.
# When the binary writes SVG pages (qplot --svg), the same job is timed with
# --svg too, and its figures are printed beside the VML ones, with the SVG
# pages' bytes against the VML pages' (the same pages must be written).
#
#   bench/run.sh [path/to/qplot]
#   REPEAT=n bench/run.sh ...    runs per size, best time kept (default 3)
#   BENCH_DIR=dir bench/run.sh   jobs and pages in `dir` (for example on a
#                                tmpfs, to time the program without the
#                                disk's file system)
#
# Without an argument it builds qplot (Release) below build-bench/ (or
# BENCH_DIR), where the jobs job-1x and job-4x are generated too
# (deterministic: the same bytes every time).  The floor is the cost of
# reading every input file and writing the same output bytes to the same
# number of files (cat and cp).  Targets: within 2x of the floor, peak
# memory under 16 MB, linear growth.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
work="${BENCH_DIR:-$root/build-bench}"
mkdir -p "$work"
work="$(cd "$work" && pwd)"

if [ $# -ge 1 ]; then
  qplot="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
else
  cmake -S "$root" -B "$work/release" -DCMAKE_BUILD_TYPE=Release -DQP_TESTS=OFF >/dev/null
  cmake --build "$work/release" -j"$(nproc)" --target qplot >/dev/null
  qplot="$work/release/qplot"
fi

# Tells whether the binary writes SVG pages with --svg (a binary without the
# flag takes it for an argument of an unknown kind and writes VML).
svg_supported() {
  local dir
  dir="$(mktemp -d)"
  printf 'AREA;0;;200;100;white;probe\nD1;L1;1;red;;a;;1;2;\n' >"$dir/probe.csv"
  (cd "$dir" && "$qplot" --svg probe.csv >/dev/null 2>&1)
  head -c 15 "$dir/probe.htm" 2>/dev/null | grep -qi '^<!DOCTYPE html>'
  local rc=$?
  rm -rf "$dir"
  return $rc
}
svg=0
if svg_supported; then svg=1; else echo "== $qplot writes no SVG pages (--svg not supported): VML only"; fi

# measure CMD...: "seconds peak_kb exit_code cpu_seconds" of the command alone.
source "$root/bench/measure.sh"

repeat="${REPEAT:-3}"
declare -A T_QP T_CPU T_SVG C_SVG
for scale in 1 4; do
  job="$work/job-${scale}x"
  if [ ! -f "$job/bench.qpj" ] || [ "$root/bench/gen_job.py" -nt "$job/bench.qpj" ]; then
    rm -rf "$job"
    python3 "$root/bench/gen_job.py" "$job" --scale "$scale"
  fi
  cd "$job"
  # Alternate qplot and the floor; keep the best time of each (the machine's
  # write-back makes single runs noisy) and the greatest peak memory.
  t_qp=""; t_floor=""; cpu=""; cpu_floor=""; peak=0; rc=0
  for ((run = 1; run <= repeat; run++)); do
    rm -rf out floor qplotlog.htm
    mkdir out floor
    cat in/* >/dev/null          # every run starts with the inputs cached
    sync
    read -r t p r c < <(measure "$qplot" bench.qpj)
    [ "$r" -ne 0 ] && rc=$r
    [ "$p" -gt "$peak" ] && peak=$p
    if [ -z "$t_qp" ] || python3 -c "import sys; sys.exit(not $t < $t_qp)"; then t_qp=$t; cpu=$c; fi
    sync
    read -r t _ _ c < <(measure bash -c 'cat in/* >/dev/null && cp -r out/. floor/ && cp qplotlog.htm floor/')
    if [ -z "$t_floor" ] || python3 -c "import sys; sys.exit(not $t < $t_floor)"; then t_floor=$t; cpu_floor=$c; fi
    sync
  done

  charts=$(grep -o 'is generated' qplotlog.htm | wc -l)
  errors=$(grep -c 'Errors are found in file' qplotlog.htm || true)
  files=$(find out -type f | wc -l)
  bytes=$(du -sb out | cut -f1)
  inputs=$(du -sb in | cut -f1)
  T_QP[$scale]=$t_qp
  T_CPU[$scale]=$cpu
  python3 - "$scale" "$t_qp" "$t_floor" "$peak" "$rc" "$charts" "$errors" "$files" "$bytes" "$inputs" "$cpu" "$cpu_floor" <<'PY'
import sys
scale, t_qp, t_floor, peak, rc, charts, errors, files, nbytes, inputs, cpu, cpu_floor = sys.argv[1:]
t_qp, t_floor = float(t_qp), float(t_floor)
mb = int(nbytes) / 1e6
print("== job %sx: %s charts in %s pages (%.1f MB) from %.1f MB of input; exit code %s, files with errors %s"
      % (scale, charts, files, mb, int(inputs) / 1e6, rc, errors))
print("   qplot          %8.2f s   %8.0f charts/s   %7.1f MB/s output   peak RSS %.1f MB"
      % (t_qp, int(charts) / t_qp, mb / t_qp, int(peak) / 1024))
print("   I/O floor      %8.2f s   (cat of the inputs, cp of the same output bytes)" % t_floor)
print("   CPU time       %8.2f s qplot, %.2f s floor (user + system)" % (float(cpu), float(cpu_floor)))
print("   ratio to floor %8.2f x   (target: at most 2)" % (t_qp / t_floor))
PY
  rm -rf floor

  if [ "$svg" -eq 1 ]; then
    find out -type f | sort >vml-pages.txt
    t_svg=""; cpu_svg=""; peak_svg=0; rc_svg=0
    for ((run = 1; run <= repeat; run++)); do
      rm -rf out qplotlog.htm
      mkdir out
      cat in/* >/dev/null
      sync
      read -r t p r c < <(measure "$qplot" --svg bench.qpj)
      [ "$r" -ne 0 ] && rc_svg=$r
      [ "$p" -gt "$peak_svg" ] && peak_svg=$p
      if [ -z "$t_svg" ] || python3 -c "import sys; sys.exit(not $t < $t_svg)"; then t_svg=$t; cpu_svg=$c; fi
      sync
    done
    charts_svg=$(grep -o 'is generated' qplotlog.htm | wc -l)
    same=no
    if find out -type f | sort | cmp -s - vml-pages.txt && [ "$charts_svg" -eq "$charts" ]; then same=yes; fi
    bytes_svg=$(du -sb out | cut -f1)
    T_SVG[$scale]=$t_svg
    C_SVG[$scale]=$cpu_svg
    python3 - "$t_svg" "$cpu_svg" "$peak_svg" "$rc_svg" "$charts_svg" "$bytes_svg" "$bytes" "$same" "$t_qp" <<'PY'
import sys
t, cpu, peak, rc, charts, nbytes, vml_bytes, same, t_vml = sys.argv[1:]
t, mb = float(t), int(nbytes) / 1e6
print("   qplot --svg    %8.2f s   %8.0f charts/s   %7.1f MB/s output   peak RSS %.1f MB   (%.2f x the VML time)"
      % (t, int(charts) / t, mb / t, int(peak) / 1024, t / float(t_vml)))
print("   SVG pages      %.1f MB: %.2f of the VML pages' bytes; CPU time %.2f s; exit code %s; the same pages as VML: %s"
      % (mb, int(nbytes) / int(vml_bytes), float(cpu), rc, same))
PY
    rm -f vml-pages.txt
  fi
  cd "$root"
done

python3 - "${T_QP[1]}" "${T_QP[4]}" "${T_CPU[1]}" "${T_CPU[4]}" <<'PY'
import sys
t1, t4, c1, c4 = map(float, sys.argv[1:])
print("== growth from 1x to 4x (linear: 4.0): wall %.2f s -> %.2f s, ratio %.2f; CPU %.2f s -> %.2f s, ratio %.2f"
      % (t1, t4, t4 / t1, c1, c4, c4 / c1))
PY
if [ "$svg" -eq 1 ]; then
  python3 - "${T_SVG[1]}" "${T_SVG[4]}" "${C_SVG[1]}" "${C_SVG[4]}" <<'PY'
import sys
t1, t4, c1, c4 = map(float, sys.argv[1:])
print("== growth with --svg from 1x to 4x (linear: 4.0): wall %.2f s -> %.2f s, ratio %.2f; CPU %.2f s -> %.2f s, ratio %.2f"
      % (t1, t4, t4 / t1, c1, c4, c4 / c1))
PY
fi
