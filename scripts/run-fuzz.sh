#!/usr/bin/env bash
# Runs the fuzzers (the configuration reader's and the job file's) side by
# side, one a core, each for a number of seconds on a copy of its seed corpus (the corpora in the
# repository are never changed). Exits non-zero on any crash, timeout, memory
# blow-up or sanitizer report; the input that caused it is kept in
# <fuzz build dir>/findings.
#
#   scripts/run-fuzz.sh <fuzz build dir> <seconds per fuzzer>
#   scripts/run-fuzz.sh build/sanitize/fuzz 60
set -uo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 <fuzz build dir> <seconds per fuzzer>" >&2
  exit 2
fi
build_dir=$1
seconds=$2
root="$(cd "$(dirname "$0")/.." && pwd)"
findings="$build_dir/findings"
mkdir -p "$findings"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:symbolize=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

# run_fuzzer <name> <corpus folder under fuzz/corpus>
run_fuzzer() {
  local name=$1 corpus=$2
  local target="$build_dir/$name"
  if [ ! -x "$target" ]; then
    echo "$target is missing: build it with 'cmake --preset sanitize && cmake --build --preset fuzz'" >&2
    return 2
  fi
  cp -R "$root/fuzz/corpus/$corpus" "$work/$corpus"
  "$target" "$work/$corpus" \
    -max_total_time="$seconds" \
    -timeout=10 \
    -rss_limit_mb=2048 \
    -artifact_prefix="$findings/" \
    -print_final_stats=1 >"$work/$name.log" 2>&1
  local status=$?
  # Each log is shown whole once its fuzzer is done, so the two never interleave.
  sed "s/^/$name: /" "$work/$name.log"
  if [ "$status" -ne 0 ]; then
    echo "$name failed with status $status; inputs kept in $findings" >&2
    return 1
  fi
  if grep -qE "runtime error:|ERROR: (AddressSanitizer|LeakSanitizer|UndefinedBehaviorSanitizer|libFuzzer)" "$work/$name.log"; then
    echo "$name reported a finding; inputs kept in $findings" >&2
    return 1
  fi
  echo "$name: no finding in $seconds seconds"
}

run_fuzzer fuzz_config config &
config_pid=$!
run_fuzzer fuzz_job job &
job_pid=$!
wait "$config_pid"
config_status=$?
wait "$job_pid"
job_status=$?
[ "$config_status" -eq 0 ] || exit "$config_status"
exit "$job_status"
