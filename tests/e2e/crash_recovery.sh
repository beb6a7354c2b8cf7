#!/bin/sh
# The real program in a real X server, killed (SIGKILL) right after an edit that was never saved;
# the next start offers the changes, Enter takes them back, and Save writes them.
# Needs xvfb-run and xdotool; skipped (exit 77) without them.
# Usage: crash_recovery.sh PROGRAM_FOLDER
set -eu
command -v xvfb-run >/dev/null && command -v xdotool >/dev/null || exit 77
here=$(dirname "$0")
. "$here/common.sh"
make_program_folder "$1"
cp "$1/Result/001 Bałwanek.vkz" "$dir/Result/"
layers_before=$(head -c 10 "$dir/Result/001 Bałwanek.vkz" | tr -d ' ')

cat >"$dir/run.sh" <<'INNER'
#!/bin/sh
set -u
dir=$1
. "$2/common.sh"
fail() { echo "$1"; import -window root "$dir/stuck.png" 2>/dev/null; kill -9 $pid 2>/dev/null; exit 1; }

"$dir/merisko" & pid=$!
main_window || fail "no main window"
xdotool mousemove $((X + 144)) $((Y + 164)) click 1; sleep 0.6  # add a layer
xdotool key Return; sleep 1                                     # "Warstwa": OK
[ -f "$dir/Work/odzysk/001 Bałwanek.vkz" ] || fail "no recovery copy after the edit"
kill -9 $pid; wait $pid 2>/dev/null

"$dir/merisko" & pid=$!
box=$(wait_window Potwierdzenie) || fail "the unsaved changes were not offered"
xdotool windowfocus "$box" 2>/dev/null; sleep 0.3
xdotool key Return; sleep 0.6     # Tak: Enter takes the changes back
main_window || fail "no main window after the question"
xdotool windowfocus "$win" 2>/dev/null; xdotool key ctrl+s; sleep 0.6
xdotool key ctrl+q
for i in $(seq 1 25); do kill -0 $pid 2>/dev/null || exit 0; sleep 0.2; done
fail "the program did not end (a question was left open?)"
INNER
chmod +x "$dir/run.sh"
xvfb-run -a -n "$((100 + $$ % 800))" -s "-screen 0 1280x1024x24 -noreset" "$dir/run.sh" "$dir" "$(cd "$here" && pwd)"

doc="$dir/Result/001 Bałwanek.vkz"
layers=$(head -c 10 "$doc" | tr -d ' ')
[ "$layers" -eq $((layers_before + 1)) ] || { echo "saved $layers layers, had $layers_before"; exit 1; }
QT_QPA_PLATFORM=offscreen "$dir/merisko" --check "$doc" >/dev/null || { cat "$doc"; exit 1; }
[ ! -e "$dir/Work/odzysk/001 Bałwanek.vkz" ] || { echo "the recovery copy stayed after the save"; exit 1; }
echo "e2e: the edit killed before a save came back at the next start and was saved"
