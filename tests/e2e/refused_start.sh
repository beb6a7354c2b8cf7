#!/bin/sh
# The real program on a 1024 × 768 screen: it refuses to start with its Polish message box, and
# ends once the box is answered. Needs xvfb-run and xdotool; skipped (exit 77) without them.
# Usage: refused_start.sh PROGRAM_FOLDER
set -eu
command -v xvfb-run >/dev/null && command -v xdotool >/dev/null || exit 77
src=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp -r "$src/merisko" "$src/Base" "$dir/"
mkdir -p "$dir/Result" "$dir/Work"
cat >"$dir/run.sh" <<'INNER'
#!/bin/sh
"$1/merisko" & pid=$!
for i in $(seq 1 50); do
    win=$(xdotool search --name "Własności MONITORA" 2>/dev/null | head -1) && [ -n "$win" ] && break
    sleep 0.2
done
[ -n "${win:-}" ] || { echo "no message box"; kill $pid; exit 1; }
xdotool windowfocus "$win" 2>/dev/null || true
xdotool key Return
for i in $(seq 1 50); do
    if ! kill -0 $pid 2>/dev/null; then
        wait $pid && status=0 || status=$?
        [ $status -eq 1 ] && exit 0  # refused: the program ends with status 1
        echo "the program ended with status $status"; exit 1
    fi
    sleep 0.2
done
echo "the program did not end"; kill $pid; exit 1
INNER
chmod +x "$dir/run.sh"
xvfb-run -a -n "$((100 + $$ % 800))" -s "-screen 0 1024x768x24 -noreset" "$dir/run.sh" "$dir"
