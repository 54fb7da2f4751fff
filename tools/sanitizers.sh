#!/usr/bin/env bash
# Builds every test with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ and
# runs them. Leaks are reported too (LeakSanitizer); tests/lsan.supp names the few leaks that
# belong to the libraries under us, not to the program.
set -euo pipefail
RAVLA_ROOT=$(cd "$(dirname "$0")/.." && pwd)
dizin="$RAVLA_ROOT/build-asan"

cmake -S "$RAVLA_ROOT" -B "$dizin" -DCMAKE_BUILD_TYPE=Debug -DRAVLA_BUILD_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined" \
    >/dev/null
cmake --build "$dizin" -j"$(nproc)"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export LSAN_OPTIONS=suppressions="$RAVLA_ROOT/tests/lsan.supp":print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$dizin"
# The end-to-end run and the install check exercise no code of their own beyond the tests above.
ctest --output-on-failure -j"$(nproc)" -E '^(e2e|kurulum)'
