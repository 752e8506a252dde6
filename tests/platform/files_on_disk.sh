#!/bin/bash
# The program on the real file system, where files go wrong: pipes in place
# of files, a full device, a read-only directory, two runs at once, pages
# named like the run's inputs, a console that stops reading.  Every run has
# a time limit, so that a run that would wait for ever fails instead.
# Usage: files_on_disk.sh QPLOT
set -u
QPLOT=$(realpath "$1")
WORK=$(mktemp -d /tmp/qp_disk.XXXXXX)
MOUNTED=
cleanup() {
    [ -n "$MOUNTED" ] && umount "$MOUNTED" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT
FAILED=0
fail() { echo "FAIL: $*"; FAILED=1; }
check() { # check WHAT CONDITION...
    local what=$1; shift
    "$@" || fail "$what"
}
# Runs the program in directory $1 with the remaining arguments, at most 5 s;
# leaves the exit code in RC and the console in OUT, standard error in ERR.
run() {
    local dir=$1; shift
    OUT=$(cd "$dir" && timeout 5 "$QPLOT" "$@" 2>"$WORK/stderr")
    RC=$?
    ERR=$(cat "$WORK/stderr")
    [ $RC -eq 124 ] && fail "qplot $* in $dir did not finish in 5 s"
}
has() { grep -qF -- "$2" <<<"$1"; }
AREA='AREA;10;;300;200;white;c1'
DATA='D1;L1;2;navy;;S;;1;3;2;'

# ----- Pipes in place of files: refused at once -------------------------
d=$WORK/pipes; mkdir -p "$d"
printf '%s\n%s\n' "$AREA" "$DATA" >"$d/a.csv"
mkfifo "$d/qplotlog.htm"
run "$d" a.csv
check "a pipe as the run log is refused" [ $RC -eq 1 ]
check "a pipe as the run log: console" has "$OUT" "qplotlog.htm can not open"
rm "$d/qplotlog.htm"
mkfifo "$d/p.htm" "$d/f.csv"
printf '%s;;p.htm\n%s\n' "$AREA" "$DATA" >"$d/b.csv"
run "$d" b.csv f.csv
check "a pipe as a page is refused" has "$OUT" "File p.htm: can not be opened"
check "a pipe as a chart description file is not read" has "$OUT" "File f.csv does not found"
check "a pipe as a page: exit code" [ $RC -eq 1 ]
check "pipes stay pipes" [ -p "$d/p.htm" ] && [ -p "$d/f.csv" ]
printf '%s;;q.htm;f.csv\n%s\n' "$AREA" "$DATA" >"$d/c.csv"
run "$d" c.csv
check "a pipe as a heading file is not read" has "$OUT" "Errors are found in file c.csv"

# ----- A heading file that never ends: bounded in memory and time ----------
printf '%s;;q.htm;\\proc\\self\\pagemap\n%s\n' "$AREA" "$DATA" >"$d/h.csv"
# The peak memory of the run, in kilobytes, after its exit code.
read -r RC PEAK < <(cd "$d" && python3 -c '
import resource, subprocess, sys
rc = subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode
print(rc, resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss)' timeout 5 "$QPLOT" h.csv)
check "an endless heading file is not found (exit $RC)" [ "$RC" = 1 ]
check "an endless heading file is copied in bounded memory (${PEAK} kB)" [ "$PEAK" -lt 200000 ]
check "an endless heading file: run log" grep -qF 'File \proc\self\pagemap does not found' "$d/qplotlog.htm"

# ----- Pages over the run's own inputs are refused ------------------------
d=$WORK/inputs; mkdir -p "$d/in" "$d/out"
printf '%s;;in\\b.csv\n%s\n' "$AREA" "$DATA" >"$d/in/a.csv"
printf '%s\n%s\n' "$AREA" "$DATA" >"$d/in/b.csv"
cp "$d/in/b.csv" "$d/b.before"
printf 'in\nout\na.csv\nb.csv\n' >"$d/job.qpj"
(cd "$d/in" && ln -s ../in/b.csv link.csv)
run "$d" job.qpj
check "a page over a later input of the job: console" has "$OUT" 'File in\b.csv: can not be opened'
check "a page over a later input of the job: reason" has "$ERR" 'in\b.csv: can not be opened: this run reads that file'
check "the input stays as it was" cmp -s "$d/in/b.csv" "$d/b.before"
check "the input is still read as a chart" has "$OUT" "File in/b.csv OK"
printf '%s;;link.csv\n%s\n' "$AREA" "$DATA" >"$d/in/c.csv"
run "$d/in" b.csv c.csv
check "a page over an input by another name" has "$OUT" "File link.csv: can not be opened"
check "the input named by a link stays" cmp -s "$d/in/b.csv" "$d/b.before"
printf '%s\n%s\n' "$AREA" "$DATA" >"$d/qplotlog.csv"
run "$d" qplotlog.csv
check "a page over the run log is refused" has "$OUT" "File qplotlog.htm: can not be opened"
check "a page over the run log: reason" has "$ERR" "the run log is written there"
check "the run log stays the log" grep -qF "Errors are found in file qplotlog.csv" "$d/qplotlog.htm"
check "a page over the run log: exit code" [ $RC -eq 1 ]

# ----- Two runs at once write whole pages ----------------------------------
d=$WORK/twice; mkdir -p "$d/one" "$d/two" "$d/out"
# Charts that take a while to draw, so that the runs' pages overlap; the
# second run's pages are longer.
SERIES=$(for k in $(seq 1 12); do printf 'D1;L1;2;navy;;S;;'; seq -s';' 1 40 | tr -d '\n'; printf ';\n'; done)
for i in $(seq 1 40); do
    printf '%s;;out\\p%d.htm\n%s\n' "$AREA" "$i" "$SERIES" >"$d/one/c$i.csv"
    printf '%s;;out\\p%d.htm\nTITLE;16;Arial;black;;;Second run;\n%s\n%s\n' "$AREA" "$i" "$SERIES" "$DATA" >"$d/two/c$i.csv"
done
printf 'one\nout\n' >"$d/one.qpj"; printf 'two\nout\n' >"$d/two.qpj"
for i in $(seq 1 40); do for k in 1 2 3 4 5 6 7 8; do echo "c$i.csv"; done; done | tee -a "$d/one.qpj" >>"$d/two.qpj"
# Each run's pages on their own first, as they must come out.
(cd "$d" && timeout 5 "$QPLOT" one.qpj >/dev/null 2>&1); cp "$d/out/p1.htm" "$d/page.one"
(cd "$d" && timeout 5 "$QPLOT" two.qpj >/dev/null 2>&1); cp "$d/out/p1.htm" "$d/page.two"
cmp -s "$d/page.one" "$d/page.two" && fail "the two runs' pages should differ"
(cd "$d" && timeout 5 "$QPLOT" one.qpj >/dev/null 2>&1 & cd "$d" && timeout 5 "$QPLOT" two.qpj >/dev/null 2>&1 & wait)
for i in $(seq 1 40); do
    # The same chart file name in another directory: only the names differ.
    page=$(sed "s/c$i\\.csv/c1.csv/g; s/p$i\\.htm/p1.htm/g" "$d/out/p$i.htm")
    [ "$page" = "$(cat "$d/page.one")" ] || [ "$page" = "$(cat "$d/page.two")" ] ||
        fail "page p$i.htm mixes the two runs"
done
check "the run log is whole" [ "$(tail -c 8 "$d/qplotlog.htm")" = "</HTML>" ]
check "no scratch file is left" [ -z "$(find "$d" -name '*.tmp')" ]

# ----- A console that stops reading does not end the run ---------------
d=$WORK/pipe; mkdir -p "$d"
{ echo .; echo .; for i in $(seq 1 6000); do echo "missing$i.csv"; done; } >"$d/job.qpj"
(cd "$d" && timeout 5 "$QPLOT" job.qpj 2>/dev/null | head -1 >/dev/null; echo "${PIPESTATUS[0]}" >"$d/rc")
check "a closed console: the run goes on (exit $(cat "$d/rc"))" [ "$(cat "$d/rc")" = 0 ]
check "a closed console: the run log is whole" grep -qF "missing6000.csv does not found" "$d/qplotlog.htm"

# ----- A directory the run may not write (as another user) -------------
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null; then
    d=$WORK/readonly; mkdir -p "$d/ro" "$d/rw"
    printf '%s;;..\\ro\\p.htm\n%s\n' "$AREA" "$DATA" >"$d/rw/a.csv"
    echo "old page" >"$d/ro/p.htm"
    chown -R nobody "$d"; chmod 555 "$d/ro"; chmod 755 "$WORK"
    OUT=$(cd "$d/rw" && timeout 5 setpriv --reuid=nobody --regid=nogroup --clear-groups "$QPLOT" a.csv 2>/dev/null); RC=$?
    check "a page in a read-only directory is not written" has "$OUT" "File ..\ro\p.htm: can not be opened"
    check "a page in a read-only directory keeps its content" [ "$(cat "$d/ro/p.htm")" = "old page" ]
    check "a page in a read-only directory: exit code" [ $RC -eq 1 ]
    OUT=$(cd "$d/ro" && timeout 5 setpriv --reuid=nobody --regid=nogroup --clear-groups "$QPLOT" ../rw/a.csv 2>/dev/null); RC=$?
    check "a run log in a read-only directory" has "$OUT" "qplotlog.htm can not open"
else
    echo "SKIP: a read-only directory needs a user to switch to"
fi

# ----- A full device ----------------------------------------------------
d=$WORK/full; mkdir -p "$d/disk" "$d/src"
if mount -t tmpfs -o size=256k qp_full "$d/disk" 2>/dev/null; then
    MOUNTED=$d/disk
    { printf '%s;;..\\disk\\big.htm\n' "$AREA"; for i in $(seq 1 20); do
        printf 'D1;L1;2;navy;;S;;'; seq -s';' 1 40 | tr -d '\n'; printf ';\n'; done; } >"$d/src/big.csv"
    printf '%s;;..\\disk\\small.htm\n%s\n' "$AREA" "$DATA" >"$d/src/small.csv"
    run "$d/src" big.csv
    check "a page written before the device is full" [ $RC -eq 0 ]
    cp "$d/disk/big.htm" "$d/big.before"
    # Fill the device, then leave room for the small page only.
    dd if=/dev/zero of="$d/disk/fill" bs=4k 2>/dev/null
    rm -f "$d/disk/fill"; dd if=/dev/zero of="$d/disk/fill" bs=1k count=$(( $(stat -f -c '%a*%S/1024' "$d/disk") - 8 )) 2>/dev/null
    run "$d/src" big.csv small.csv
    check "a page that does not fit: reported" has "$OUT" "File ..\disk\big.htm does not generated"
    check "a page that does not fit keeps its content" cmp -s "$d/disk/big.htm" "$d/big.before"
    check "a page that does not fit is no input error: no error page" [ "$(grep -c 'Errors are found' <<<"$OUT")" = 1 ]
    check "a page that fits is written" has "$OUT" "File small.csv OK"
    check "a full device: exit code" [ $RC -eq 1 ]
    check "no scratch file is left on the full device" [ -z "$(find "$d/disk" -name '*.tmp')" ]
    # A run log that does not fit.
    cp "$d/src/small.csv" "$d/disk/"; rm "$d/disk/small.htm"
    dd if=/dev/zero of="$d/disk/fill2" bs=1k 2>/dev/null
    run "$d/disk" small.csv
    check "a run log that does not fit: exit code" [ $RC -eq 1 ]
    check "a run log that does not fit: console" has "$OUT" "Log file $d/disk/qplotlog.htm could not be written"
else
    echo "SKIP: no small file system can be mounted here"
fi
# A link to the full device as the run log is no file to write.
d=$WORK/devfull; mkdir -p "$d"; ln -s /dev/full "$d/qplotlog.htm"
run "$d" a.csv
check "/dev/full as the run log: refused" has "$OUT" "qplotlog.htm can not open"
check "/dev/full as the run log: exit code" [ $RC -eq 1 ]

[ $FAILED = 0 ] && echo "all real-file-system checks passed"
exit $FAILED
