#!/usr/bin/env bash
# Rewrites the example snapshots from the current program, after a change
# of output has been reviewed: tests/snapshots/examples/ (the default pages,
# run log, console, standard error and exit code) and
# tests/snapshots/examples_svg/ (the pages of the same run with --svg).
#
#   tests/snapshots/update.sh build/qplot_tests
#
# then review `git diff tests/snapshots` and commit the snapshots with the
# change that explains them.
set -euo pipefail
if [ $# -ne 1 ] || [ ! -x "$1" ]; then
  echo "usage: $0 path/to/qplot_tests" >&2
  exit 2
fi
QP_UPDATE_SNAPSHOTS=1 "$1" --gtest_filter='ExampleSnapshots.*' --gtest_brief=1
git -C "$(dirname "$0")" status --short -- .
