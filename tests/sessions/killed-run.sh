#!/bin/bash
# A run killed with SIGKILL right after a change loses nothing: the next run
# in the same folder restores every design, including a drag that ended, but
# not the drag still in flight, and the fields typed for a design not yet made.
#
#   killed-run.sh GRILL_SCRIPT CONFIG
set -u
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$2" "$work/MenuConfig.txt"
export HOME="$work" XDG_STATE_HOME="$work/.local/state"
cd "$work" || exit 1

mkfifo commands
"$program" < commands > first.txt 2>&1 &
pid=$!
exec 3> commands
cat >&3 <<'SCRIPT'
text 1049 Kitchen
text 1050 1030
text 1051 830
text 1052 3
text 1053 2
click 1001
text 1049 Bath
click 1001
mouse down 6 80 left
mouse move 6 110 left
mouse up 6 110 none
text 1049 Porch
text 1050 1200
mouse down 6 110 left
mouse move 6 150 left
designs
SCRIPT
# "designs" answers once every line before it has run.
for _ in $(seq 100); do
  grep -q "window Bath" first.txt && break
  sleep 0.05
done
kill -KILL "$pid"
wait "$pid" 2> /dev/null
exec 3>&-

printf 'design\nshow 1049\nshow 1050\n' | "$program" > second.txt 2>&1
expected='restored: 2 designs
design Bath
outer 1030.000000 830.000000
inner 1000.000000 800.000000
quantity 1
types G58, 16x20mm|E1|White|White
horzPos 0.000000 370.500000 536.666667 800.000000
vertPos 0.000000 245.000000 500.000000 755.000000 1000.000000
vertSegments 111 111 111
horzSegments 1111 1111
1049 text=Porch
1050 text=1200'
if [ "$(cat second.txt)" != "$expected" ]; then
  echo "the run after the kill shows:" >&2
  cat second.txt >&2
  exit 1
fi
