#!/usr/bin/env bash
# fotoviramo-cli end to end: conversions through every format and the project,
# and a one-line message with a non-zero status on errors.
set -u
cli="$1"
sample="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
total=0
check() {  # description, command...
  total=$((total + 1))
  local what="$1"
  shift
  if ! "$@" >"$work/out" 2>"$work/err"; then
    echo "FAIL: $what"
    cat "$work/err"
    failures=$((failures + 1))
  fi
}
refuse() {  # description, command... : must fail with exactly one line on stderr
  total=$((total + 1))
  local what="$1"
  shift
  if "$@" >"$work/out" 2>"$work/err"; then
    echo "FAIL: $what succeeded"
    failures=$((failures + 1))
  elif [[ $(wc -l <"$work/err") -ne 1 ]]; then
    echo "FAIL: $what did not say one line:"
    cat "$work/err"
    failures=$((failures + 1))
  fi
}

for ext in bmp png jpg gif tif; do
  check "convert to $ext" "$cli" convert "$sample" "$work/s.$ext"
  check "info of $ext" "$cli" info "$work/s.$ext"
  grep -q "1600 x 1067" "$work/out" || { echo "FAIL: info of $ext: $(cat "$work/out")"; failures=$((failures + 1)); }
done
check "gif with 16 colours" "$cli" convert "$sample" "$work/g16.gif" --gif-bits 4
check "jpeg at quality 5" "$cli" convert "$sample" "$work/q5.jpg" --quality 5
[[ $(stat -c %s "$work/q5.jpg") -lt $(stat -c %s "$work/s.jpg") ]] || { echo "FAIL: quality 5 is not smaller"; failures=$((failures + 1)); }
check "picture to project" "$cli" convert "$work/s.png" "$work/p.zrt"
check "project info" "$cli" info "$work/p.zrt"
grep -q "project, canvas 1600 x 1067 pixels, 0 layers" "$work/out" || { echo "FAIL: project info: $(cat "$work/out")"; failures=$((failures + 1)); }
check "render project" "$cli" render "$work/p.zrt" "$work/r.png"
cmp -s <("$cli" info "$work/r.png" | cut -d: -f2) <("$cli" info "$work/s.png" | cut -d: -f2) || { echo "FAIL: render differs"; failures=$((failures + 1)); }

for e in spray textur invert mosa emboss ripple_7 ripple_12 ripple_24 wave post; do
  check "effect $e" "$cli" effect "$e" --amount 5 --seed 3 "$work/s.png" "$work/e.png"
done
for f in color mona mod sepia mono sharpen blur brighten contrast; do
  check "filter $f" "$cli" filter "$f" --amount 3 "$work/s.png" "$work/f.png"
done
check "invert once" "$cli" effect invert "$work/s.png" "$work/i1.png"
check "invert twice" "$cli" effect invert "$work/i1.png" "$work/i2.png"
cmp -s "$work/s.png" "$work/i2.png" || { echo "FAIL: inverting twice changed the picture"; failures=$((failures + 1)); }
refuse "unknown effect" "$cli" effect nosuch "$work/s.png" "$work/x.png"
refuse "sharpening strength out of range" "$cli" filter sharpen --amount 9 "$work/s.png" "$work/x.png"
refuse "missing input" "$cli" convert "$work/none.jpg" "$work/x.png"
refuse "unsupported output" "$cli" convert "$sample" "$work/x.ico"
refuse "bad quality" "$cli" convert "$sample" "$work/x.jpg" --quality 0
refuse "render of a picture" "$cli" render "$sample" "$work/x.png"
printf 'not a picture' >"$work/bad.png"
refuse "damaged picture" "$cli" info "$work/bad.png"
refuse "unknown command" "$cli" frobnicate
[[ ! -e "$work/x.png" && ! -e "$work/x.ico" ]] || { echo "FAIL: a failed command left a file"; failures=$((failures + 1)); }

echo "$(( total - failures )) passed, $failures failed"
[[ $failures -eq 0 ]]
