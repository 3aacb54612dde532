#!/usr/bin/env bash
# Installs what is missing; builds natively (sanitizers, warnings as errors), for valgrind, the
# fuzzer (clang) and for Windows; runs the native tests, the memory checks, a minute of fuzzing
# and the Windows tests under Wine; prints one summary line.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
"$ROOT/scripts/install-deps.sh" || exit 1

set -e
cmake -S "$ROOT" -B "$ROOT/build/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DQUELBIND_SANITIZE=ON -DQUELBIND_WERROR=ON -DQUELBIND_BENCHMARKS=ON >/dev/null
cmake --build "$ROOT/build/native"
cmake -S "$ROOT" -B "$ROOT/build/memcheck" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DQUELBIND_MEMCHECK=ON -DQUELBIND_WERROR=ON >/dev/null
cmake --build "$ROOT/build/memcheck"
CC=clang CXX=clang++ cmake -S "$ROOT" -B "$ROOT/build/fuzz" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELBIND_FUZZING=ON -DQUELBIND_TESTS=OFF \
    -DQUELBIND_WERROR=ON >/dev/null
cmake --build "$ROOT/build/fuzz"
cmake -S "$ROOT" -B "$ROOT/build/windows" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-mingw.cmake" -DQUELBIND_WERROR=ON >/dev/null
cmake --build "$ROOT/build/windows"
set +e

source "$ROOT/scripts/wine-session.sh"
log=$(mktemp)
(cd "$ROOT/build/native" && ctest --output-on-failure) | tee "$log"
(cd "$ROOT/build/memcheck" && ctest --output-on-failure) | tee -a "$log"
grep -hE '^(bindings|in use at exit):' "$ROOT/build/memcheck/Testing/Temporary/LastTest.log"
(cd "$ROOT/build/fuzz" && ctest --output-on-failure) | tee -a "$log"
grep -hE '^(#[0-9]+[[:space:]]+DONE|Done [0-9]+ runs)' "$ROOT/build/fuzz/Testing/Temporary/LastTest.log"
(cd "$ROOT/build/windows" && ctest --output-on-failure --timeout 300) | tee -a "$log"
passed=0 failed=0
while read -r _ _ _ f _ _ _ _ total; do
    failed=$((failed + f)); passed=$((passed + total - f))
done < <(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$log")
rm -f "$log"
echo "summary: $passed passed, $failed failed"
[ "$failed" = 0 ] && [ "$passed" -gt 0 ]
