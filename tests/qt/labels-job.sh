#!/bin/bash
# grill-designer --labels on a job saved by grill-script and planned from a
# Stock.txt beside its configuration: a label for every piece the script's
# cutplan lists, each inside its own label of the sheet with its id, design,
# length and place on the saw (read back by pdftotext, label by label), and
# barcodes that zbarimg reads back as the ids.
#
#   labels-job.sh GRILL_SCRIPT GRILL_DESIGNER DATA_FOLDER
set -u

script=$1
designer=$2
data=$(cd "$3" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
export HOME=$work XDG_STATE_HOME=$work/state XDG_CONFIG_HOME=$work/config
export QT_QPA_PLATFORM=offscreen LC_ALL=C

failed=0
fail() {
  echo "labels-job: $*" >&2
  failed=1
}

for tool in pdftotext pdftoppm zbarimg; do
  command -v "$tool" >/dev/null || { fail "$tool is missing (scripts/ensure-packages.sh installs it)"; exit 1; }
done

cp "$data/MenuConfig.txt" .
printf '%s\n' "<stock>" "GB, 3000;" "CON, 2400;" "E1, 2000;" "Flat, 2000;" "<\\stock>" \
  "<saw>" "KERF=3, TRIMHEAD=5, TRIMTAIL=0, MINOFFCUT=300;" "<\\saw>" >Stock.txt
{
  cat "$data/designs.txt"
  echo "click 1058"
  echo "save job.grilljob"
  echo "cutplan"
} >script.txt
if ! "$script" script.txt >script.out 2>&1; then
  cat script.out >&2
  fail "grill-script failed"
  exit 1
fi

# The pieces the plan cuts, in plan order, one line each: ID DESIGN LENGTH
# BAR BARS POSITION PIECES. Groups are numbered as the plan lists them, those
# without a plan too; the lengths are the saw's, millimetres here.
awk '
  $1 == "plan" { ++group; bars[group] = 0 }
  $1 == "bar" { ++bars[group]; line[group, bars[group]] = $0 }
  END {
    for (g = 1; g <= group; ++g) {
      for (b = 1; b <= bars[g]; ++b) {
        n = split(line[g, b], parts, / \| /)
        for (p = 2; p < n; ++p) {
          split(parts[p], piece, " ")
          printf "%d-%02d-%d %s %s %d %d %d %d\n", g, b, p - 1, piece[3], piece[1], b, bars[g], p - 1, n - 2
        }
      }
    }
  }' script.out >pieces.txt
count=$(wc -l <pieces.txt)
[ "$count" -gt 24 ] || fail "only $count pieces: the job should fill more than one A4 sheet"

labels() {  # sheet, output
  if ! "$designer" --labels "$2" --sheet "$1" job.grilljob 2>"err-$1.txt"; then
    fail "--labels --sheet $1 failed: $(cat "err-$1.txt")"
    return 1
  fi
}

pages_of() {
  pdfinfo "$1" | awk '$1 == "Pages:" { print $2 }'
}

# A4: every label read alone from its cell of the 3 x 8 grid (63.5 x 33.9 mm
# from 7.25 mm and 12.9 mm in, 66 mm apart across), at 72 dots per inch.
if labels a4 a4.pdf; then
  [ "$(pages_of a4.pdf)" -eq $(((count + 23) / 24)) ] || fail "a4: $(pages_of a4.pdf) pages for $count labels"
  i=0
  while read -r id design length bar bars position pieces; do
    page=$((i / 24 + 1))
    cell=$((i % 24))
    read -r x y w h <<<"$(awk -v c=$((cell % 3)) -v r=$((cell / 3)) 'BEGIN {
      k = 72 / 25.4
      printf "%d %d %d %d", (7.25 + 66 * c) * k + 1, (12.9 + 33.9 * r) * k + 1, 63.5 * k - 2, 33.9 * k - 2 }')"
    pdftotext -f $page -l $page -r 72 -x "$x" -y "$y" -W "$w" -H "$h" -layout a4.pdf cell.txt
    for text in "$id" "$design" "Length $length mm" "Stock bar $bar of $bars, cut $position of $pieces" \
      "Job job"; do
      grep -qF -- "$text" cell.txt || fail "a4 label $((i + 1)) ($id): \"$text\" missing: $(tr '\n' '/' <cell.txt)"
    done
    [ "$(grep -cF -- "$id" cell.txt)" -eq 1 ] || fail "a4 label $((i + 1)): $id more than once"
    i=$((i + 1))
  done <pieces.txt

  # Every barcode of the first sheet reads back as one of its ids.
  pdftoppm -r 300 -f 1 -l 1 -png a4.pdf sheet
  zbarimg -q --raw -Sdisable -Scode128.enable sheet-1.png 2>/dev/null | sort >read.txt
  head -24 pieces.txt | awk '{ print $1 }' | sort >want.txt
  cmp -s read.txt want.txt || fail "a4 barcodes read $(tr '\n' ' ' <read.txt), not $(tr '\n' ' ' <want.txt)"
fi

# Letter (3 x 10) and the roll (a page a label): every id once, in order.
for sheet in letter roll62; do
  labels $sheet $sheet.pdf || continue
  per=$([ $sheet = letter ] && echo 30 || echo 1)
  [ "$(pages_of $sheet.pdf)" -eq $(((count + per - 1) / per)) ] ||
    fail "$sheet: $(pages_of $sheet.pdf) pages for $count labels"
  pdftotext -raw $sheet.pdf - | grep -oE '^[0-9]+-[0-9]{2,}-[0-9]+$' >ids.txt
  awk '{ print $1 }' pieces.txt | cmp -s - ids.txt || fail "$sheet: ids $(tr '\n' ' ' <ids.txt)"
done

# One roll label as the label printer gets it, decoded back.
if [ -f roll62.pdf ]; then
  pdftoppm -r 300 -f 2 -l 2 -png roll62.pdf roll
  read -r second _ < <(sed -n 2p pieces.txt)
  got=$(zbarimg -q --raw roll-*2.png 2>/dev/null)
  [ "$got" = "$second" ] || fail "roll62 page 2 barcode read \"$got\", not \"$second\""
fi

# Refusals: a job that is not there, no Stock.txt, a file that cannot be written.
"$designer" --labels out.pdf missing.grilljob 2>err.txt && fail "--labels on a missing job succeeded"
"$designer" --labels no-folder/out.pdf job.grilljob 2>err.txt && fail "--labels into no folder succeeded"
[ -s err.txt ] || fail "--labels into no folder said nothing"
mv Stock.txt Stock.away
"$designer" --labels out.pdf job.grilljob 2>err.txt && fail "--labels without Stock.txt succeeded"
grep -q "No Stock.txt" err.txt || fail "--labels without Stock.txt said: $(cat err.txt)"
[ ! -e out.pdf ] || fail "a refused --labels wrote out.pdf"

exit $failed
