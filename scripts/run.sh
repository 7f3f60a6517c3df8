#!/usr/bin/env bash
# Installs, builds and starts Varo. The program keeps its history file "varo.dat" in its
# own folder (build/src/).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh dev
exec ./build/src/varo
