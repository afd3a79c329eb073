# The program's command line: --help and --version answer without any
# display, a mistaken command line is refused with status 2 and creates
# nothing, and the data folder (given or ~/Quillmor) becomes the working
# directory, created when missing and given the sample course list.
#
#   command_line_test.sh PROGRAM VERSION
source "$(dirname "$0")/common.sh"
program="$1"
version="$2"
sample="$(cd "$(dirname "$0")/../../data" && pwd)/sample.qmd"

nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
mkdir -p "$tmp/cwd"
cd "$tmp/cwd"

for option in --version -v; do
  out="$("${nodisplay[@]}" "$program" "$option")" && status=0 || status=$?
  check "$option exits with 0 (got $status)" [ "$status" -eq 0 ]
  check "$option prints the name and version (got '$out')" [ "$out" = "quillmor $version" ]
done

out="$("${nodisplay[@]}" "$program" --help)" && status=0 || status=$?
check "--help exits with 0 (got $status)" [ "$status" -eq 0 ]
for text in "Usage: quillmor [options] [DATA-FOLDER]" "-h, --help" "-v, --version" \
  "Default: ~/Quillmor"; do
  check "--help tells '$text'" grep -qF -- "$text" <<<"$out"
done

# A mistake is refused before anything is made.
for mistake in "--bogus" "one two"; do
  # shellcheck disable=SC2086
  QT_QPA_PLATFORM=offscreen HOME="$tmp/home" "$program" $mistake >/dev/null 2>"$tmp/err" &&
    status=0 || status=$?
  check "'$mistake' exits with 2 (got $status)" [ "$status" -eq 2 ]
  check "'$mistake' says how to get help" grep -qF "quillmor --help" "$tmp/err"
done
check "a mistaken command line makes no folder" [ -z "$(ls -A "$tmp/cwd")" ]
check "a mistaken command line makes no data folder" [ ! -e "$tmp/home/Quillmor" ]

"${nodisplay[@]}" HOME="$tmp/home" "$program" 2>"$tmp/err" && status=0 || status=$?
check "without a display the status is 1 (got $status)" [ "$status" -eq 1 ]
check "without a display one line says so" [ "$(wc -l <"$tmp/err")" -eq 1 ]
check "without a display the line names the display" grep -q "graphical display" "$tmp/err"

touch "$tmp/a-file"
QT_QPA_PLATFORM=offscreen HOME="$tmp/home" "$program" "$tmp/a-file" 2>"$tmp/err" &&
  status=0 || status=$?
check "a file as the data folder: status 1 (got $status)" [ "$status" -eq 1 ]
check "a file as the data folder is named" grep -qF "$tmp/a-file" "$tmp/err"

# A new folder given on the command line, with a space and a leading dash
# (after --): created, entered, given the sample courses.
folder="$tmp/-my golf"
if start_program "$program" "$folder" -- "$folder"; then
  check "the data folder is the working directory" \
    [ "$(readlink "/proc/$pid/cwd")" = "$folder" ]
  check "the sample became the course list" cmp -s "$folder/courses.qmd" "$sample"
  check "no default folder when one is given" [ ! -e "$tmp/home/Quillmor" ]
else
  fail "the program did not start in a new data folder"
fi
stop_program

# Without a folder: ~/Quillmor.
if start_program "$program" "$tmp/home/Quillmor"; then
  check "~/Quillmor is the working directory" \
    [ "$(readlink "/proc/$pid/cwd")" = "$tmp/home/Quillmor" ]
else
  fail "the program did not start with the default data folder"
fi
stop_program

finish
