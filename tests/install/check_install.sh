#!/usr/bin/env bash
# Installs a configured and built tree into a scratch prefix and checks what
# lands there, then builds the Debian package, checks its control data and
# contents, unpacks it into a scratch root and runs the program from there
# on an installed example.
#
#   tests/install/check_install.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
failures=0
expect_file() {
  if [ ! -f "$1" ]; then echo "missing: ${1#$scratch/}"; failures=$((failures + 1)); fi
}

# 1. cmake --install
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
expect_file "$scratch/prefix/bin/qplot"
expect_file "$scratch/prefix/share/man/man1/qplot.1"
expect_file "$scratch/prefix/share/doc/quillplot/README.md"
expect_file "$scratch/prefix/share/doc/quillplot/examples/examples.qpj"
expect_file "$scratch/prefix/share/doc/quillplot/examples/line_plain.csv"
if ls "$scratch/prefix/share/doc/quillplot/examples" | grep -q '^out'; then
  echo "rendered pages were installed"; failures=$((failures + 1))
fi

# 2. The Debian package, unpacked into a scratch root.
(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/pkg" >/dev/null)
deb=$(ls "$scratch"/pkg/*.deb)
info=$(dpkg-deb --info "$deb")
grep -q 'Package: quillplot' <<<"$info" || { echo "package name"; failures=$((failures + 1)); }
grep -q 'Depends: .*libc6' <<<"$info" || { echo "package dependencies"; failures=$((failures + 1)); }
dpkg-deb -x "$deb" "$scratch/root"
expect_file "$scratch/root/usr/bin/qplot"
expect_file "$scratch/root/usr/share/man/man1/qplot.1"
mkdir "$scratch/run"
cp "$scratch/root/usr/share/doc/quillplot/examples/line_plain.csv" "$scratch/run/"
(cd "$scratch/run" && "$scratch/root/usr/bin/qplot" line_plain.csv >/dev/null)
expect_file "$scratch/run/line_plain.htm"
expect_file "$scratch/run/qplotlog.htm"

if [ $failures -ne 0 ]; then echo "install check: $failures failures"; exit 1; fi
echo "install check: the install tree and the Debian package hold the program, its manual and the examples"
