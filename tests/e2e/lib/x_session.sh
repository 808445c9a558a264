# Sourced inside xvfb-run by the end-to-end tests that drive Zerin's window with keys.
# Needs $zerin (the binary) and $t (the test's folder: program folder $t/prog, log $t/log).

source "$(dirname "${BASH_SOURCE[0]}")/window_manager.sh"

window() { xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -1; }

# Starts Zerin, waits for its window, gives it the keys named in "$@" ("type:TEXT" types
# TEXT), closes it with the window manager's close and answers Yes to the save question.
session() {
    "$zerin" --home "$t/prog" >>"$t/log" 2>&1 &
    local pid=$! main
    main=$(timeout 20 bash -c "$(declare -f window); window '^Zerin$'") || { echo "no window" >>"$t/log"; kill $pid; return; }
    [ -e "$t/as-written" ] || cp "$t/prog/Zerin.ini" "$t/as-written"
    sleep 1.5
    for step in "$@"; do
        case $step in
            type:*) sleep 0.8; xdotool type --delay 20 "${step#type:}" ;;
            *) sleep 0.8; xdotool key "$step" ;;
        esac
    done
    sleep 1
    xdotool windowactivate --sync "$main" 2>/dev/null || true
    xdotool key alt+F4   # the window manager's close: asks, Yes is the default
    sleep 1
    xdotool key Return
    for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
    kill $pid 2>/dev/null && echo "still running after Yes" >>"$t/log"
    wait $pid 2>/dev/null || true
}
