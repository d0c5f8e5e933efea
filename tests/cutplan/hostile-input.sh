#!/usr/bin/env bash
# hostile-input.sh GRILL_CUTPLAN: piece lists that are no piece lists. Each
# case gives its input (a command writing standard input, or a FILE), the exit
# status and a text the error output must hold; none may hang, take more than
# a few seconds, or say more than a short line about it.
set -uo pipefail
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

long_line() { head -c "$1" /dev/zero | tr '\0' "$2"; echo; }
export -f long_line

# check NAME STATUS MESSAGE INPUT-COMMAND [ARGUMENT...]: runs the tool on what
# INPUT-COMMAND writes, with --stock 6000 and the arguments.
check() {
  local name=$1 want_status=$2 message=$3 input=$4
  shift 4
  local errors status
  errors=$(timeout 20 bash -c "$input" | timeout 20 "$tool" --stock 6000 "$@" 2>&1 >/dev/null)
  status=$?
  if [ "$status" -ne "$want_status" ] || [[ "$errors" != *"$message"* ]] ||
     [ "${#errors}" -gt 300 ]; then
    echo "FAIL $name: expected $want_status and '$message', got $status: ${errors:0:300}"
    failed=1
  else
    echo "ok   $name: $status ${errors:0:120}"
  fi
}

mkdir "$work/folder"
mkfifo "$work/fifo"
: > "$work/empty"

check endless-pieces 2 "line 20001: more than 20000 pieces in all" "yes 1000"
check one-count-too-many 2 "line 2: more than 20000 pieces in all" "printf '1000 20000\n5 1\n'"
check twenty-thousand 0 "" "printf '1000 19999\n5 1\n'"
check long-line 2 "line 2: longer than 4096 bytes" "echo 100; long_line 100000000 1"
check longest-line 0 "" "printf '#'; long_line 4095 x"
check long-bad-line 2 "line 1: the length is not a positive number: xxxxxxxx" "long_line 4000 x"
check nul-byte 2 "line 1: holds a NUL byte" "printf '100\0 2\n'"
check nul-in-comment 2 "line 2: holds a NUL byte" "printf '100\n#\0\n'"
check zeros-through-a-pipe 2 "line 1: longer than 4096 bytes" "cat /dev/zero"
check dev-zero 2 "/dev/zero is not a regular file or a pipe" "true" /dev/zero
check dev-null 2 "/dev/null is not a regular file or a pipe" "true" /dev/null
check folder 2 "is not a regular file or a pipe" "true" "$work/folder"
check empty-file 0 "" "true" "$work/empty"
check missing-file 2 "cannot open" "true" "$work/missing"
(printf '1000 2\n' > "$work/fifo") &
check pipe-file 0 "" "true" "$work/fifo"
wait

# check_redirected NAME MESSAGE FILE: FILE itself as standard input. A
# folder gives no bytes and no error when read; /dev/zero is a device, as a
# terminal is, so its bytes are what is refused.
check_redirected() {
  local errors status
  errors=$(timeout 20 "$tool" --stock 6000 < "$3" 2>&1 >/dev/null)
  status=$?
  if [ "$status" -ne 2 ] || [[ "$errors" != *"$2"* ]]; then
    echo "FAIL $1: got $status: $errors"
    failed=1
  else
    echo "ok   $1: $status $errors"
  fi
}
check_redirected folder-on-input "standard input is not" "$work/folder"
check_redirected zeros-on-input "line 1: longer than 4096 bytes" /dev/zero

# A bad line is quoted with at most 80 of its bytes.
quote=$(long_line 500 y | "$tool" --stock 6000 2>&1 | sed -n 's/.*positive number: //p')
if [ "$quote" != "$(printf 'y%.0s' $(seq 80))..." ]; then
  echo "FAIL quote: '$quote'"
  failed=1
else
  echo "ok   quote: ${#quote} bytes"
fi
exit $failed
