#!/usr/bin/env bash
# Measures qplot's peak memory on large inputs against the bound that a
# program reading its files a line at a time keeps: 16 MB plus the longest
# line it reads.  The inputs (bench/gen_big.py, deterministic):
#
#   big.csv    a chart description file of SIZE_MB (default 200) million
#              bytes: a few hundred charts of every record kind on one
#              shared page, with stencils, continued records, comments and
#              faulty lines
#   long.csv   a chart whose D1 record is one line of LONG_MB (default 20)
#              million bytes
#   echo.csv   a drawn chart, then a faulty D1 record of one line of LONG_MB
#              million bytes, which the run log echoes whole
#   job.qpj    a job file of JOB_MB (default 20) million bytes naming a few
#              small chart files over and over
#
# Each runs once, from its own directory, with the inputs cached.  Printed
# per input: its size; its longest line (over every file the run reads; a
# record continued with a trailing "\" counts as one line up to its end);
# qplot's peak resident memory, wall time and CPU time (user and system) as
# GNU time reports them (/usr/bin/time, Debian's package time); the bound;
# qplot's exit code; whether the run log shows what the generator expects
# (charts generated, files not found, the line numbers of the echoed
# lines); PASS or OVER.  MB are 2^20 bytes.  Exits with 0 only when every
# input stays within the bound, its run log shows what it should and
# qplot's exit code is the expected one.
#
#   bench/memory.sh [path/to/qplot]
#   SIZE_MB=n LONG_MB=n JOB_MB=n bench/memory.sh ...   input sizes
#   BENCH_DIR=dir bench/memory.sh ...                  inputs, pages and logs
#                                                      below dir/memory
#
# Without an argument it builds qplot (Release) below build-bench/ (or
# BENCH_DIR).  The inputs are generated below the same directory and kept
# for later runs of the same sizes (SIZE_MB + 2 LONG_MB + JOB_MB million
# bytes); the pages are deleted after each run (big.csv's page takes about
# 3.5 times SIZE_MB while it exists), the run logs are kept beside the
# inputs.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
work="${BENCH_DIR:-$root/build-bench}"
mkdir -p "$work"
work="$(cd "$work" && pwd)"

if ! /usr/bin/time -f '%M' -o /dev/null true 2>/dev/null; then
  echo "bench/memory.sh needs GNU time as /usr/bin/time (Debian's package time)" >&2
  exit 2
fi

if [ $# -ge 1 ]; then
  qplot="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
else
  cmake -S "$root" -B "$work/release" -DCMAKE_BUILD_TYPE=Release -DQP_TESTS=OFF >/dev/null
  cmake --build "$work/release" -j1 --target qplot >/dev/null
  qplot="$work/release/qplot"
fi

size_mb="${SIZE_MB:-200}"
long_mb="${LONG_MB:-20}"
job_mb="${JOB_MB:-20}"
data="$work/memory"
sizes="$size_mb $long_mb $job_mb"
if [ ! -f "$data/sizes" ] || [ "$(cat "$data/sizes")" != "$sizes" ] ||
   [ "$root/bench/gen_big.py" -nt "$data/sizes" ]; then
  rm -rf "$data"
  echo "== generating the inputs in $data"
  python3 "$root/bench/gen_big.py" "$data" --size-mb "$size_mb" --long-mb "$long_mb" --job-mb "$job_mb"
  echo "$sizes" >"$data/sizes"
fi

# Runs a command in the current directory, its standard output dropped and
# its standard error into the file $1; prints "seconds peak_kb exit_code
# cpu_seconds".  GNU time waits for the command and reports its resource
# usage: the peak is the command's own ru_maxrss.  (A child that a Python
# interpreter starts counts the interpreter's pages, about 14 MB, before it
# executes the command, so its ru_maxrss never shows less.)
measure() {
  local err="$1" rc=0 t peak user sys
  shift
  /usr/bin/time -o time.txt -f '%e %M %U %S' "$@" >/dev/null 2>"$err" || rc=$?
  read -r t peak user sys < <(tail -n 1 time.txt)
  rm -f time.txt
  echo "$t $peak $rc $(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%.2f", u + s }')"
}

