#!/usr/bin/env bash
# Installs what the browser test and the gallery need: Debian's Chromium
# (/usr/bin/chromium) and the Liberation fonts, whose metrics match the
# fonts the charts name, so that texts measure the same on every machine.
# The test driver (tools/browser/chromium.js) speaks to Chromium over its
# debugging pipe with Node.js alone: nothing comes from npm and no browser
# is downloaded.  Safe to run again: it installs only what is missing and
# refreshes the package lists only then.  Needs no input.
set -euo pipefail

packages=(chromium fonts-liberation)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
command -v node >/dev/null 2>&1 || missing+=(nodejs)

if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  echo "installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update </dev/null
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y "${missing[@]}" </dev/null
fi

for tool in /usr/bin/chromium node; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool not found after installation" >&2
    exit 1
  fi
done
