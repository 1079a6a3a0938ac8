#!/usr/bin/env bash
# Sets the machine up, builds with warnings as errors and runs every test; the fuzz targets,
# outside the default build, are built by the test run itself (test fuzz_build).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build -DTINTCIPHER_WERROR=ON
ctest --test-dir build --output-on-failure -j "$(nproc)" --timeout 1200
