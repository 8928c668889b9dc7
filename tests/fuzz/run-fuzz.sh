#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Korvalin authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds one libFuzzer target with clang and runs it for the given number of seconds
# (default 600), starting from its seeds:
#   tests/fuzz/run-fuzz.sh pictureloader|labelfile|printsettings|commandline [SECONDS]
# The corpus grows in build/fuzz/corpus/TARGET between runs; inputs that crash or hang land
# in build/fuzz/findings/TARGET and belong, once fixed, among the target's seeds and in the
# reader's own tests.
set -euo pipefail
shopt -s nullglob
here="$(cd "$(dirname "$0")/../.." && pwd)"
target="${1:?usage: run-fuzz.sh pictureloader|labelfile|printsettings|commandline [SECONDS]}"
seconds="${2:-600}"
build="$here/build/fuzz"

# Each target's seeds, and the longest input worth trying and the slowest one allowed.
case "$target" in
  pictureloader)
    seeds=("$here"/tests/platform/data/*.* "$here"/tests/platform/data/fuzz/*
      "$here"/tests/fuzz/seeds/pictureloader/*)
    # Up to 1 MiB leaves room for metafiles of tens of thousands of records.
    max_len=1048576 timeout=5 ;;
  labelfile)
    seeds=("$here"/examples/*.eti "$here"/tests/label/data/*.eti "$here"/tests/label/data/fuzz/*
      "$here"/tests/fuzz/seeds/labelfile/*)
    max_len=4096 timeout=2 ;;
  printsettings)
    seeds=("$here"/examples/*.PAR "$here"/tests/fuzz/seeds/printsettings/*)
    max_len=512 timeout=2 ;;
  commandline)
    # A run that is accepted renders a PDF page, fonts and all.
    seeds=("$here"/tests/fuzz/seeds/commandline/*)
    max_len=512 timeout=20 ;;
  *)
    echo "run-fuzz.sh: unknown target $target" >&2
    exit 2 ;;
esac

if [ ! -f "$build/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKORVALIN_FUZZ=ON -DKORVALIN_TESTS=OFF >/dev/null
fi
cmake --build "$build" --target "fuzz_$target" --parallel 2
if [ "$target" = pictureloader ]; then
  # The crafted pictures that once stalled printing, made afresh rather than kept as files.
  cmake --build "$build" --target make_crafted_pictures --parallel 2
  "$build/tests/fuzz/make_crafted_pictures" "$build/crafted"
  seeds+=("$build"/crafted/*)
fi

corpus="$build/corpus/$target"
findings="$build/findings/$target"
mkdir -p "$corpus" "$findings"
cp -n "${seeds[@]}" "$corpus/"

# Whatever loads must print a sheet in under 2 s and 500 MB; the sanitizers make the run
# two to three times slower and larger, hence the limits.
cd "$build"
ASAN_OPTIONS=detect_leaks=0 "tests/fuzz/fuzz_$target" -max_total_time="$seconds" \
  -max_len="$max_len" -timeout="$timeout" -rss_limit_mb=1500 -artifact_prefix="$findings/" \
  -print_final_stats=1 "$corpus"
