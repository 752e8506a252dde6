#!/usr/bin/env bash
# Builds the fuzz targets and runs each for a bounded time.
#
#   FUZZ_SECONDS   seconds per target (default 60)
#   FUZZ_TARGETS   targets to run (default "fuzz_chart fuzz_job")
#
# Fails (non-zero exit) when a target finds a crash, a sanitizer report, a
# leak, an input slower than 2 s or one that needs more than 2 GB.  The
# inputs it found are left in build-fuzz/artifacts/; turn each into a file
# under tests/fuzz_regressions/ so the test suite replays it.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/.." && pwd)"
build="$root/build-fuzz"
seconds="${FUZZ_SECONDS:-60}"
targets="${FUZZ_TARGETS:-fuzz_chart fuzz_job}"

"$here/setup.sh" || exit 1

CXX=clang++ cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null || exit 1
cmake --build "$build" -j"$(nproc)" >"$build/build.log" 2>&1 || { tail -40 "$build/build.log"; exit 1; }

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:allocator_may_return_null=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

status=0
mkdir -p "$build/artifacts"
for target in $targets; do
  kind="${target#fuzz_}"
  work="$build/corpus-$kind"          # what the fuzzer finds stays out of the repo
  mkdir -p "$work"
  seeds=("$here/corpus/$kind")
  if [ "$kind" = chart ]; then
    # the gallery's chart descriptions, without its rendered pages
    rm -rf "$build/seeds-examples"; mkdir -p "$build/seeds-examples"
    cp "$root"/examples/*.csv "$build/seeds-examples/" 2>/dev/null
    seeds+=("$build/seeds-examples")
  fi
  regress="$root/tests/fuzz_regressions/$kind"
  [ -d "$regress" ] && seeds+=("$regress")
  echo "== $target for ${seconds}s"
  "$build/$target" "$work" "${seeds[@]}" \
      -max_total_time="$seconds" -timeout=2 -rss_limit_mb=2048 -max_len=8192 \
      -print_final_stats=1 -dict="$here/records.dict" -artifact_prefix="$build/artifacts/$target-" \
      >"$build/$target.log" 2>&1
  rc=$?
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$build/$target.log" | grep -o '[0-9]*$' | tail -1)
  echo "   executions: ${runs:-unknown}, exit code $rc"
  if [ $rc -ne 0 ]; then
    status=1
    echo "   FAILED; the report:"
    grep -n -A40 -E 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error|ALARM|out-of-memory' \
        "$build/$target.log" | head -80
    ls -1 "$build/artifacts/$target-"* 2>/dev/null | sed 's/^/   input: /'
  fi
done
exit $status
