# Sourced inside xvfb-run by the end-to-end tests that need a window manager.
# start_window_manager starts openbox (its pid in $wm) and returns once it manages windows:
# a first window opened before that is framed later, which changes its size under the
# test's feet, and on a loaded machine a fixed second is not always enough.
start_window_manager() {
    openbox >/dev/null 2>&1 &
    wm=$!
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
    sleep 0.3
}
