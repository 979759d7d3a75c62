# SPDX-FileCopyrightText: 2026 The arche developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Shared by the package tests, which CTest runs in the Windows build: each
# test tries its package as a new user would, in a fresh Wine prefix of its
# own, which it removes when it passes, and on a virtual X display of its
# own, so that closing the program with Alt+F4 can never reach a window of
# a test running beside it.
#   source package_test.sh NAME BUILD_DIR VERSION
set -euo pipefail
# The product's name is Bulgarian: Wine's file names, the window titles
# xdotool matches and the registry's texts need a UTF-8 locale, whatever
# the caller's.
export LC_ALL=C.UTF-8

test_name=$1
build_dir=$(cd "$2" && pwd)
# The version the packages are of, and the name they share.
readonly version=$3
readonly package=arche-$version-win64
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$source_dir/scripts/wine_display.sh"
export WINEPREFIX=$build_dir/wine-$test_name

readonly title="arche.example.org  Философия - начален елемент"
readonly product="Философия - начален елемент"

fail() {
    echo "$test_name: FAIL: $*" >&2
    exit 1
}

cleanup() {
    local status=$?
    wineserver -k 2>/dev/null || true
    [ -z "${arche_xvfb_pid:-}" ] || kill "$arche_xvfb_pid" 2>/dev/null || true
    if [ "$status" -eq 0 ]; then
        rm -rf "$WINEPREFIX"
    else
        echo "$test_name: the Wine prefix is kept in $WINEPREFIX" >&2
    fi
}
trap cleanup EXIT

arche_start_wine_display || fail "Xvfb did not start"

rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
wineserver -w

# unix_path 'C:\...': where a Windows path of the prefix is on this machine.
unix_path() {
    winepath -u "$1" 2>/dev/null
}

# installed_files: what the install rules lay out, one relative path a line,
# sorted; every package holds exactly these.
installed_files() {
    local stage
    stage=$(mktemp -d)
    cmake --install "$build_dir" --prefix "$stage" >/dev/null
    (cd "$stage" && find . -type f | sort)
    rm -rf "$stage"
}

# check_exe FILE: FILE is the arche.exe that was built, byte for byte.
check_exe() {
    cmp -s "$1" "$build_dir/arche.exe" || fail "$1 is not the arche.exe that was built"
}

# wait_for_window PATTERN PID: prints the id of the first visible window
# whose title matches PATTERN, waiting up to 30 s while process PID runs.
wait_for_window() {
    local window
    for _ in $(seq 120); do
        window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
        [ -n "$window" ] && { echo "$window"; return 0; }
        kill -0 "$2" 2>/dev/null || return 1
        sleep 0.25
    done
    return 1
}

# wine_run WHAT COMMAND...: runs a Windows command line under Wine, waits
# until it and all it started have ended (an uninstaller copies itself away
# and returns at once), and fails unless it ended with status 0.
wine_run() {
    local what=$1 status=0
    shift
    wine "$@" || status=$?
    wineserver -w
    [ "$status" -eq 0 ] || fail "$what ended with status $status"
}

# check_removed DIR: the program's folder is gone, with all in it.
check_removed() {
    [ ! -e "$1" ] || fail "left behind: $(cd "$1" && find . | sort)"
}

# run_arche 'C:\...\arche.exe': starts the program, waits for its window by
# its exact title, closes it with Alt+F4 as a user would, and checks that the
# program then ended by itself with exit status 0.
run_arche() {
    local exe=$1 window pid status
    wine "$exe" >/dev/null 2>&1 &
    pid=$!
    window=$(wait_for_window "^$title\$" "$pid") || fail "$exe showed no window titled \"$title\""
    xdotool windowfocus --sync "$window" key --clearmodifiers alt+F4
    for _ in $(seq 60); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.25
    done
    kill -0 "$pid" 2>/dev/null && fail "$exe still runs after Alt+F4"
    status=0
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || fail "$exe ended with status $status after Alt+F4"
    echo "$test_name: $exe showed its window and ended with status 0"
}

# registry_export KEY: the key with its values and subkeys, as regedit
# exports it (UTF-16, which reg.exe's console output would not keep),
# converted to UTF-8; empty when there is no such key. The 64-bit view:
# Wine's 64-bit regedit reads it.
registry_export() {
    local file
    file=$(mktemp --suffix=.reg)
    rm -f "$file"
    wine regedit /E "$(winepath -w "$file")" "$1" >/dev/null 2>&1 || true
    if [ -s "$file" ]; then
        iconv -f UTF-16 -t UTF-8 "$file" | tr -d '\r'
    fi
    rm -f "$file"
}

# registry_value EXPORT NAME: the string value NAME in a registry_export,
# plain (REG_SZ) or expandable (REG_EXPAND_SZ, which regedit writes as
# UTF-16 bytes in hex over several lines).
registry_value() {
    local joined hex
    joined=$(printf '%s\n' "$1" | sed -e ':a' -e '/\\$/N; s/\\\n *//; ta')
    hex=$(printf '%s\n' "$joined" | sed -n "s/^\"$2\"=hex(2):\(.*\)\$/\1/p")
    if [ -n "$hex" ]; then
        printf '%s' "$hex" | tr -d ',' | xxd -r -p | iconv -f UTF-16LE -t UTF-8 | tr -d '\0'
    else
        printf '%s\n' "$joined" | sed -n "s/^\"$2\"=\"\\(.*\\)\"\$/\\1/p" | sed 's/\\\(["\\]\)/\1/g'
    fi
}

# check_uninstall_entry EXPORT: the Add/Remove Programs entry names the
# program in Bulgarian, its version and publisher, and how to remove it.
check_uninstall_entry() {
    local entry=$1 value
    [ -n "$entry" ] || fail "no Add/Remove Programs entry"
    value=$(registry_value "$entry" DisplayName)
    [ "$value" = "$product" ] || fail "DisplayName is \"$value\", not \"$product\""
    value=$(registry_value "$entry" DisplayVersion)
    [ "$value" = "$version" ] || fail "DisplayVersion is \"$value\", not $version"
    value=$(registry_value "$entry" Publisher)
    [ "$value" = "arche.example.org" ] || fail "Publisher is \"$value\""
    value=$(registry_value "$entry" UninstallString)
    [ -n "$value" ] || fail "no UninstallString"
    echo "$test_name: Add/Remove Programs: $product $version, arche.example.org, removed by $value"
}

# check_shortcut LNK TARGET: the Start-menu shortcut exists and points at
# the installed program, which is also where its icon comes from.
check_shortcut() {
    local lnk=$1 target=$2
    [ -f "$lnk" ] || fail "no Start-menu shortcut $lnk"
    # A .lnk file holds its target's path, in ANSI and in UTF-16 parts; for
    # a path in ASCII, dropping the zero bytes leaves it readable in both.
    tr -d '\0' <"$lnk" | grep -qaiF "$target" || fail "the shortcut $lnk does not point at $target"
    echo "$test_name: Start-menu shortcut $(basename "$lnk") -> $target"
}
