#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The arche developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The installer, silently (/S) as IT staff run it: per machine into the
# 64-bit Program Files, a Start-menu shortcut for all users, an Add/Remove
# Programs entry; the installed program runs; the uninstaller, silently
# again, leaves no file, shortcut or registry key behind.
#   tst_nsis.sh BUILD_DIR VERSION
source "$(dirname "${BASH_SOURCE[0]}")/package_test.sh" nsis "$1" "$2"

installer=$build_dir/$package.exe
[ -f "$installer" ] || fail "no $installer"
program_dir=$(unix_path 'C:\Program Files\arche')
start_menu=$(unix_path 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs')
shortcut="$start_menu/$product.lnk"
key='HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall\arche'

# The installer speaks Bulgarian: started as a user starts it, it opens
# with the Bulgarian caption of NSIS's pages; it is then ended unused.
wine "$installer" >/dev/null 2>&1 &
pid=$!
wait_for_window "^Инсталиране на $product *\$" "$pid" >/dev/null ||
    fail "the installer showed no window titled \"Инсталиране на $product\""
wineserver -k
wait "$pid" || true
echo "nsis: the installer opens as \"Инсталиране на $product\""

wine_run "the installer" "$installer" /S

# The installed files are what the install rules lay out, and the
# uninstaller beside them.
installed=$(cd "$program_dir" && find . -type f | sort)
expected=$( (installed_files; echo ./uninstall.exe) | sort)
[ "$installed" = "$expected" ] || fail "Program Files\\arche holds $installed"
check_exe "$program_dir/arche.exe"
[ ! -e "$(unix_path 'C:\Program Files (x86)\arche')" ] || fail "installed into the 32-bit Program Files"
echo "nsis: $(wc -l <<<"$installed") files in C:\\Program Files\\arche"

check_shortcut "$shortcut" 'C:\Program Files\arche\arche.exe'
entry=$(registry_export "$key")
check_uninstall_entry "$entry"
[ "$(registry_value "$entry" DisplayIcon)" = 'C:\Program Files\arche\arche.exe,0' ] ||
    fail "DisplayIcon is $(registry_value "$entry" DisplayIcon)"
[ "$(registry_value "$entry" UninstallString)" = '"C:\Program Files\arche\uninstall.exe"' ] ||
    fail "UninstallString is $(registry_value "$entry" UninstallString)"
[ -z "$(registry_export 'HKEY_LOCAL_MACHINE\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall\arche')" ] ||
    fail "the entry is in the 32-bit registry view"

run_arche 'C:\Program Files\arche\arche.exe'

wine_run "the uninstaller" 'C:\Program Files\arche\uninstall.exe' /S
check_removed "$program_dir"
[ ! -e "$shortcut" ] || fail "the Start-menu shortcut is left behind"
[ -z "$(registry_export "$key")" ] || fail "the Add/Remove Programs entry is left behind"
echo "nsis: uninstalled; no file, shortcut or key left"
