#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Korvalin authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds Korvalin with its tests and runs the whole suite.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/install-deps.sh"
jobs="$(nproc)"

# Every file says under which licence it is, in its header or in .reuse/dep5.
reuse --root "$here" lint --quiet || { reuse --root "$here" lint >&2; exit 1; }

cmake -S "$here" -B "$here/build/tests" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVALIN_WERROR=ON >/dev/null
cmake --build "$here/build/tests" --parallel "$jobs"
ctest --test-dir "$here/build/tests" --output-on-failure --parallel "$jobs"

# Pictures come from anywhere: their tests run again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
cmake -S "$here" -B "$here/build/asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVALIN_WERROR=ON \
  -DKORVALIN_SANITIZE=ON >/dev/null
cmake --build "$here/build/asan" --parallel "$jobs" --target korvalin_picture_tests
ctest --test-dir "$here/build/asan" -L picture --output-on-failure --parallel "$jobs"

# Every reader of outside data is fuzzed for a short while on its seeds, with the same
# sanitizers, in a clang build of its own.
for target in pictureloader labelfile printsettings commandline; do
  "$here/tests/fuzz/run-fuzz.sh" "$target" 20 >"$here/build/fuzz-$target.log" 2>&1 || {
    tail -n 40 "$here/build/fuzz-$target.log" >&2
    exit 1
  }
done
