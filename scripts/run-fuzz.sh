#!/usr/bin/env bash
# Runs the configuration fuzzer for a number of seconds on a copy of its seed
# corpus (the corpus in the repository is never changed). Exits non-zero on
# any crash, timeout, memory blow-up or sanitizer report; the input that
# caused it is kept in <fuzz build dir>/findings.
#
#   scripts/run-fuzz.sh <fuzz build dir> <seconds>
#   scripts/run-fuzz.sh build/fuzz/fuzz 60
set -uo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 <fuzz build dir> <seconds>" >&2
  exit 2
fi
build_dir=$1
seconds=$2
root="$(cd "$(dirname "$0")/.." && pwd)"
target="$build_dir/fuzz_config"
if [ ! -x "$target" ]; then
  echo "$target is missing: build it with 'cmake --preset fuzz && cmake --build --preset fuzz'" >&2
  exit 2
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -R "$root/fuzz/corpus/config" "$work/corpus"
findings="$build_dir/findings"
mkdir -p "$findings"

export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:symbolize=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

"$target" "$work/corpus" \
  -max_total_time="$seconds" \
  -timeout=10 \
  -rss_limit_mb=2048 \
  -artifact_prefix="$findings/" \
  -print_final_stats=1 2>&1 | tee "$work/log"
status=${PIPESTATUS[0]}

if [ "$status" -ne 0 ]; then
  echo "fuzz_config failed with status $status; inputs kept in $findings" >&2
  exit 1
fi
if grep -qE "runtime error:|ERROR: (AddressSanitizer|LeakSanitizer|UndefinedBehaviorSanitizer|libFuzzer)" "$work/log"; then
  echo "fuzz_config reported a finding; inputs kept in $findings" >&2
  exit 1
fi
echo "fuzz_config: no finding in $seconds seconds"
