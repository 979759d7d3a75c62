#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The arche developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What Windows and its users see of arche.exe before it runs: a GUI program
# that needs nothing beside it, hardened as Windows expects (ASLR with a
# high-entropy 64-bit address space, DEP), with a Bulgarian version resource
# and a manifest, small enough to carry around.
#   check_windows_executable.sh ARCHE.EXE VERSION(a.b.c.d) VERSION_TEXT MAX_BYTES
set -u
export LC_ALL=C.UTF-8
exe=$1 version=$2 version_text=$3 max_bytes=$4
failures=0
check() { # check NAME COMMAND...: one named check, reported either way
    local name=$1; shift
    if "$@"; then echo "PASS   : $name"; else echo "FAIL!  : $name"; failures=$((failures + 1)); fi
}
has() { grep -q -F -- "$2" <<<"$1"; }

headers=$(x86_64-w64-mingw32-objdump -p "$exe")
check "GUI subsystem" has "$headers" "(Windows GUI)"
for flag in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
    check "DllCharacteristics has $flag" has "$headers" "$flag"
done

# Only Windows' own libraries: no Qt, no compiler run time.
foreign=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | grep -i -E '^(qt|lib)' || true)
check "imports only Windows' own libraries${foreign:+ (not: $foreign)}" test -z "$foreign"

size=$(stat -c %s "$exe")
check "$size bytes, at most $max_bytes" test "$size" -le "$max_bytes"

# The version resource's strings, as UTF-16 words turned into lines.
resource() { wrestool --raw -x --type="$1" "$exe"; }
strings=$(resource 16 | iconv -f UTF-16LE -t UTF-8 | tr '\0' '\n' | grep -v '^$')
value() { grep -a -A1 -E "(^|[^A-Za-z])$1\$" <<<"$strings" | tail -n 1; }
check "version resource is Bulgarian (040204B0)" has "$strings" "040204B0"
check "ProductName" test "$(value ProductName)" = "Философия - начален елемент"
check "FileDescription" test "$(value FileDescription)" = "Философия - начален елемент"
check "FileVersion $version_text" test "$(value FileVersion)" = "$version_text"
check "ProductVersion $version_text" test "$(value ProductVersion)" = "$version_text"

# The fixed part: file and product version as four 16-bit numbers, after
# the signature FEEF04BD and the structure's own version, little-endian.
hex=$(resource 16 | od -An -tx1 -v | tr -d ' \n')
fixed=${hex#*bd04effe}
IFS=. read -r major minor patch tweak <<<"$version"
le32() { printf '%02x%02x%02x%02x' $(($2 & 255)) $(($2 >> 8)) $(($1 & 255)) $(($1 >> 8)); }
numbers=$(le32 "$major" "$minor")$(le32 "$patch" "$tweak")
check "FILEVERSION $version" test "${fixed:8:16}" = "$numbers"
check "PRODUCTVERSION $version" test "${fixed:24:16}" = "$numbers"

manifest=$(resource 24)
check "manifest: runs as the user who starts it" has "$manifest" 'level="asInvoker"'
check "manifest: Windows 10 and 11" has "$manifest" '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}'
check "manifest: per-monitor DPI awareness v2" has "$manifest" '>PerMonitorV2</dpiAwareness>'
check "manifest: UTF-8 active code page" has "$manifest" '>UTF-8</activeCodePage>'

echo "$failures failed"
[ "$failures" -eq 0 ]
