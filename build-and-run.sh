#!/usr/bin/env bash
# Installs what is missing (apt-get, as root or through sudo), builds into build/ and starts Ravla.
set -euo pipefail
RAVLA_ROOT=$(cd "$(dirname "$0")" && pwd)
. "$RAVLA_ROOT/tools/setup-common.sh"

ravla_install_missing
ravla_build "$RAVLA_ROOT/build" -DRAVLA_BUILD_TESTS=OFF -DRAVLA_BUILD_BENCHMARKS=OFF
exec "$RAVLA_ROOT/build/ravla" "$@"
