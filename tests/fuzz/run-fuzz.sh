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

cd "$build"
ASAN_OPTIONS=detect_leaks=0 tests/fuzz/fuzz_pictureloader -max_total_time="$seconds" -max_len=65536 \
  -timeout=2 -rss_limit_mb=2048 -artifact_prefix="$build/findings/" -print_final_stats=1 \
  corpus
