# The README's pictures can be made: the picture program runs on a fresh
# sample club and leaves every picture, each a real picture of some size
# (a window that did not paint, or shrank to nothing, gives a tiny file).
# The pixels are not compared.
#
#   docshots_test.sh PICTURE-PROGRAM
source "$(dirname "$0")/common.sh"
program="$1"

pictures=(main-window golfer-list score-entry golfer-scores index-history handicap-cards
          main-window-dark index-history-dark)

if ! "$program" "$tmp/pictures"; then
  fail "the picture program failed"
fi

# Width and height from the PNG header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}'; }

for name in "${pictures[@]}"; do
  file="$tmp/pictures/$name.png"
  if [ ! -f "$file" ]; then
    fail "$name.png was not made"
    continue
  fi
  bytes=$(stat -c %s "$file")
  check "$name.png holds a picture ($bytes bytes)" [ "$bytes" -gt 8000 ]
  read -r width height < <(png_size "$file")
  check "$name.png is as wide as a window ($width pixels)" [ "$width" -ge 300 ]
  check "$name.png is as high as a window ($height pixels)" [ "$height" -ge 250 ]
done
check "no picture is left over" [ "$(ls -A "$tmp/pictures" 2>/dev/null | wc -l)" -eq "${#pictures[@]}" ]
finish
