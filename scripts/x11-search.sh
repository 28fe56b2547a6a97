# shellcheck shell=bash
# Sourced by the scripts that wait for a window under X.
#
# Debian 12's xdotool dies of an X error (BadWindow) when a window goes away while a search
# looks at it, and prints nothing, so a search that runs while a program starts or ends may
# miss every window. Such a search is run again.

# find_windows ARGS...: as `xdotool search ARGS...`; prints the ids found, one per line, and
# fails if there are none.
find_windows()
{
    local errors found _
    errors=$(mktemp) || return 1
    for _ in $(seq 20); do
        found=$(xdotool search "$@" 2>"$errors")
        grep -q '^X Error' "$errors" || break
    done
    rm -f "$errors"
    [[ -n $found ]] && echo "$found"
}

# wait_for_window SECONDS ARGS...: waits up to SECONDS for a window that find_windows ARGS...
# finds; prints the first one's id, or fails.
wait_for_window()
{
    local deadline=$((SECONDS + $1)) found
    shift
    while true; do
        if found=$(find_windows "$@"); then
            echo "${found%%$'\n'*}"
            return 0
        fi
        ((SECONDS < deadline)) || return 1
        sleep 0.2
    done
}
