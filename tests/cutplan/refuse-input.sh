#!/usr/bin/env bash
# refuse-input.sh GRILL_CUTPLAN TEXT MESSAGE [OPTION...]: feeds TEXT to the tool
# and expects exit status 2 with MESSAGE in its error output.
set -uo pipefail
tool=$1 text=$2 message=$3
shift 3
errors=$(printf '%b' "$text" | "$tool" "$@" 2>&1 >/dev/null)
status=$?
if [ "$status" -ne 2 ] || [[ "$errors" != *"$message"* ]]; then
  echo "expected exit 2 and '$message', got $status: $errors"
  exit 1
fi
echo "ok: $errors"
