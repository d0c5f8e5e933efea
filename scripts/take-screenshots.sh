#!/usr/bin/env bash
# Shows the built designer in German and in French on a virtual screen under a window manager,
# with two designs made by grill-script (the designer puts a former run's work back at start), and
# saves each window with its frame as docs/main-dialog-LANGUAGE.png. In English it also saves the
# dialog of a job with its details (docs/screen-main-dialog.png), the window editor
# (docs/screen-window-editor.png) and the cutting plan window (docs/screen-cutting-plan.png), and
# the first drawing page of the job's PDF (docs/drawing-page-job-details.png). Run after
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
jobinfo customer Smith & Sons Glazing
jobinfo order PO-4471
jobinfo due 2026-12-18
jobinfo notes Deliver to the back door.\nBars in white, edges in bronze.
click 1057
save order-4471.grilljob
SCRIPT
  )
}

# The window named `name` once it shows, or nothing after ten seconds.
find_window() {
  local name=$1 window=""
  for _ in $(seq 50); do
    window=$(DISPLAY=$display xdotool search --onlyvisible --name "$name" | head -1) || true
    [ -n "$window" ] && break
    sleep 0.2
  done
  echo "$window"
}

# The English dialog, then the window editor (Ctrl+E) and the cutting plan (File > Cutting
# Plan..., the second entry from the menu's end).
shoot_english() {
  (cd "$work" && exec env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG=C.UTF-8 HOME="$work" \
     XDG_STATE_HOME="$work/state" XDG_CONFIG_HOME="$work/config" DISPLAY="$display" \
     "$build/src/qt/grill-designer" >"$work/designer-en.log" 2>&1) &
  designer_pid=$!
  local window
  window=$(find_window 'Varnel Grill Designer')
  [ -n "$window" ] || fail "no window in English: $(cat "$work/designer-en.log")"
  sleep 1.5
  DISPLAY=$display import -frame -window "$window" docs/screen-main-dialog.png
  echo docs/screen-main-dialog.png

  DISPLAY=$display xdotool windowactivate --sync "$window" key ctrl+e
  local editor
  editor=$(find_window 'Window Editor')
  [ -n "$editor" ] || fail "no window editor"
  sleep 1
  DISPLAY=$display import -frame -window "$editor" docs/screen-window-editor.png
  echo docs/screen-window-editor.png
  DISPLAY=$display xdotool windowactivate --sync "$editor" key Escape
  sleep 1

  DISPLAY=$display xdotool windowactivate --sync "$window" key alt+f
  sleep 0.5
  DISPLAY=$display xdotool key Up Up Return
  local plan
  plan=$(find_window 'Cutting Plan')
  [ -n "$plan" ] || fail "no cutting plan window"
  sleep 1.5
  DISPLAY=$display import -frame -window "$plan" docs/screen-cutting-plan.png
  echo docs/screen-cutting-plan.png
  kill "$designer_pid"
  wait "$designer_pid" 2>/dev/null || true
  designer_pid=""
}

# The job's drawings as the shop prints them, the first page as a picture.
shoot_drawing() {
  (cd "$work" && HOME="$work" XDG_STATE_HOME="$work/state2" XDG_CONFIG_HOME="$work/config" \
     QT_QPA_PLATFORM=offscreen "$build/src/qt/grill-designer" --config MenuConfig.txt \
     --pdf drawings.pdf order-4471.grilljob >"$work/pdf.log" 2>&1) ||
    fail "no drawings: $(cat "$work/pdf.log")"
  pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$work/drawings.pdf" docs/drawing-page-job-details
  echo docs/drawing-page-job-details.png
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
shoot_english
shoot_drawing
