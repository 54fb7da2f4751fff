#!/usr/bin/env bash
# Installs what is missing (apt-get, as root or through sudo), builds everything into
# build-test/ and runs every test with CTest.
set -euo pipefail
RAVLA_ROOT=$(cd "$(dirname "$0")" && pwd)
. "$RAVLA_ROOT/tools/setup-common.sh"

ravla_install_missing "${RAVLA_TEST_PACKAGES[@]}"
ravla_build "$RAVLA_ROOT/build-test" -DRAVLA_BUILD_TESTS=ON -DRAVLA_BUILD_BENCHMARKS=ON
cd "$RAVLA_ROOT/build-test"
ctest --output-on-failure -j"$(nproc)"
