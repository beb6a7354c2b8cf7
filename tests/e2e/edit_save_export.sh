#!/bin/sh
# The real program in a real X server, driven by pointer and keyboard events: a new document, a
# layer with points, save, export, and a close that asks nothing; then the files on disk.
# Needs xvfb-run and xdotool; skipped (exit 77) without them.
# Usage: edit_save_export.sh PROGRAM_FOLDER
set -eu
command -v xvfb-run >/dev/null && command -v xdotool >/dev/null || exit 77
src=$1
. "$(dirname "$0")/common.sh"
make_program_folder "$src"
cp "$src/Result/001 Bałwanek.vkz" "$dir/Result/"

cat >"$dir/run.sh" <<'INNER'
#!/bin/sh
set -u
. "$2/common.sh"
"$1/merisko" & pid=$!
main_window || { echo "no main window"; kill $pid; exit 1; }  # $win, and $X, $Y of its client area
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; sleep 0.3; }
key() { xdotool windowfocus "$win" 2>/dev/null; xdotool key "$1"; sleep 0.6; }

key ctrl+n             # new document: the dialog proposes "000 Nowy.vkz"
xdotool key Return; sleep 0.6
click 144 164          # add a layer (the layer dialog's first kind)
xdotool key Return; sleep 0.6
click 240 356          # the add-points mode
for p in "156 178" "356 178" "356 378" "156 378"; do
    set -- $p
    click $((436 + $1)) $((78 + $2))
done
key ctrl+s             # save
key ctrl+e             # export
key ctrl+q             # close: saved, so no question
for i in $(seq 1 25); do kill -0 $pid 2>/dev/null || exit 0; sleep 0.2; done
echo "the program did not end (a question was asked?)"
import -window root "$1/stuck.png" 2>/dev/null
kill $pid; exit 1
INNER
chmod +x "$dir/run.sh"
xvfb-run -a -n "$((100 + $$ % 800))" -s "-screen 0 1280x1024x24 -noreset" "$dir/run.sh" "$dir" "$(cd "$(dirname "$0")" && pwd)"

doc="$dir/Result/000 Nowy.vkz"
[ -f "$doc" ] || { echo "no document saved"; ls "$dir/Result"; exit 1; }
QT_QPA_PLATFORM=offscreen "$dir/merisko" --check "$doc" | grep -q ": 2 warstw" \
    || { echo "saved document:"; cat "$doc"; exit 1; }
# The new layer holds the four points that were clicked.
sed -n 3p "$doc" | grep -q "^ *[0-9]* *[0-9]* *\\$[0-9A-F]* *[0-9]* *[0-9,]* *4 " \
    || { echo "layer line:"; sed -n 3p "$doc"; exit 1; }
bmp=$(od -An -tx1 -N26 "$dir/Result/000 Nowy.bmp" | tr -d ' \n')
case "$bmp" in 424d*4000000040000000) ;; *) echo "thumbnail header $bmp"; exit 1 ;; esac
png=$(od -An -tx1 -j16 -N13 "$dir/Result/000 Nowy.png" | tr -d ' \n')
[ "$png" = "00000200000002000802000000" ] || { echo "export header $png"; exit 1; }
echo "e2e: document, thumbnail and export written"
