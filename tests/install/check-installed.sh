#!/usr/bin/env bash
# Checks one aspect of the tree `cmake --install` put into PREFIX: check-installed.sh PREFIX CHECK.
set -euo pipefail
prefix=$1
check=$2

app=varnel-grill-designer
app_id=com.varnel.GrillDesigner
programs=(grill-designer grill-script grill-cutplan)
languages=(de fr)
mime_type=application/x-varnel-grill-job
icon_sizes=(16 24 32 48 64 128 256)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

expected_files() {
  for program in "${programs[@]}"; do
    printf '%s\n' "bin/$program" "share/man/man1/$program.1.gz"
  done
  for language in "${languages[@]}"; do
    echo "share/$app/translations/grill-designer_$language.qm"
  done
  printf '%s\n' "share/$app/MenuConfig.txt" "share/$app/Stock.txt" \
    "share/doc/$app/README.md" "share/doc/$app/copyright" "share/doc/$app/changelog.Debian.gz" "share/lintian/overrides/$app" \
    "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml" \
    "share/mime/packages/$app.xml" "share/icons/hicolor/scalable/apps/$app.svg"
  for size in "${icon_sizes[@]}"; do
    echo "share/icons/hicolor/${size}x${size}/apps/$app.png"
  done
}

# Exactly the expected files: nothing missing, and nothing of the build (libraries, tests) leaking in.
check_tree() {
  diff -u <(expected_files | sort) <(cd "$prefix" && find . -type f | sed 's|^\./||' | sort) ||
    fail "the installed files differ from the expected list (- expected, + installed)"
  grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' \
    "$prefix/share/doc/$app/copyright" || fail "copyright is not in the machine-readable format"
  grep -q '^License: MIT$' "$prefix/share/doc/$app/copyright" || fail "copyright names no licence"
}

# The installed programs run, and the installed sample configuration is one they accept.
check_programs() {
  [ -x "$prefix/bin/grill-designer" ] || fail "grill-designer is not executable"
  cp "$prefix/share/$app/MenuConfig.txt" "$scratch/"
  local output
  output=$(cd "$scratch" && printf '%s\n' 'click 1057' 'text 1049 Kitchen' 'text 1050 36' 'text 1051 48' \
           'text 1052 2' 'text 1053 1' 'click 1001' designs | HOME="$scratch" "$prefix/bin/grill-script") ||
    fail "grill-script failed on the installed sample configuration"
  grep -q Kitchen <<<"$output" || fail "grill-script did not list the new design: $output"
  output=$(printf '%s\n' '2500 2' '900' | "$prefix/bin/grill-cutplan" --stock 6000) ||
    fail "grill-cutplan failed"
  grep -qx "bars 1 bound 1 optimal" <<<"$output" || fail "grill-cutplan planned: $output"
  # Without any configuration, --pdf names the installed sample instead of copying it.
  local bare="$scratch/bare"
  mkdir -p "$bare"
  echo '{}' >"$bare/job.grilljob"
  if (cd "$bare" && env -u XDG_CONFIG_HOME HOME="$bare" "$prefix/bin/grill-designer" \
        --pdf out.pdf job.grilljob) 2>"$scratch/pdf.err"; then
    fail "--pdf without a configuration succeeded"
  fi
  grep -qF "A sample configuration is installed at $prefix/share/$app/MenuConfig.txt" \
    "$scratch/pdf.err" || fail "--pdf did not name the installed sample: $(cat "$scratch/pdf.err")"
}

# A PNG's width and height are the big-endian 32-bit words at bytes 16 and 20 of its header.
png_size() {
  od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d\n", $1*16777216 + $2*65536 + $3*256 + $4,
                                                      $5*16777216 + $6*65536 + $7*256 + $8 }'
}

check_icons() {
  for size in "${icon_sizes[@]}"; do
    local png="$prefix/share/icons/hicolor/${size}x${size}/apps/$app.png"
    [ "$(png_size "$png")" = "${size}x${size}" ] || fail "$png is $(png_size "$png")"
  done
  xmllint --noout "$prefix/share/icons/hicolor/scalable/apps/$app.svg"
}

desktop_key() {
  sed -n "s/^$1=//p" "$prefix/share/applications/$app_id.desktop"
}