# Prints the longest line of the files, in bytes, line ends left out; in a
# chart description or stencil file a line that ends with "\" goes on with
# the next one.
longest_line() {
  python3 - "$@" <<'PY'
import sys
best = 0
for path in sys.argv[1:]:
    continued = not path.endswith(".qpj")
    cur, tail = 0, b""
    with open(path, "rb") as f:
        while True:
            chunk = f.read(1 << 20)
            if not chunk:
                break
            start = 0
            while True:
                nl = chunk.find(b"\n", start)
                seg = chunk[start:] if nl < 0 else chunk[start:nl]
                cur += len(seg)
                tail = (tail + seg[-2:])[-2:]
                if nl < 0:
                    break
                body = tail[:-1] if tail.endswith(b"\r") else tail
                if continued and body.endswith(b"\\"):
                    cur += 1                  # the line feed is inside the record
                    tail = b"\n"
                else:
                    best = max(best, cur - (1 if tail.endswith(b"\r") else 0))
                    cur, tail = 0, b""
                start = nl + 1
    best = max(best, cur)
print(best)
PY
}

# Compares the run log with the generator's expect.txt and qplot's exit
# code with the expected one; prints "ok", or what differs.
check_log() {
  python3 - "$1" <<'PY'
import re, sys
rc = int(sys.argv[1])
expect = {}
for line in open("expect.txt"):
    key, _, rest = line.rstrip("\n").partition(" ")
    expect[key] = rest
generated = not_found = 0
echoed = []
label = re.compile(rb"<font color='red'>Line (\d+):</font>")
with open("qplotlog.htm", "rb") as log:
    for line in log:
        generated += line.count(b" is generated<br>")
        not_found += line.count(b" does not found</font><br>")
        echoed += [int(n) for n in label.findall(line)]
wrong = []
if rc != int(expect["exit"]):
    wrong.append("exit code %d, not %s" % (rc, expect["exit"]))
if generated != int(expect["generated"]):
    wrong.append("%d generated, not %s" % (generated, expect["generated"]))
if not_found != int(expect["not_found"]):
    wrong.append("%d not found, not %s" % (not_found, expect["not_found"]))
want = [int(n) for n in expect["echoed"].split()]
if echoed != want:
    extra = [n for n in echoed if n not in want][:5]
    missing = [n for n in want if n not in echoed][:5]
    wrong.append("%d lines echoed, not %d (first unexpected %s, first missing %s)"
                 % (len(echoed), len(want), extra, missing))
print("; ".join(wrong) if wrong else "ok")
PY
}

echo "== $qplot on the inputs in $data"
printf '%-9s %10s %13s %10s %10s %9s %9s %5s  %-6s %s\n' \
  input size "longest line" "peak RSS" bound time cpu exit log result
status=0
for input in big/big.csv long/long.csv echo/echo.csv job/job.qpj; do
  dir="$data/$(dirname "$input")"
  file="$(basename "$input")"
  cd "$dir"
  find . -name '*.htm' -delete
  rm -f stderr.txt
  mapfile -t inputs < <(find . -type f \( -name '*.csv' -o -name '*.stencil' -o -name '*.qpj' \) | sort)
  cat "${inputs[@]}" >/dev/null          # the run starts with the inputs cached
  read -r t peak rc cpu < <(measure stderr.txt "$qplot" "$file")
  longest=$(longest_line "${inputs[@]}")
  if [ "$rc" -gt 1 ]; then
    log="qplot ended with $rc"
    [ -f qplotlog.htm ] || log="$log, no run log"
  elif [ -f qplotlog.htm ]; then
    log="$(check_log "$rc")"
  else
    log="no run log"
  fi
  find . -name '*.htm' ! -name qplotlog.htm -delete
  read -r verdict row < <(python3 - "$file" "$(stat -c %s "$file")" "$longest" "$peak" "$t" "$cpu" "$rc" "$log" <<'PY'
import sys
name, size, longest, peak, t, cpu, rc, log = sys.argv[1:]
mb = 1 << 20
bound_kb = 16 * 1024 + int(longest) / 1024
verdict = "PASS" if int(peak) <= bound_kb else "OVER"
print(verdict, "%-9s %7.1f MB %10.1f kB %7.1f MB %7.1f MB %7.2f s %7.2f s %5s  %-6s %s"
      % (name, int(size) / mb, int(longest) / 1024, int(peak) / 1024, bound_kb / 1024, float(t),
         float(cpu), rc,
         "ok" if log == "ok" else "WRONG", verdict))
PY
  )
  echo "$row"
  [ "$log" = ok ] || echo "          log: $log (see $dir/qplotlog.htm and stderr.txt)"
  if [ "$verdict" != PASS ] || [ "$log" != ok ]; then status=1; fi
done
exit $status
