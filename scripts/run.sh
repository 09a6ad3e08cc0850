#!/usr/bin/env bash
# Sets up, builds and starts Zoravel; arguments are passed on as paths to add.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
exec build/Zoravel/Zoravel "$@"
