#!/usr/bin/env bash
# Builds the picture loader's fuzz target with clang and runs it for the given number of
# seconds (default 600), starting from the picture fixtures. The corpus grows in
# build/fuzz/corpus between runs; inputs that crash or hang land in build/fuzz/findings
# and belong, once fixed, in tests/platform/data/fuzz/.
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${1:-600}"
build="$here/build/fuzz"

CC=clang CXX=clang++ cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKORVALIN_FUZZ=ON -DKORVALIN_TESTS=OFF >/dev/null
cmake --build "$build" --target fuzz_pictureloader --parallel 2

mkdir -p "$build/corpus" "$build/findings"
cp -n "$here"/tests/platform/data/*.* "$build/corpus/"
if [ -d "$here/tests/platform/data/fuzz" ]; then
  cp -n "$here"/tests/platform/data/fuzz/* "$build/corpus/" 2>/dev/null || true
fi

# Whatever loads must print a sheet in under 2 s and 500 MB; the sanitizers make the run
# two to three times slower and larger, hence the limits. Inputs up to 1 MiB leave room for
# metafiles of tens of thousands of records.
cd "$build"
ASAN_OPTIONS=detect_leaks=0 tests/fuzz/fuzz_pictureloader -max_total_time="$seconds" \
  -max_len=1048576 -timeout=5 -rss_limit_mb=1500 -artifact_prefix="$build/findings/" \
  -print_final_stats=1 corpus
