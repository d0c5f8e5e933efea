#!/bin/bash
# Runs one grill-script session and compares what it produced.
#
#   run-session.sh GRILL_SCRIPT SESSION_FOLDER
#
# A session folder holds:
#   script.txt           the commands
#   expected.txt         the exact standard output; the temporary home folder
#                        is written as $HOME in it
#   MenuConfig.txt       optional: copied into the working folder
#   work-files/          optional: files copied into the working folder first
#                        (a Stock.txt beside that MenuConfig.txt, say)
#   arguments            optional: words given to grill-script before the
#                        script; $SESSION in them is the session folder
#   generate-config      optional: a byte count; MenuConfig.txt (the session's
#                        own, or an empty one) is padded with blanks to it
#   expected-files/      optional: the exact files expected under
#                        $HOME/export/grills; without it no file may be exported
#   expected-status      optional: the exit status (0 without it)
#   expected-stderr.txt  optional: the exact standard error
#   expected-work-files/ optional: files expected in the working folder
#                        (a saved job, say), each compared exactly
#   then-script.txt      optional: a second run in the same folder and home
#                        once the first has ended (a restart); its standard
#                        output follows the first run's in expected.txt
# The working folder is a new temporary folder, which is also $HOME; the
# state folder (recovery copies) lies inside it, so no session sees another's.
set -u

program=$1
session=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "session $(basename "$session"): $*" >&2
  failed=1
}
failed=0

if [ -f "$session/MenuConfig.txt" ]; then
  cp "$session/MenuConfig.txt" "$work/MenuConfig.txt"
fi
if [ -d "$session/work-files" ]; then
  cp "$session/work-files"/* "$work/"
fi
if [ -f "$session/generate-config" ]; then
  size=$(tr -d ' \r\n' < "$session/generate-config")
  touch "$work/MenuConfig.txt"
  have=$(stat -c %s "$work/MenuConfig.txt")
  head -c $((size - have)) /dev/zero | tr '\0' ' ' >> "$work/MenuConfig.txt"
fi

arguments=()
if [ -f "$session/arguments" ]; then
  read -r -a arguments < <(sed "s|\$SESSION|$session|g" "$session/arguments")
fi

run() {
  (cd "$work" && HOME="$work" XDG_STATE_HOME="$work/.local/state" "$program" "${arguments[@]}" "$1") \
    >> "$work/.stdout" 2>> "$work/.stderr"
}
run "$session/script.txt"
status=$?
if [ "$status" = 0 ] && [ -f "$session/then-script.txt" ]; then
  run "$session/then-script.txt"
  status=$?
fi

# The temporary home folder varies from run to run; the expectations name it $HOME.
for stream in stdout stderr; do
  WORK="$work" perl -pi -e 's/\Q$ENV{WORK}\E/\$HOME/g' "$work/.$stream"
done

# GRILL_UPDATE_SESSIONS=1 takes what the program printed as the new expectation (review the diff).
if [ -n "${GRILL_UPDATE_SESSIONS:-}" ]; then
  cp "$work/.stdout" "$session/expected.txt"
fi

expected_status=0
if [ -f "$session/expected-status" ]; then
  expected_status=$(tr -d ' \r\n' < "$session/expected-status")
fi
if [ "$status" != "$expected_status" ]; then
  fail "exit status $status, expected $expected_status"
  cat "$work/.stderr" >&2
fi

if ! diff -u "$session/expected.txt" "$work/.stdout" >&2; then
  fail "standard output differs (- expected, + actual)"
fi

if [ -f "$session/expected-stderr.txt" ]; then
  if ! diff -u "$session/expected-stderr.txt" "$work/.stderr" >&2; then
    fail "standard error differs (- expected, + actual)"
  fi
fi

exported="$work/export/grills"
if [ -d "$session/expected-files" ]; then
  expected_list=$(cd "$session/expected-files" && find . -type f | sort)
  actual_list=$( [ -d "$exported" ] && cd "$exported" && find . -type f | sort)
  if [ "$expected_list" != "$actual_list" ]; then
    fail "exported files differ"
    diff -u <(echo "$expected_list") <(echo "$actual_list") >&2
  fi
  while read -r file; do
    [ -n "$file" ] || continue
    if [ -f "$exported/$file" ] && ! cmp -s "$session/expected-files/$file" "$exported/$file"; then
      fail "file $file differs"
      diff -u "$session/expected-files/$file" "$exported/$file" >&2
    fi
  done <<< "$expected_list"
elif [ -d "$exported" ] && [ -n "$(find "$exported" -type f)" ]; then
  fail "exported files although none were expected:"
  (cd "$exported" && find . -type f) >&2
fi

if [ -d "$session/expected-work-files" ]; then
  for expected in "$session/expected-work-files"/*; do
    name=$(basename "$expected")
    if ! cmp -s "$expected" "$work/$name"; then
      fail "working folder file $name differs or is missing"
      diff -u "$expected" "$work/$name" >&2
    fi
  done
fi

exit $failed