check_desktop_entry() {
  desktop-file-validate "$prefix/share/applications/$app_id.desktop" || fail "desktop-file-validate"
  local exec
  exec=$(desktop_key Exec)
  [ "$exec" = "grill-designer %f" ] || fail "Exec=$exec does not open one file with grill-designer"
  [ -x "$prefix/bin/${exec%% *}" ] || fail "Exec names no installed program"
  [ "$(desktop_key Icon)" = "$app" ] || fail "Icon is not the installed $app icon"
  [ "$(desktop_key MimeType)" = "$mime_type;" ] || fail "MimeType does not list $mime_type"
}

check_metainfo() {
  local metainfo="$prefix/share/metainfo/$app_id.metainfo.xml"
  appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
  grep -q "<id>$app_id</id>" "$metainfo" || fail "the metadata's id is not $app_id"
  grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not launch the installed desktop entry"
  grep -q '<url type="homepage">https://' "$metainfo" || fail "the metadata names no homepage"
  grep -q '<developer_name>' "$metainfo" || fail "the metadata names no developer"
  local shot
  shot=$(sed -n 's|.*<image>.*/\(docs/[^<]*\)</image>.*|\1|p' "$metainfo")
  [ -n "$shot" ] && [ -f "$(dirname "$0")/../../$shot" ] ||
    fail "the metadata's screenshot '$shot' is not one of docs/"
  grep -q "<mediatype>$mime_type</mediatype>" "$metainfo" || fail "the metadata lacks $mime_type"
}

# Builds a MIME database and a desktop association cache from the installed files alone, as the
# Debian triggers do, and asks them what a desktop would: the type of *.grilljob and its program.
check_mime_type() {
  local share="$scratch/share"
  mkdir -p "$share"
  cp -r "$prefix/share/mime" "$prefix/share/applications" "$share/"
  xmllint --noout "$share/mime/packages/$app.xml"
  local notes
  notes=$(XDG_DATA_DIRS="$share" update-mime-database "$share/mime" 2>&1)
  [ -z "$notes" ] || fail "update-mime-database: $notes"
  grep -qx "50:$mime_type:\*.grilljob" "$share/mime/globs2" || fail "*.grilljob is not $mime_type"
  grep -qx "$mime_type application/json" "$share/mime/subclasses" ||
    fail "$mime_type is not a kind of JSON"
  update-desktop-database "$share/applications"
  local default
  default=$(env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID \
            HOME="$scratch" XDG_CONFIG_HOME="$scratch/config" XDG_CONFIG_DIRS="$scratch/config" \
            XDG_DATA_HOME="$scratch/data" XDG_DATA_DIRS="$share" xdg-mime query default "$mime_type")
  [ "$default" = "$app_id.desktop" ] || fail "xdg-mime opens $mime_type with '$default'"
}

# Each program's manual page renders, under its own name, with its options.
check_man_pages() {
  for program in "${programs[@]}"; do
    local page
    page=$(MANWIDTH=80 man -l "$prefix/share/man/man1/$program.1.gz" 2>&1) ||
      fail "man $program: $page"
    grep -q "^NAME" <<<"$page" || fail "$program(1) has no NAME section"
    grep -q "$program - " <<<"$page" || fail "$program(1) does not name $program"
    grep -q -- "--version" <<<"$page" || fail "$program(1) does not list --version"
  done
  [ "$(gzip -dc "$prefix/share/doc/$app/changelog.Debian.gz" | head -c ${#app})" = "$app" ] ||
    fail "changelog.Debian.gz is not the package's changelog"
}

# The compiled catalogues hold the designer's texts in each language.
check_translations() {
  local -A expected=([de]="Fensterangaben" [fr]="Informations de la fenêtre")
  local lconvert
  lconvert=$(command -v lconvert || echo /usr/lib/qt6/bin/lconvert)
  for language in "${languages[@]}"; do
    local qm="$prefix/share/$app/translations/grill-designer_$language.qm"
    "$lconvert" -i "$qm" -o "$scratch/$language.ts" || fail "lconvert cannot read $qm"
    grep -qF "<translation>${expected[$language]}</translation>" "$scratch/$language.ts" ||
      fail "$qm lacks '${expected[$language]}'"
  done
}

case "$check" in
  tree) check_tree ;;
  programs) check_programs ;;
  icons) check_icons ;;
  desktop-entry) check_desktop_entry ;;
  metainfo) check_metainfo ;;
  mime-type) check_mime_type ;;
  man-pages) check_man_pages ;;
  translations) check_translations ;;
  *) fail "unknown check: $check" ;;
esac
