#!/usr/bin/env bash
# Shows the built designer in German and in French on a virtual screen under a window manager,
# with two designs made by grill-script (the designer puts a former run's work back at start), and
# saves each window with its frame as docs/main-dialog-LANGUAGE.png. Run after
# `cmake --build --preset dev`.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build/dev
work=$(mktemp -d)
xvfb_pid=""
wm_pid=""
designer_pid=""

clean_up() {
  for pid in "$designer_pid" "$wm_pid" "$xvfb_pid"; do
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap clean_up EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

start_screen() {
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 50); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  [ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  display=":$(cat "$work/display")"
  DISPLAY=$display openbox >"$work/openbox.log" 2>&1 &
  wm_pid=$!
  sleep 1
}

# Two designs, left in the working folder's recovery file as a closed designer leaves them.
make_designs() {
  cp resources/MenuConfig.txt resources/Stock.txt "$work/"
  (cd "$work" && HOME=$work XDG_STATE_HOME=$work/state XDG_CONFIG_HOME=$work/config \
     "$build/tools/grill-script/grill-script" >/dev/null <<'SCRIPT'
text 1049 Kitchen
text 1050 900
text 1051 1200
text 1052 2
text 1053 1
click 1001
text 1049 Hall
text 1050 760
text 1051 1500
text 1052 1
text 1053 3
click 1001
SCRIPT
  )
}

shoot() {
  local language=$1 locale=$2
  (cd "$work" && exec env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG="$locale" HOME="$work" \
     XDG_STATE_HOME="$work/state" XDG_CONFIG_HOME="$work/config" DISPLAY="$display" \
     "$build/src/qt/grill-designer" >"$work/designer-$language.log" 2>&1) &
  designer_pid=$!
  local window=""
  for _ in $(seq 100); do
    window=$(DISPLAY=$display xdotool search --onlyvisible --name 'Varnel Grill Designer' | head -1) || true
    [ -n "$window" ] && break
    sleep 0.2
  done
  [ -n "$window" ] || fail "no window in $language: $(cat "$work/designer-$language.log")"
  sleep 1.5
  DISPLAY=$display import -frame -window "$window" "docs/main-dialog-$language.png"
  kill "$designer_pid"
  wait "$designer_pid" 2>/dev/null || true
  designer_pid=""
  echo "docs/main-dialog-$language.png"
}

start_screen
make_designs
shoot de de_DE.UTF-8
shoot fr fr_FR.UTF-8
