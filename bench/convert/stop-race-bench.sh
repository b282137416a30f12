#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The stop of a suspended worker thread: runs the test that once caught the
# thread finishing as if it had not been stopped, 1,000 times in a row, and
# prints how many of the runs failed.
#   stop-race-bench.sh <convert_tests> [runs]
set -eu
tests=${1:?path of the convert_tests program}
runs=${2:-1000}
log=$(mktemp)
trap 'rm -f "$log"' EXIT
QT_QPA_PLATFORM=offscreen "$tests" --gtest_filter=WorkerTask.StopResumesASuspendedThreadFirst \
    --gtest_repeat="$runs" --gtest_brief=1 >"$log" 2>&1 || true
failed=$(grep -c '^\[  FAILED  \] WorkerTask' "$log" || true)
echo "Stop of a suspended thread: $failed of $runs runs failed (ratio $(awk "BEGIN { printf \"%.4f\", $failed / $runs }"))"
