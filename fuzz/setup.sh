#!/usr/bin/env bash
# Installs what the fuzz targets need: clang with its libFuzzer and
# sanitizer runtimes, and CMake.  Safe to run again: it installs only what
# is missing and refreshes the package lists only then.
set -euo pipefail

packages=(clang libclang-rt-14-dev cmake)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  echo "installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

# libFuzzer's runtime must be there for clang's -fsanitize=fuzzer.
if ! ls /usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 \
   && ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer*.a >/dev/null 2>&1; then
  echo "libFuzzer runtime not found after installation" >&2
  exit 1
fi
