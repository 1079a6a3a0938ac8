#!/usr/bin/env bash
# Sets the machine up, builds and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
if [ -x build/app/tintcipher ]; then
  exec build/app/tintcipher "$@"
fi
# Without the window program, show a demonstration game on the terminal.
exec build/tools/tintcipher-cli play --colours 6 --length 4 --repeat any --order random --code 0255
