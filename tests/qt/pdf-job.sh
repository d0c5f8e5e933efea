#!/bin/bash
# grill-designer --pdf on one job saved in inches and in millimetres: each PDF
# has a page per design and the summary, every title block value, every bar
# position in the job's unit and every cut row Process All writes for the
# design, with the CSV files' numbers as the drawing rounds them.
#
#   pdf-job.sh GRILL_SCRIPT GRILL_DESIGNER DATA_FOLDER
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
  echo "pdf-job: $*" >&2
  failed=1
}

# The pages follow the Windows list, alphabetical.
designs=(Bath Hall Kitchen)
cp "$data/MenuConfig.txt" .
{
  cat "$data/designs.txt"
  echo "text 1062 Shop"
  for unit in inches mm; do
    [ "$unit" = mm ] && echo "click 1058"
    echo "save job-$unit.grilljob"
    echo "exportfolder csv-$unit"
    echo "click 1063"
  done
  for name in "${designs[@]}"; do
    echo "pick 1000 $name"
    echo "design"
  done
} >script.txt
if ! "$script" script.txt >script.out 2>&1; then
  cat script.out >&2
  fail "grill-script failed"
  exit 1
fi

# A length in millimetres (mm) or in inches (inches) as the drawing writes it.
page_length() {
  awk -v v="$1" -v unit="$2" -v from="$3" 'BEGIN {
    if (unit == "mm") { printf "%.1f", v; exit }
    if (from == "mm") v /= 25.4
    n = int(v * 16 + 0.5); whole = int(n / 16); f = n % 16; d = 16
    while (f > 0 && f % 2 == 0) { f /= 2; d /= 2 }
    if (f == 0) printf "%d\"", whole
    else if (whole == 0) printf "%d/%d\"", f, d
    else printf "%d %d/%d\"", whole, f, d
  }'
}

# A value read as text rounded to `half` either way may stand for either of
# two page lengths when it lies that close to a rounding boundary: both, as
# an extended regular expression.
page_lengths() {  # value unit from half
  local low high
  low=$(page_length "$(awk -v v="$1" -v h="$4" 'BEGIN { printf "%.9f", v - h }')" "$2" "$3")
  high=$(page_length "$(awk -v v="$1" -v h="$4" 'BEGIN { printf "%.9f", v + h }')" "$2" "$3")
  if [ "$low" = "$high" ]; then
    quote "$low"
  else
    echo "($(quote "$low")|$(quote "$high"))"
  fi
}

quote() {
  printf '%s' "$1" | sed 's/[.]/[.]/g'
}

# The design's field from the script's "design" output.
field() {
  awk -v name="$1" -v key="$2" '$1 == "design" { shown = ($2 == name) }
    shown && $1 == key { $1 = ""; print substr($0, 2) }' script.out
}

contains() {  # text file, expected text, what it is
  grep -qF -- "$2" "$1" || fail "$3: \"$2\" missing from $1"
}

matches() {  # text file, extended regular expression, what it is
  grep -qE -- "$2" "$1" || fail "$3: /$2/ not in $1"
}

today=$(date +%F)
for unit in inches mm; do
  if ! "$designer" --pdf "out-$unit.pdf" "job-$unit.grilljob" 2>"err-$unit.txt"; then
    fail "--pdf for $unit failed: $(cat "err-$unit.txt")"
    continue
  fi
  pdftotext -layout "out-$unit.pdf" "out-$unit.txt" || fail "pdftotext $unit"
  pages=$(tr -cd '\f' <"out-$unit.txt" | wc -c)
  [ "$pages" -eq 4 ] || fail "$unit: $pages pages, not 4"
  unitname=$([ "$unit" = mm ] && echo millimetres || echo inches)

  for i in "${!designs[@]}"; do
    name=${designs[$i]}
    page="page-$unit-$name.txt"
    awk -v want=$((i + 1)) 'BEGIN { RS = "\f" } NR == want' "out-$unit.txt" >"$page"
    read -r ow oh <<<"$(field "$name" outer)"
    read -r iw ih <<<"$(field "$name" inner)"
    IFS='|' read -r bar edge inside outside <<<"$(field "$name" types)"
    for value in "job-$unit" "$name" "$today" "$(field "$name" quantity)" "$bar" "$edge" \
      "$inside" "$outside" "$unitname" "1 : "; do
      contains "$page" "$value" "$unit $name title block"
    done
    # grill-script writes millimetres with six decimals.
    six=0.0000005
    for size in "$ow $oh" "$iw $ih"; do
      read -r w h <<<"$size"
      matches "$page" "$(page_lengths "$w" "$unit" mm $six) x $(page_lengths "$h" "$unit" mm $six)" \
        "$unit $name title block size"
    done
    # Bar centres: every position between the two edges.
    for key in horzPos vertPos; do
      read -r -a positions <<<"$(field "$name" $key)"
      for ((p = 1; p < ${#positions[@]} - 1; ++p)); do
        matches "$page" "$(page_lengths "${positions[$p]}" "$unit" mm $six)" "$unit $name $key $p"
      done
    done
    # Cut rows of the first unit of the design, as Process All wrote them.
    # The CSV files give three decimals of an inch, the millimetres exactly
    # as the drawing rounds them.
    half=$([ "$unit" = mm ] && echo 0 || echo 0.0005)
    rows=0
    while IFS= read -r row; do
      rows=$((rows + 1))
      IFS=',' read -r -a cells <<<"$row"
      length=$(page_lengths "${cells[3]// /}" "$unit" "$unit" "$half")
      count=${cells[4]// /}
      notches=${cells[5]// /}
      # The row's line: count, the order's total, length and its notches in order, or "-".
      line=" $count +[0-9]+ +$length +"
      for ((n = 0; n < notches; ++n)); do
        code=${cells[$((7 + 2 * n))]// /}
        at=$(page_lengths "${cells[$((6 + 2 * n))]// /}" "$unit" "$unit" "$half")
        line+="$([ "$n" -gt 0 ] && echo ', ')$code @ $at"
      done
      [ "$notches" -eq 0 ] && line+="-"
      matches "$page" "$line *\$" "$unit $name cut row $row"
    done < <(grep -h -- "_$name,[0-9]*,G-1 B-1 " csv-$unit/Shop_*Master_*.csv)
    [ "$rows" -gt 0 ] || fail "$unit $name: no cut rows in the CSV files"
  done
  awk 'BEGIN { RS = "\f" } NR == 4' "out-$unit.txt" >"summary-$unit.txt"
  for name in "${designs[@]}"; do
    contains "summary-$unit.txt" "$name" "$unit summary"
  done
done

# Refusals: an unknown design, an unreadable job, an unwritable file.
for args in "--design Attic job-mm.grilljob" "missing.grilljob" "job-mm.grilljob"; do
  out=out.pdf
  [ "$args" = job-mm.grilljob ] && out=no-folder/out.pdf
  # shellcheck disable=SC2086
  if "$designer" --pdf "$out" $args 2>err.txt; then
    fail "--pdf $out $args succeeded"
  elif [ ! -s err.txt ]; then
    fail "--pdf $out $args said nothing"
  fi
done
"$designer" --pdf one.pdf --design Hall job-mm.grilljob || fail "--design Hall failed"
pdftotext -layout one.pdf one.txt && grep -qF Hall one.txt && ! grep -qF Kitchen one.txt ||
  fail "--design Hall printed other designs"

exit $failed
