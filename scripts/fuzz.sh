#!/usr/bin/env bash
# Fuzzes the keys.cfg reader and writer for SECONDS (default 3600) from the committed seeds,
# keeping what it learns in build/fuzz/fuzz/corpus. A finding is saved in build/fuzz/fuzz/ and
# ends the run with a non-zero status.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-3600}
"$ROOT/scripts/install-deps.sh"
CC=clang CXX=clang++ cmake -S "$ROOT" -B "$ROOT/build/fuzz" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELBIND_FUZZING=ON -DQUELBIND_TESTS=OFF >/dev/null
cmake --build "$ROOT/build/fuzz"
out="$ROOT/build/fuzz/fuzz"
mkdir -p "$out/corpus"
"$out/key_config_fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$out/" "$out/corpus" "$ROOT/fuzz/corpus"
