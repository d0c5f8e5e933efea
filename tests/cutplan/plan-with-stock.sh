#!/usr/bin/env bash
# plan-with-stock.sh GRILL_CUTPLAN REMNANTS: a small job with a bar on hand,
# priced lengths and remnants, whose plan is known exactly.
set -uo pipefail
tool=$1 remnants=$2
expected="bar 6000: 2500 2500 1000 rest 0 on-hand
bar 4000: 2500 1000 rest 500
bar 3000: 2500 rest 500 remnant
bar 1200: 1000 rest 200 remnant
bar 1200: 1000 rest 200 remnant
length 15400 bound 14000
bars 5 bound 3 optimal cost 8.2"
output=$(printf '2500 4\n1000 4 sill\n' | "$tool" --stock 6000x1,6000@12.5,4000@8.2 \
  --remnants "$remnants" --time-limit 1)
status=$?
if [ "$status" -ne 0 ] || [ "$output" != "$expected" ]; then
  echo "exit $status, got:"
  echo "$output"
  exit 1
fi
echo ok
