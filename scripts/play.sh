#!/usr/bin/env bash
# Sets up, builds (Release) and starts the game. Extra arguments go to the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"
exec build/zembrol "$@"
