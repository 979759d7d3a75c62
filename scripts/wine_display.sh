# SPDX-FileCopyrightText: 2026 The arche developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Shared by scripts/windows and the Windows package tests: Wine, quiet and
# without its offers to install Mono and Gecko, on a virtual X display of
# its own, on a display number that is free.
#   source wine_display.sh; arche_start_wine_display
# sets DISPLAY and arche_xvfb_pid; the caller ends the server.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

arche_start_wine_display() {
    local display_file
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
    arche_xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
    if [ ! -s "$display_file" ]; then
        rm -f "$display_file"
        echo "arche: Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=:$(cat "$display_file")
    rm -f "$display_file"
}
