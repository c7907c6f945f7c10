#!/usr/bin/env bash
# Installs what building and running Zazuzar need (as root), builds it and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build --target zazuzar
exec ./build/ui/zazuzar
