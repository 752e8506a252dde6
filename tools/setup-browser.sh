#!/usr/bin/env bash
# Installs what the browser test and the gallery need: Debian's Chromium
# (/usr/bin/chromium), the Liberation fonts, whose metrics match the fonts
# the charts name, so that texts measure the same on every machine, and
# Node.js.  The test driver (tools/browser/chromium.js) speaks to Chromium
# over its debugging pipe with Node.js alone: nothing comes from npm and no
# browser is downloaded.
#
# Safe to run again: it installs only what is missing and refreshes the
# package lists only then.  Needs no input (runs as root or through sudo,
# also with no terminal and no standard input).  Any failure to install,
# or a browser that does not start afterwards, ends it with exit code 1 and
# a message saying what failed.
set -euo pipefail

fail() {
  echo "setup-browser: $*" >&2
  exit 1
}

installed() {
  local status
  status="$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null || true)"
  [ "$status" = "install ok installed" ]
}

packages=(chromium fonts-liberation)
missing=()
if command -v dpkg-query >/dev/null 2>&1; then
  for p in "${packages[@]}"; do
    installed "$p" || missing+=("$p")
  done
else
  [ -x /usr/bin/chromium ] || missing+=(chromium)
fi
command -v node >/dev/null 2>&1 || missing+=(nodejs)

if [ ${#missing[@]} -gt 0 ]; then
  command -v apt-get >/dev/null 2>&1 \
    || fail "missing ${missing[*]}, and there is no apt-get to install them with (a Debian system is needed)"
  as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null 2>&1 || fail "missing ${missing[*]}; installing them needs root or sudo"
    as_root=(sudo -n)
  fi
  echo "setup-browser: installing ${missing[*]}"
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update </dev/null \
    || fail "apt-get update failed"
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}" </dev/null \
    || fail "apt-get install ${missing[*]} failed"
fi

[ -x /usr/bin/chromium ] || fail "/usr/bin/chromium not found after installation"
command -v node >/dev/null 2>&1 || fail "node not found after installation"
if command -v dpkg-query >/dev/null 2>&1; then
  installed fonts-liberation || fail "fonts-liberation not installed after installation"
fi
/usr/bin/chromium --headless --no-sandbox --disable-gpu --version </dev/null >/dev/null 2>&1 \
  || fail "/usr/bin/chromium does not start"
