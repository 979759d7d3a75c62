#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The arche developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The MSI package, as Group Policy or IT staff deploy it: its tables carry
# the Bulgarian names whole; `msiexec /i ... /qn` installs per machine into
# the 64-bit Program Files with a Start-menu shortcut and an Add/Remove
# Programs entry; the installed program runs; `msiexec /x ... /qn` leaves
# no file, shortcut or registry key behind.
#   tst_msi.sh BUILD_DIR VERSION
source "$(dirname "${BASH_SOURCE[0]}")/package_test.sh" msi "$1" "$2"

msi=$build_dir/$package.msi
[ -f "$msi" ] || fail "no $msi"

# table NAME: one of the package's tables as text, without CRs.
table() {
    msiinfo export "$msi" "$1" | tr -d '\r\0'
}

# The database's code page is Windows' Cyrillic one, and the names read
# back whole from it.
grep -qx $'1251\t_ForceCodepage' <<<"$(table _ForceCodepage)" || fail "the database's code page is not 1251"
property() {
    table Property | sed -n "s/^$1\t//p"
}
[ "$(property ProductName)" = "$product" ] || fail "ProductName is \"$(property ProductName)\""
[ "$(property ProductVersion)" = "$version" ] || fail "ProductVersion is \"$(property ProductVersion)\""
[ "$(property Manufacturer)" = arche.example.org ] || fail "Manufacturer is \"$(property Manufacturer)\""
[ "$(property ALLUSERS)" = 1 ] || fail "not a per-machine package"
upgrade_code=$(property UpgradeCode)
[ "$upgrade_code" = "{2D7ECC02-7AD4-41DD-B0F3-63996F9B60B4}" ] || fail "the UpgradeCode changed to $upgrade_code"
# A later version finds this one by the UpgradeCode and removes it.
# VersionMaxInclusive (0x200) and MigrateFeatures (1): the package's own
# version is found too, since Windows Installer ignores a fourth field.
grep -qx "$upgrade_code"$'\t\t'"$version"$'\t\t513\t\tWIX_UPGRADE_DETECTED' <<<"$(table Upgrade)" ||
    fail "no Upgrade row that finds earlier versions: $(table Upgrade)"
grep -q $'^startmenu\tProgramMenuFolder\tarche|'"$product"$'\t[^\t]*\t\\[#arche.exe\\]\t' <<<"$(table Shortcut)" ||
    fail "the Start-menu shortcut's row is $(table Shortcut | tail -n 1)"
product_code=$(property ProductCode)
echo "msi: $product $version $product_code, code page 1251, upgrade code $upgrade_code"

program_dir=$(unix_path 'C:\Program Files\arche')
shortcut="$(unix_path 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs')/$product.lnk"
user_shortcut="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/$product.lnk"
key="HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$product_code"

wine_run "msiexec /i" msiexec /i "$(winepath -w "$msi")" /qn

installed=$(cd "$program_dir" && find . -type f | sort)
[ "$installed" = "$(installed_files)" ] || fail "Program Files\\arche holds $installed"
check_exe "$program_dir/arche.exe"
[ ! -e "$(unix_path 'C:\Program Files (x86)\arche')" ] || fail "installed into the 32-bit Program Files"
echo "msi: $(wc -l <<<"$installed") files in C:\\Program Files\\arche"

if [ ! -e "$shortcut" ] && [ -e "$user_shortcut" ]; then
    # Windows Installer puts a per-machine package's shortcuts in the Start
    # menu of all users; Wine's msi resolves ProgramMenuFolder to the
    # installing user's Start menu whatever ALLUSERS says (a FIXME in its
    # source). ALLUSERS=1 is checked in the package above.
    echo "msi: Wine met: ProgramMenuFolder is the user's Start menu even for ALLUSERS=1; the shortcut is checked there"
    check_shortcut "$user_shortcut" 'C:\Program Files\arche\arche.exe'
else
    check_shortcut "$shortcut" 'C:\Program Files\arche\arche.exe'
fi
entry=$(registry_export "$key")
check_uninstall_entry "$entry"
[ "$(registry_value "$entry" UninstallString)" = "MsiExec.exe /X$product_code" ] ||
    fail "UninstallString is $(registry_value "$entry" UninstallString)"
icon=$(registry_value "$entry" DisplayIcon)
if [ -z "$icon" ]; then
    # Windows Installer writes the package's icon (ARPPRODUCTICON) into
    # the entry as DisplayIcon; Wine's msi registers it only as the
    # product's ProductIcon under Installer\Products.
    echo "msi: Wine met: no DisplayIcon in the Add/Remove Programs entry; the product's ProductIcon is checked"
    icon=$(registry_value "$(registry_export 'HKEY_LOCAL_MACHINE\Software\Classes\Installer\Products')" ProductIcon)
fi
# The package's own copy of the program's icon.
[ -n "$icon" ] && [ -f "$(unix_path "$icon")" ] || fail "the product's icon \"$icon\" is no file"
cmp -s "$(unix_path "$icon")" "$source_dir/dist/icons/arche.ico" ||
    fail "the product's icon $icon is not arche.ico"
echo "msi: the product's icon is $icon"
[ -z "$(registry_export "HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$product_code")" ] ||
    fail "the entry is in the 32-bit registry view"

run_arche 'C:\Program Files\arche\arche.exe'

wine_run "msiexec /x" msiexec /x "$(winepath -w "$msi")" /qn
check_removed "$program_dir"
[ ! -e "$shortcut" ] && [ ! -e "$user_shortcut" ] || fail "the Start-menu shortcut is left behind"
[ -z "$(registry_export "$key")" ] || fail "the Add/Remove Programs entry is left behind"
registry_export 'HKEY_LOCAL_MACHINE\Software\Classes\Installer\Products' | grep -q '^"ProductName"=' &&
    fail "the product is still registered with Windows Installer"
[ ! -e "$(unix_path "$icon")" ] || fail "the product's icon $icon is left behind"
echo "msi: removed; no file, shortcut or key left"
