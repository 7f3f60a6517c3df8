#!/usr/bin/env bash
# Installs, builds and runs the whole test suite. With "asan-ubsan" as the argument the
# suite runs in an AddressSanitizer + UndefinedBehaviorSanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-dev}"
bash scripts/build.sh "$preset"
# GUI tests need no display: they run on Qt's offscreen platform.
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset" --timeout 600
