#!/usr/bin/env bash
# Sets up, builds and starts Lumenary; arguments go to the program (--language cy, --fullscreen ...).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build -j"$(nproc)"
exec build/app/lumenary "$@"
