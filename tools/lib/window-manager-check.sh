#!/usr/bin/env bash
# Usage: tools/lib/window-manager-check.sh <the tool's executable>
#        tools/lib/window-manager-check.sh -h | --help    (shows this text)
#
# Starts the built tool on an X server with a window manager (Xvfb and openbox), on the emulated
# keyboard, and checks what only a real window manager shows, at 1366 x 768 and 1920 x 1080:
#   - a second start while the program runs ends at once, with exit status 0 and nothing from the
#     sanitizers, its log holding its version and no report sent to the keyboard, and leaves the
#     program's lock file in place; so does a second start in a PID namespace of its own, where
#     the system gives one;
#   - the whole window, the window manager's frame and title bar included, lies on the screen;
#   - without a keyboard, closing message 9001 (Escape) ends the program;
#   - Close from the start page's menu (Ctrl+W) ends the program;
#   - when the X server goes away as soon as the window shows, the start perhaps still reading the
#     keyboard, the program ends with Qt's exit status 1.
# The program must end with exit status 0 each time it is asked to, which it does not after
# LeakSanitizer has found a leak at its end (exit() leaves the application's objects undestroyed,
# so leaks are not looked for when the X server goes), and never with a sanitizer's report. It
# checks what happens, not how fast: each wait polls, so that a quick machine goes on at once, and
# gives up only after a generous bound (a minute for the X server and the window manager, half a
# minute for everything else) that a busy machine stays well within.
set -euo pipefail
source "$(dirname "$0")/common.sh"
keymap_take_arguments 1 "$@"
[ $# -eq 1 ] || keymap_refuse "the tool's executable is missing"
tool=$1
# What LeakSanitizer leaves out: a foreign leak at the end of a run on xcb, nothing of ours. It
# names a function of libdbus, which keeps no frame pointers, so that only the unwinder that reads
# the unwind tables reaches that function's frame; it stops at the ten innermost frames, enough to
# show where a leak was made, as each further frame makes every allocation slower.
leak_suppressions="$(cd "$(dirname "$0")" && pwd)/lsan.supp"
leak_options="detect_leaks=1:fast_unwind_on_malloc=0:malloc_context_size=10"
work=$(mktemp -d)
server=""
manager=""
program=""

cleanup() {
    for pid in $program $manager $server; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "window manager check, $screen: $*" >&2
    exit 1
}

# wait_for <seconds> <command...>: whether the command succeeds within that time, trying it ten
# times a second; on failure, waited says how long it tried.
wait_for() {
    local bound=$1 start=$SECONDS
    shift
    until "$@" >/dev/null 2>&1; do
        waited="$((SECONDS - start)) s"
        ((SECONDS - start < bound)) || return 1
        sleep 0.1
    done
}

start_display() {
    rm -f "$work/display"
    # The server takes the lowest display number that no other server holds, and tells which.
    Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$work/display" 2>/dev/null &
    server=$!
    wait_for 60 test -s "$work/display" || fail "Xvfb did not start (waited $waited)"
    export DISPLAY=":$(cat "$work/display")"
    openbox --sm-disable >"$work/openbox-output" 2>&1 &
    manager=$!
    wait_for 60 sh -c 'xprop -root -notype _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        fail "openbox did not start on display $DISPLAY (waited $waited): $(tail -n 5 "$work/openbox-output")"
}

stop_display() {
    kill "$manager" "$server" 2>/dev/null || true
    wait "$manager" "$server" 2>/dev/null || true
    manager=""
    server=""
}

# start_program [emulated scenario]: the tool on the emulated keyboard, with its files in the
# check's own folder; waits for its window. AddressSanitizer takes its options from
# program_options when that is set, from leak_options otherwise.
start_program() {
    rm -rf "$work/home"
    mkdir -p "$work/home/runtime"
    chmod 700 "$work/home/runtime"
    HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config" \
        XDG_RUNTIME_DIR="$work/home/runtime" QT_QPA_PLATFORM=xcb KEYMAP_TOOL_DEVICE=emulated \
        KEYMAP_TOOL_EMULATED="${1:-}" ASAN_OPTIONS="${program_options:-$leak_options}" \
        LSAN_OPTIONS="suppressions=$leak_suppressions" \
        "$tool" --verbose >"$work/output" 2>&1 &
    program=$!
    wait_for 30 xdotool search --onlyvisible --class tavo-keymap-tool ||
        fail "no window appeared (waited $waited)"
    window=$(xdotool search --onlyvisible --class tavo-keymap-tool | head -n 1)
}

# wait_for_log_line <text>: the program has written a line holding text into its log.
wait_for_log_line() {
    wait_for 30 grep -qF "$1" -r "$work/home/data" ||
        fail "the log did not say \"$1\" (waited $waited)"
}

# The window manager's frame around the window, from its own report: left right top bottom.
frame_extents() {
    xprop -id "$window" -notype _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ,
}

frame_on_screen() {
    local extents left right top bottom x y width height
    extents=$(frame_extents)
    [ -n "$extents" ] || return 1
    read -r left right top bottom <<<"$extents"
    eval "$(xwininfo -id "$window" | sed -n \
        -e 's/^ *Absolute upper-left X: *\(-*[0-9]*\)/x=\1/p' \
        -e 's/^ *Absolute upper-left Y: *\(-*[0-9]*\)/y=\1/p' \
        -e 's/^ *Width: *\([0-9]*\)/width=\1/p' -e 's/^ *Height: *\([0-9]*\)/height=\1/p')"
    frame="$((width + left + right))x$((height + top + bottom))+$((x - left))+$((y - top))"
    ((x - left >= 0 && y - top >= 0 && x + width + right <= ${screen%x*} &&
        y + height + bottom <= ${screen#*x}))
}

# expect_end <what happened> [status]: the program ends, with that exit status (0 unless given)
# and nothing from the sanitizers.
expect_end() {
    if ! wait_for 30 sh -c "! kill -0 $program"; then
        fail "the program still runs $waited after $1"
    fi
    local status=0
    wait "$program" || status=$?
    program=""
    if [ "$status" -ne "${2:-0}" ] || grep -qE "runtime error|Sanitizer" "$work/output"; then
        # What the program wrote last: a leak report, for one.
        tail -n 40 "$work/output" >&2
        fail "the program ended with status $status or a sanitizer's report after $1"
    fi
}

# expect_second_start [command...]: a second start while the program runs, run by the command
# when one is given, ends at once, with exit status 0 and nothing from the sanitizers, before it
# has sent anything to its keyboard: its log holds the version and no report sent. The first
# run's lock file stays as it was.
expect_second_start() {
    local status=0 lock="$work/home/runtime/tavo-keymap-tool.lock" held
    held=$(stat -c %i "$lock") || fail "the program holds no lock file"
    rm -rf "$work/second"
    HOME="$work/home" XDG_DATA_HOME="$work/second" XDG_CONFIG_HOME="$work/home/config" \
        XDG_RUNTIME_DIR="$work/home/runtime" QT_QPA_PLATFORM=xcb KEYMAP_TOOL_DEVICE=emulated \
        ASAN_OPTIONS="$leak_options" LSAN_OPTIONS="suppressions=$leak_suppressions" \
        "$@" timeout -k 10 30 "$tool" --verbose >"$work/second-output" 2>&1 || status=$?
    # timeout's own status when the bound ran out
    [ "$status" -ne 124 ] || fail "a second start still ran after 30 s"
    if [ "$status" -ne 0 ] || grep -qE "runtime error|Sanitizer" "$work/second-output"; then
        tail -n 40 "$work/second-output" >&2
        fail "a second start ${*:+under $* }ended with status $status or a sanitizer's report"
    fi
    grep -qF "AppVersion: " -r "$work/second" 2>/dev/null || fail "a second start logged no version"
    if grep -qF "==== Sender ====" -r "$work/second"; then
        fail "a second start ${*:+under $* }sent a report to its keyboard"
    fi
    [ "$(stat -c %i "$lock" 2>/dev/null)" = "$held" ] ||
        fail "a second start ${*:+under $* }removed or replaced the program's lock file"
}

# A start in a PID namespace of its own, as in a sandbox, sees neither the first run's process
# nor its lock in the kernel's table of locks; the lock itself still keeps it out. Where the
# system gives no user such a namespace, that start is left out.
pid_namespace=(unshare --user --map-root-user --pid --fork --mount-proc)
if ! "${pid_namespace[@]}" true 2>/dev/null; then
    echo "window manager check: no PID namespace here; the second start in one is left out"
    pid_namespace=()
fi

press() {
    # --sync waits for the window to be active, without a bound of its own.
    timeout 30 xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
    xdotool key "$1"
}

for screen in 1366x768 1920x1080; do
    start_display

    start_program
    # The start flow has ended: the keyboard is read and drawn, the menus are on.
    wait_for_log_line "checkKeyboardData: end"
    expect_second_start
    [ ${#pid_namespace[@]} -eq 0 ] || expect_second_start "${pid_namespace[@]}"
    frame=""
    # The window manager may place the window again after its first report.
    wait_for 30 frame_on_screen ||
        fail "the window's frame $frame lies off the screen (waited $waited)"
    press ctrl+w
    expect_end "Close from the menu"

    start_program absent
    wait_for_log_line "Show messge 9001."
    press Escape
    expect_end "Escape on message 9001"

    # Qt calls exit() when its X server goes.
    program_options=detect_leaks=0 start_program
    stop_display
    expect_end "the X server went" 1
    echo "window manager check, $screen: frame $frame on the screen;" \
        "the program ends when asked and when the X server goes"
done
