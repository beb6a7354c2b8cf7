#!/bin/sh
# The real program in a real X server, driven by the keyboard as a pupil would: New twice by typing
# (the first confirmed with a click on OK), Save As onto an existing document answered Nie and then
# another name, a delete answered Nie, and a close that asks nothing; then the files on disk.
# Needs xvfb-run and xdotool; skipped (exit 77) without them.
# Usage: name_dialogs.sh PROGRAM_FOLDER
set -eu
command -v xvfb-run >/dev/null && command -v xdotool >/dev/null || exit 77
src=$(cd "$1" && pwd)
. "$(dirname "$0")/common.sh"
make_program_folder "$src"
cp "$src/Result/001 Bałwanek.vkz" "$dir/Result/001 Dom.vkz"
cp "$src/Result/001 Bałwanek.vkz" "$dir/Result/002 Las.vkz"

cat >"$dir/run.sh" <<'INNER'
#!/bin/sh
set -u
. "$2/common.sh"
"$1/merisko" & pid=$!
main_window || { echo "no main window"; kill $pid; exit 1; }  # $win, and $X, $Y of its client area
key() { xdotool windowfocus "$win" 2>/dev/null; xdotool key "$1"; sleep 0.6; }
typed() { xdotool type --delay 30 "$1"; sleep 0.3; }
fail() { echo "$1"; import -window root "$2/stuck.png" 2>/dev/null; kill $pid; exit 1; }

key ctrl+n                        # "000 Nowy.vkz" selected: typing replaces it
typed "Kot.vkz"
dlg=$(xdotool search --onlyvisible --name '^Nowy piktogram' | head -1)
[ -n "$dlg" ] || fail "no New dialog" "$1"
eval "$(xdotool getwindowgeometry --shell --prefix D "$dlg")"
xdotool mousemove $((DX + 45)) $((DY + 87)) click 1; sleep 0.6   # OK, with the mouse
key ctrl+n                        # the focus is back in the name, not on OK
typed "Pies.vkz"
xdotool key Return; sleep 0.6
key ctrl+s                        # a new name: saved without a question
key ctrl+shift+s
typed "002 Las.vkz"
xdotool key Return; sleep 0.6     # "already exists": Enter answers Nie
xdotool key Return; sleep 0.6
typed "003 Mysz.vkz"              # back in the name dialog, the name selected
xdotool key Return; sleep 0.6
# The list: 001 Dom, 002 Las, 003 Mysz, Pies; delete "002 Las.vkz" and answer Nie.
xdotool mousemove $((X + 378)) $((Y + 108)) click 3; sleep 0.6
xdotool key Down Return; sleep 0.6
xdotool key Return; sleep 0.6
key ctrl+q                        # everything saved: no question
for i in $(seq 1 25); do kill -0 $pid 2>/dev/null || exit 0; sleep 0.2; done
fail "the program did not end (a question was left open?)" "$1"
INNER
chmod +x "$dir/run.sh"
xvfb-run -a -n "$((100 + $$ % 800))" -s "-screen 0 1280x1024x24 -noreset" "$dir/run.sh" "$dir" "$(cd "$(dirname "$0")" && pwd)"

cd "$dir/Result"
ls
[ ! -e "Kot.vkz" ] || { echo "the first new document was saved"; exit 1; }
[ -f "Pies.vkz" ] || { echo "the second new document, typed, was not saved"; exit 1; }
cmp -s "002 Las.vkz" "$src/Result/001 Bałwanek.vkz" || { echo "002 Las.vkz was replaced or deleted"; exit 1; }
cmp -s "003 Mysz.vkz" "Pies.vkz" || { echo "Save As did not write 003 Mysz.vkz"; exit 1; }
echo "e2e: names typed, nothing replaced or deleted without a Tak"
