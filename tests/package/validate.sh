#!/usr/bin/env bash
# Runs a validator on one file: desktop-file-validate, or appstreamcli without the network.
# Exit 77 (skipped) when the validator is not installed.
# Usage: validate.sh VALIDATOR FILE
set -euo pipefail
if ! command -v "$1" >/dev/null; then
    echo "SKIP: $1 is not installed (desktop-file-utils, appstream)"
    exit 77
fi
if [ "$1" = appstreamcli ]; then
    appstreamcli validate --no-net --pedantic "$2"
else
    # desktop-file-validate says nothing of a valid file, and fails on warnings only by output.
    result=$(desktop-file-validate "$2" 2>&1) || { echo "$result"; exit 1; }
    [ -z "$result" ] || { echo "$result"; exit 1; }
    echo "valid: $2"
fi
