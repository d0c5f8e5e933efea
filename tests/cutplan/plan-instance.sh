#!/usr/bin/env bash
# plan-instance.sh GRILL_CUTPLAN INSTANCE OPTIMUM [OPTION...]: plans an instance
# file (first line `CAPACITY N`, then the piece lengths) with its capacity as the
# stock length and checks that the last line reports the optimum as `bars`.
set -euo pipefail
tool=$1 instance=$2 optimum=$3
shift 3
capacity=$(head -n 1 "$instance" | cut -d ' ' -f 1)
last=$(tail -n +2 "$instance" | "$tool" --stock "$capacity" "$@" | tail -n 1)
case "$last" in
  "bars $optimum bound "*) echo "ok: $last" ;;
  *) echo "expected bars $optimum, got: $last"; exit 1 ;;
esac
