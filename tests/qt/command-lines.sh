#!/bin/bash
# --help, --version and an unknown option of each program, where no display can be opened:
# help and version on standard output with exit 0, a wrong option refused with the usage on
# standard error and exit 2.
#
#   command-lines.sh VERSION GRILL_DESIGNER GRILL_SCRIPT GRILL_CUTPLAN
set -u
version=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

failed=0
fail() {
  echo "command-lines: $*" >&2
  failed=1
}

# run PROGRAM ARGS...: sets status, and out and err to what it wrote.
run() {
  "$@" >out.txt 2>err.txt </dev/null
  status=$?
}

for program in "$@"; do
  name=$(basename "$program")
  for help in --help -h; do
    run "$program" "$help"
    [ "$status" -eq 0 ] || fail "$name $help exited $status: $(cat err.txt)"
    grep -qi "^usage: $name " out.txt || fail "$name $help printed no usage: $(cat out.txt)"
    grep -q -- "--version" out.txt || fail "$name $help lists no --version"
    [ ! -s err.txt ] || fail "$name $help wrote to standard error: $(cat err.txt)"
  done
  run "$program" --version
  [ "$status" -eq 0 ] || fail "$name --version exited $status"
  [ "$(cat out.txt)" = "$name $version" ] || fail "$name --version printed '$(cat out.txt)'"
  for wrong in --no-such-option -q; do
    run "$program" "$wrong"
    [ "$status" -eq 2 ] || fail "$name $wrong exited $status, not 2"
    [ ! -s out.txt ] || fail "$name $wrong wrote to standard output: $(cat out.txt)"
    grep -qi "usage: $name " err.txt || fail "$name $wrong gave no usage: $(cat err.txt)"
  done
done

# The designer reads all of its arguments before it needs a display.
designer=$1
run "$designer" --design Hall
[ "$status" -eq 2 ] || fail "--design without --pdf exited $status"
run "$designer" --pdf out.pdf
[ "$status" -eq 2 ] || fail "--pdf without a job exited $status"
run "$designer" one.grilljob two.grilljob
[ "$status" -eq 2 ] || fail "two job files exited $status"
run "$designer" --help
grep -q -- "--labels OUT.pdf \[--sheet NAME\] JOB.grilljob" out.txt || fail "--help lists no --labels"
run "$designer" --sheet a4 job.grilljob
[ "$status" -eq 2 ] || fail "--sheet without --labels exited $status"
run "$designer" --labels out.pdf
[ "$status" -eq 2 ] || fail "--labels without a job exited $status"
run "$designer" --labels out.pdf --sheet a5 job.grilljob
[ "$status" -eq 2 ] || fail "--sheet a5 exited $status"
grep -q 'unknown label sheet "a5"; the sheets are a4, letter or roll62' err.txt ||
  fail "--sheet a5 said: $(cat err.txt)"
[ ! -e out.pdf ] || fail "--sheet a5 wrote out.pdf"

exit $failed
