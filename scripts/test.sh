#!/usr/bin/env bash
# Sets the machine up, builds and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
ctest --test-dir build --output-on-failure -j "$(nproc)" --timeout 1200
