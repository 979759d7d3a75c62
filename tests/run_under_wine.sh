#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The arche developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# How CTest runs a cross-built Qt Test executable: under Wine, in the build
# folder's own Wine prefix, on the X display the caller provides.
#   run_under_wine.sh WINEPREFIX TEST.exe [ARGS...]
# Wine does not pass a console program's output on through a pipe, which is
# how CTest reads it, so the test writes its log to a file and this prints it.
set -u
export WINEPREFIX=$1 WINEDEBUG=${WINEDEBUG:--all}
shift
[ -n "${DISPLAY:-}" ] || { echo "run_under_wine: no X display; scripts/windows provides one" >&2; exit 2; }
[ -f "$WINEPREFIX/system.reg" ] || { echo "run_under_wine: no Wine prefix in $WINEPREFIX; scripts/windows makes it" >&2; exit 2; }
log=$(mktemp --suffix=.txt)
trap 'rm -f "$log"' EXIT
wine "$@" -o "$log,txt" 2>/dev/null
status=$?
cat "$log"
exit "$status"
