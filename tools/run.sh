#!/usr/bin/env bash
# Installs what Zazuzar needs (as root), builds it and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DZAZUZAR_BUILD_TESTS=OFF -DZAZUZAR_BUILD_BENCH=OFF
cmake --build build --target zazuzar
exec ./build/ui/zazuzar
