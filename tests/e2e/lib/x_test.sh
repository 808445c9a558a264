# Sourced first by the end-to-end tests that drive Zerin's window with keys: skips the test
# where an X tool is missing, makes the test's folder $t (kept with KEEP=1), a program
# folder $t/prog and a home of its own, whose caches and settings of the libraries live
# outside it, so that the panes show only what the test puts there.
for tool in xvfb-run openbox xdotool xprop gio; do
    command -v $tool >/dev/null || { echo "skipped: no $tool"; exit 0; }
done
t=$(mktemp -d)
trap '[ -n "${KEEP:-}" ] || rm -rf "$t"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
export HOME="$t/home" XDG_CONFIG_HOME="$t/config" XDG_CACHE_HOME="$t/cache" XDG_DATA_HOME="$t/data"
mkdir -p "$HOME" "$t/prog"
x_session="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/x_session.sh"
