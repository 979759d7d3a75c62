#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The arche developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The portable zip: one folder with arche.exe and the licence texts, nothing
# more; the program runs from where it was unpacked and shows its window.
#   tst_zip.sh BUILD_DIR VERSION
source "$(dirname "${BASH_SOURCE[0]}")/package_test.sh" zip "$1" "$2"

zip=$build_dir/$package.zip
[ -f "$zip" ] || fail "no $zip"
portable=$(unix_path 'C:\portable')
mkdir "$portable"
unzip -q "$zip" -d "$portable"
[ "$(ls -A "$portable")" = "$package" ] || fail "the zip does not unpack into one folder: $(ls -A "$portable")"
folder=$portable/$package

# Exactly what the install rules lay out: the program, and the licences
# that the note in licenses/README.txt lists, every one of them.
unpacked=$(cd "$folder" && find . -type f | sort)
[ "$unpacked" = "$(installed_files)" ] || fail "the zip holds $unpacked"
check_exe "$folder/arche.exe"
named=$(grep -o 'LICENSE\.[A-Za-z0-9.-]*\.txt' "$folder/licenses/README.txt" | sort -u)
present=$(cd "$folder/licenses" && ls LICENSE.* | sort)
[ "$named" = "$present" ] || fail "the licence note names $named, but the folder holds $present"
echo "zip: arche.exe and $(ls "$folder/licenses" | wc -l) licence files in $package/"

# Windows' address-space layout randomisation, 64-bit wide, and data
# execution prevention.
flags=$(x86_64-w64-mingw32-objdump -p "$folder/arche.exe" | sed -n '/^DllCharacteristics/,/^SizeOfStackReserve/p')
for flag in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
    grep -qw "$flag" <<<"$flags" || fail "arche.exe lacks $flag"
done

run_arche "C:\\portable\\$package\\arche.exe"
