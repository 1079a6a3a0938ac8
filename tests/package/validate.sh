#!/usr/bin/env bash
# Usage: validate.sh VALIDATOR FILE. Exit 77 (skipped) when the validator is not installed.
set -euo pipefail
command -v "$1" >/dev/null || { echo "SKIP: $1 is not installed"; exit 77; }
[ "$1" != appstreamcli ] || exec appstreamcli validate --no-net --pedantic "$2"
# desktop-file-validate's warnings leave its status 0: any output fails.
result=$(desktop-file-validate "$2" 2>&1) || true
[ -z "$result" ] || { echo "$result"; exit 1; }
echo "valid: $2"
