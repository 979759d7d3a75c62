#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The arche developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A later version replaces this one: an MSI of the next version (1.0.0.1
# after 1.0.0.0), made the way the build makes its own, installed over this
# one, finds it by the fixed
# UpgradeCode and removes it, so that one arche stays installed, the later.
# Windows Installer compares only a version's first three fields, so this
# is the case that needs the package's own version in its upgrade search.
#   tst_msi_upgrade.sh BUILD_DIR VERSION
source "$(dirname "${BASH_SOURCE[0]}")/package_test.sh" msi-upgrade "$1" "$2"

msi=$build_dir/$package.msi
[ -f "$msi" ] || fail "no $msi"
IFS=. read -r major minor patch tweak <<<"$version"
next=$major.$minor.$patch.$((tweak + 1))
later=$WINEPREFIX/later/arche-$next-win64.msi
cmake -D SETTINGS="$build_dir/msi-settings.cmake" -D VERSION="$next" -D MSI="$later" \
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

wine_run "msiexec /i $version" msiexec /i "$(winepath -w "$msi")" /qn
[ -n "$(registry_export "$(uninstall_key "$first")")" ] || fail "$version did not install"
wine_run "msiexec /i $next" msiexec /i "$(winepath -w "$later")" /qn
[ -z "$(registry_export "$(uninstall_key "$first")")" ] || fail "$version is still installed beside $next"
entry=$(registry_export "$(uninstall_key "$second")")
installed_version=$(registry_value "$entry" DisplayVersion)
[ "$installed_version" = "$next" ] || fail "the installed version is \"$installed_version\""
program_dir=$(unix_path 'C:\Program Files\arche')
installed=$(cd "$program_dir" && find . -type f | sort)
[ "$installed" = "$(installed_files)" ] || fail "after the upgrade Program Files\\arche holds $installed"
check_exe "$program_dir/arche.exe"
echo "msi-upgrade: $next $second replaced $version $first"

wine_run "msiexec /x" msiexec /x "$(winepath -w "$later")" /qn
check_removed "$program_dir"
[ -z "$(registry_export "$(uninstall_key "$second")")" ] || fail "$next is still registered"
echo "msi-upgrade: removed; no file or key left"
