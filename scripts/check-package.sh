#!/usr/bin/env bash
# Builds the Debian package, has lintian check it (any error or warning fails), and tries it on this
# machine as a user would: installs it with apt-get (which brings its dependencies), checks the
# manual pages, starts grill-designer from a home folder whose only configuration is
# ~/.config/varnel-grill-designer/MenuConfig.txt on a virtual screen, checks that the main dialog
# shows, checks that job files open with the designer, and purges the package again.
# Run as root on Debian 12; leaves a screenshot in build/package-check/screen.png.
set -euo pipefail
cd "$(dirname "$0")/.."

package=varnel-grill-designer
app_id=com.varnel.GrillDesigner
out=$PWD/build/package-check
home=""
xvfb_pid=""
designer_pid=""
installed_here=""

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

clean_up() {
  [ -z "$designer_pid" ] || kill "$designer_pid" 2>/dev/null || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  [ -z "$home" ] || rm -rf "$home"
  if [ -n "$installed_here" ]; then
    DEBIAN_FRONTEND=noninteractive apt-get purge -y "$package" >/dev/null
  fi
}

build_package() {
  ./scripts/ensure-packages.sh --with-package-check
  make package
  local debs=(build/dev/"$package"_*.deb)
  [ ${#debs[@]} -eq 1 ] || fail "expected one package in build/dev, found: ${debs[*]}"
  deb=${debs[0]}
}

# Errors and warnings fail; the notes lintian gives besides are shown.
run_lintian() {
  local report status=0
  report=$(lintian --fail-on error,warning --display-info "$deb" 2>&1) || status=$?
  [ -z "$report" ] || echo "$report"
  [ "$status" -eq 0 ] || fail "lintian found errors or warnings in $deb"
  echo "lintian reports no error and no warning."
}

check_manual_pages() {
  for program in grill-designer grill-script grill-cutplan; do
    man -w "$program" >/dev/null || fail "man $program finds no manual page"
    "$program" --version >/dev/null || fail "$program --version failed"
  done
  echo "The manual pages are installed."
}

install_package() {
  if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q installed; then
    fail "$package is already installed here; purge it first"
  fi
  installed_here=yes
  DEBIAN_FRONTEND=noninteractive apt-get install -y "./$deb"
}

# A new home folder holding only the user's configuration, a copy of the installed sample.
make_home() {
  home=$(mktemp -d)
  mkdir -p "$home/.config/$package"
  cp "/usr/share/$package/MenuConfig.txt" "$home/.config/$package/"
}

start_screen() {
  mkdir -p "$out"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$out/display" 2>"$out/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 50); do
    [ -s "$out/display" ] && break
    sleep 0.1
  done
  [ -s "$out/display" ] || fail "Xvfb did not start: $(cat "$out/xvfb.log")"
  display=":$(cat "$out/display")"
}

# Started as the desktop menu would: from the home folder, with the user's environment only.
start_designer() {
  (cd "$home" && exec env -i HOME="$home" DISPLAY="$display" PATH=/usr/bin:/bin \
     grill-designer >"$out/designer.log" 2>&1) &
  designer_pid=$!
}

# Message boxes carry the program's name as their title; the main dialog is titled as the menu
# entry names it. A missing configuration shows message boxes only, and the program ends after them.
wait_for_main_dialog() {
  for _ in $(seq 100); do
    kill -0 "$designer_pid" 2>/dev/null || fail "grill-designer ended: $(cat "$out/designer.log")"
    if DISPLAY=$display xdotool search --onlyvisible --name '^Varnel Grill Designer$' >/dev/null; then
      echo "The main dialog shows."
      return
    fi
    sleep 0.2
  done
  take_screenshot
  fail "no main dialog within 20 seconds; the screen is in $out/screen.png"
}

take_screenshot() {
  DISPLAY=$display import -window root "$out/screen.png"
}

check_job_files_open_with_designer() {
  local default
  default=$(env -i HOME="$home" PATH=/usr/bin:/bin xdg-mime query default application/x-varnel-grill-job)
  [ "$default" = "$app_id.desktop" ] || fail "job files open with '$default', not $app_id.desktop"
  echo "Job files open with $default"
}

trap clean_up EXIT
build_package
run_lintian
install_package
check_manual_pages
make_home
start_screen
start_designer
wait_for_main_dialog
take_screenshot
check_job_files_open_with_designer
echo "The package $deb installs, starts and opens job files."
