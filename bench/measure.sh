# Sourced by the benchmark scripts: measure CMD ARGS... runs a command in
# the current directory and prints "seconds peak_kb exit_code cpu_seconds".
# The peak is the command's own, as GNU time reports it: a child that a
# script forks would count the script's memory too.  GNU time (Debian's
# package time) is installed when it is missing.
if ! /usr/bin/time -f '%M' -o /dev/null true 2>/dev/null; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  echo "installing: time"
  "${sudo_cmd[@]}" apt-get update </dev/null >/dev/null
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y time </dev/null >/dev/null
fi

measure() {
  python3 - "$@" <<'PY'
import os, subprocess, sys, tempfile, time
fd, report = tempfile.mkstemp()
os.close(fd)
try:
    start = time.perf_counter()
    rc = subprocess.call(["/usr/bin/time", "-f", "%M %U %S", "-o", report] + sys.argv[1:],
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    elapsed = time.perf_counter() - start
    # A command that fails has a line before the figures.
    peak, user, system = open(report).read().split("\n")[-2].split()
finally:
    os.unlink(report)
print("%.3f %s %d %.3f" % (elapsed, peak, rc, float(user) + float(system)))
PY
}
