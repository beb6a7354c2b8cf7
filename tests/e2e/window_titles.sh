#!/bin/sh
# The real program in a real X server (with openbox when the machine has it): every window it
# opens carries exactly its caption, nothing appended; a book the user moved stays there when it
# is hidden and shown again. Needs xvfb-run and xdotool; skipped (exit 77) without them.
# Usage: window_titles.sh PROGRAM_FOLDER
set -eu
command -v xvfb-run >/dev/null && command -v xdotool >/dev/null && command -v xprop >/dev/null || exit 77
src=$1
. "$(dirname "$0")/common.sh"
make_program_folder "$src"
cp "$src/Result/001 Bałwanek.vkz" "$dir/Result/"

cat >"$dir/run.sh" <<'INNER'
#!/bin/sh
set -u
export LC_ALL=C.UTF-8  # titles as UTF-8 text
command -v openbox >/dev/null && { openbox >/dev/null 2>&1 & sleep 1; }
. "$2/common.sh"
"$1/merisko" & pid=$!
main_window || { echo "no main window"; kill $pid; exit 1; }  # $win, and $X, $Y of its client area
MX=$X; MY=$Y
fail=0
click() { xdotool mousemove $((MX + $1)) $((MY + $2)) click 1; sleep 0.6; }
key() { xdotool windowfocus "$win" 2>/dev/null; xdotool key "$1"; sleep 0.8; }
titles() {  # the title of every visible window as the window system has it, one a line
    for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
        xprop -id "$w" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'
    done
}
shown() {  # shown CAPTION: a visible window has exactly this title
    titles | grep -qxF "$1" || { echo "no window titled exactly \"$1\" among:"; titles; fail=1; }
}
nothingAppended() {
    if titles | grep -q ' — '; then echo "a title with something appended:"; titles; fail=1; fi
}
placeOf() { w=$(xdotool search --onlyvisible --name "$1" | head -1); xdotool getwindowgeometry "$w" | sed -n 2p; }

click 776 36; shown 'Informacja o parametrach projektu'
click 848 36; shown 'Pomoc programu Merisko®'
click 920 36; shown 'Jak narysować Bałwanka?'
shown 'Merisko'
click 502 630  # the first reference tile: its popup is titled with the tile's name alone
[ "$(titles | wc -l)" -eq 5 ] || { echo "no popup:"; titles; fail=1; }
nothingAppended
click 502 630

# The help book moved by the user stays there when hidden and shown again.
help=$(xdotool search --onlyvisible --name 'Pomoc programu' | head -1)
xdotool windowmove "$help" 60 80; sleep 0.6
moved=$(placeOf 'Pomoc programu')
click 848 36; click 848 36
[ "$(placeOf 'Pomoc programu')" = "$moved" ] || { echo "the moved book came back elsewhere"; fail=1; }
click 776 36; click 848 36; click 920 36

key ctrl+n; shown 'Nowy piktogram'; xdotool key Escape; sleep 0.5
key ctrl+shift+s; shown 'Zapisz piktogram jako'; xdotool key Escape; sleep 0.5
click 144 164; shown 'Warstwa'; nothingAppended; xdotool key Escape; sleep 0.5
kill $pid
exit $fail
INNER
chmod +x "$dir/run.sh"
xvfb-run -a -n "$((100 + $$ % 800))" -s "-screen 0 1280x1024x24 -noreset" "$dir/run.sh" "$dir" "$(cd "$(dirname "$0")" && pwd)"
echo "e2e: every window titled with its caption alone"
