# Shared by the end-to-end scripts: a copy of the program folder to run in, and the main window
# found once the program shows it. Sourced, not run.

# make_program_folder SOURCE: a temporary copy of the program folder, removed on exit, in $dir.
make_program_folder() {
    dir=$(mktemp -d)
    trap 'rm -rf "$dir"' EXIT
    cp -r "$1/merisko" "$1/Base" "$1/Help" "$1/SnowMen" "$dir/"
    mkdir -p "$dir/Result" "$dir/Work"
}

# wait_window TITLE: prints the id of the first visible window whose title is exactly TITLE.
wait_window() {
    for i in $(seq 1 50); do
        w=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
        [ -n "$w" ] && { echo "$w"; return 0; }
        sleep 0.2
    done
    return 1
}

# main_window: $win, and $X, $Y of its client area, once the splash has faded out.
main_window() {
    win=$(wait_window Merisko) || return 1
    sleep 3
    eval "$(xdotool getwindowgeometry --shell "$win")"
}
