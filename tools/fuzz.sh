#!/usr/bin/env bash
# Builds the libFuzzer harnesses of tests/fuzz with clang into build-fuzz/ and runs each.
#
#   tools/fuzz.sh SECONDS   fuzz every harness for that long; new inputs collect in
#                           build-fuzz/corpus/<harness>/, crashes in build-fuzz/crash-*
#   tools/fuzz.sh 0         run every harness once over its seed corpus (what CI does)
#
# Needs clang and libclang-rt-14-dev (Debian); tools/setup-common.sh installs them for the tests.
set -euo pipefail
RAVLA_ROOT=$(cd "$(dirname "$0")/.." && pwd)
saniye=${1:-60}
dizin="$RAVLA_ROOT/build-fuzz"

command -v clang++ >/dev/null || { echo "fuzz.sh: clang++ not found (apt-get install clang libclang-rt-14-dev)" >&2; exit 1; }
CC=clang CXX=clang++ cmake -S "$RAVLA_ROOT" -B "$dizin" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DRAVLA_FUZZ=ON -DRAVLA_BUILD_TESTS=OFF -DRAVLA_BUILD_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined" \
    >/dev/null
cmake --build "$dizin" -j"$(nproc)" --target ravla_fuzz

export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
sonuc=0
for ad in ulkelistesi sehirsatiri ezanayari ayardonusumu vakitargumanlari; do
    tohum="$RAVLA_ROOT/tests/fuzz/corpus/$ad"
    if [ "$saniye" = 0 ]; then
        "$dizin/tests/fuzz/fuzz_$ad" -runs=0 "$tohum" 2>&1 | tail -n 1 || sonuc=1
    else
        mkdir -p "$dizin/corpus/$ad"
        "$dizin/tests/fuzz/fuzz_$ad" -max_total_time="$saniye" -timeout=10 -rss_limit_mb=4096 \
            -artifact_prefix="$dizin/crash-$ad-" "$dizin/corpus/$ad" "$tohum" 2>&1 |
            grep -E '^(#[0-9]+.*DONE|Done|==[0-9]+==|SUMMARY)' || true
        ls "$dizin"/crash-"$ad"-* >/dev/null 2>&1 && { echo "fuzz.sh: $ad crashed, see $dizin"; sonuc=1; }
    fi
done
exit $sonuc
