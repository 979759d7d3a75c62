#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The arche developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A later version replaces this one: an MSI of version 1.0.0.1, made the way
# the build makes its own, installed over 1.0.0.0, finds it by the fixed
# UpgradeCode and removes it, so that one arche stays installed, the later.
# Windows Installer compares only a version's first three fields, so this
# is the case that needs the package's own version in its upgrade search.
#   tst_msi_upgrade.sh BUILD_DIR
source "$(dirname "${BASH_SOURCE[0]}")/package_test.sh" msi-upgrade "$1"

msi=$build_dir/arche-1.0.0.0-win64.msi
[ -f "$msi" ] || fail "no $msi"
later=$WINEPREFIX/later/arche-1.0.0.1-win64.msi
cmake -D SETTINGS="$build_dir/msi-settings.cmake" -D VERSION=1.0.0.1 -D MSI="$later" \
    -D STAGE_DIR="$WINEPREFIX/later/stage" -P "$source_dir/cmake/WindowsMsi.cmake" >/dev/null ||
    fail "could not make $later"

product_code() {
    msiinfo export "$1" Property | tr -d '\r' | sed -n 's/^ProductCode\t//p'
}
uninstall_key() {
    echo "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$1"
}
first=$(product_code "$msi")
second=$(product_code "$later")
[ -n "$first" ] && [ -n "$second" ] && [ "$first" != "$second" ] ||
    fail "the two versions' product codes are $first and $second"

wine_run "msiexec /i 1.0.0.0" msiexec /i "$(winepath -w "$msi")" /qn
[ -n "$(registry_export "$(uninstall_key "$first")")" ] || fail "1.0.0.0 did not install"
wine_run "msiexec /i 1.0.0.1" msiexec /i "$(winepath -w "$later")" /qn
[ -z "$(registry_export "$(uninstall_key "$first")")" ] || fail "1.0.0.0 is still installed beside 1.0.0.1"
entry=$(registry_export "$(uninstall_key "$second")")
version=$(registry_value "$entry" DisplayVersion)
[ "$version" = 1.0.0.1 ] || fail "the installed version is \"$version\""
program_dir=$(unix_path 'C:\Program Files\arche')
installed=$(cd "$program_dir" && find . -type f | sort)
[ "$installed" = "$(installed_files)" ] || fail "after the upgrade Program Files\\arche holds $installed"
check_exe "$program_dir/arche.exe"
echo "msi-upgrade: 1.0.0.1 $second replaced 1.0.0.0 $first"

wine_run "msiexec /x" msiexec /x "$(winepath -w "$later")" /qn
check_removed "$program_dir"
[ -z "$(registry_export "$(uninstall_key "$second")")" ] || fail "1.0.0.1 is still registered"
echo "msi-upgrade: removed; no file or key left"
