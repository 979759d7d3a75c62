# SPDX-FileCopyrightText: 2026 The arche developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Makes the MSI package with wixl from what the install rules lay out, so
# that it holds the same files as the zip and the installer. Run by the
# build's `msi` target with the build's settings, any of which -D overrides:
#   cmake -D SETTINGS=<build>/msi-settings.cmake [-D VERSION=...] -P WindowsMsi.cmake
# Settings: BUILD_DIR, STAGE_DIR (where the install rules lay the files out),
# WXS_TEMPLATE, MSI, VERSION, UPGRADE_CODE, PRODUCT_NAME, PUBLISHER, HOMEPAGE,
# ICON, and the tools WIXL, MSIBUILD, MSIINFO and PYTHON.
cmake_minimum_required(VERSION 3.25)
include(${SETTINGS})

file(REMOVE_RECURSE ${STAGE_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE_DIR}
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)

# One component per file, each file its component's key path, so that
# Windows Installer tracks and removes every file on its own.
set(file_index 0)
function(arche_wxs_folder relative indent out)
    set(xml "")
    file(GLOB entries LIST_DIRECTORIES true RELATIVE ${STAGE_DIR}/${relative}
        ${STAGE_DIR}/${relative}/*)
    list(SORT entries)
    foreach(entry IN LISTS entries)
        set(path ${relative}/${entry})
        string(REGEX REPLACE "^/" "" path "${path}")
        if(IS_DIRECTORY ${STAGE_DIR}/${path})
            string(MAKE_C_IDENTIFIER "folder.${path}" folder_id)
            arche_wxs_folder(${path} "${indent}  " inner)
            string(APPEND xml "${indent}<Directory Id=\"${folder_id}\" Name=\"${entry}\">\n"
                "${inner}${indent}</Directory>\n")
        else()
            math(EXPR file_index "${file_index} + 1")
            set(file_index ${file_index} PARENT_SCOPE)
            if(path STREQUAL "arche.exe")
                set(id arche.exe)
                # The shortcut's name is set below, after wixl.
                set(shortcut "\n${indent}    <Shortcut Id=\"startmenu\" Directory=\"ProgramMenuFolder\" Name=\"${PRODUCT_NAME}\" WorkingDirectory=\"INSTALLDIR\" Advertise=\"no\"/>\n${indent}  ")
            else()
                set(id file${file_index})
                set(shortcut "")
            endif()
            string(APPEND xml "${indent}<Component Id=\"c.${id}\" Guid=\"*\" Win64=\"yes\">\n"
                "${indent}  <File Id=\"${id}\" Name=\"${entry}\" Source=\"${path}\" KeyPath=\"yes\">${shortcut}</File>\n"
                "${indent}</Component>\n")
            list(APPEND components c.${id})
            set_property(GLOBAL PROPERTY arche_msi_file_${id} ${path})
        endif()
    endforeach()
    set(components ${components} PARENT_SCOPE)
    set(${out} "${xml}" PARENT_SCOPE)
endfunction()

set(components "")
arche_wxs_folder("" "          " ARCHE_WXS_FILES)
set(ARCHE_WXS_COMPONENT_REFS "")
foreach(component IN LISTS components)
    string(APPEND ARCHE_WXS_COMPONENT_REFS "      <ComponentRef Id=\"${component}\"/>\n")
endforeach()

# wixl looks its sources up by relative names: the files in the folder it
# runs in, the icon beside the .wxs file.
get_filename_component(msi_dir ${MSI} DIRECTORY)
get_filename_component(msi_name ${MSI} NAME_WLE)
set(work ${msi_dir}/${msi_name}-work)
file(REMOVE_RECURSE ${work})
file(COPY ${ICON} DESTINATION ${work})
get_filename_component(ICON_NAME ${ICON} NAME)
set(wxs ${work}/${msi_name}.wxs)
configure_file(${WXS_TEMPLATE} ${wxs} @ONLY)
file(REMOVE ${MSI})
execute_process(COMMAND ${WIXL} --arch x64 --output ${MSI} ${wxs}
    WORKING_DIRECTORY ${STAGE_DIR}
    RESULT_VARIABLE wixl_status ERROR_VARIABLE wixl_messages)
if(NOT wixl_status EQUAL 0)
    message(FATAL_ERROR "wixl failed on ${wxs}:\n${wixl_messages}")
endif()

# wixl 0.101 stores text in the database's code page but leaves that code
# page unset, and then writes every Cyrillic string as an empty one: the
# product had no name in Add/Remove Programs and its shortcut was never
# made. The database gets Windows' Cyrillic code page, and the two
# Bulgarian names are written again into it. "arche" is the shortcut's
# short name, for file systems without long names. wixl also makes every
# shortcut an advertised one, whatever Advertise says; pointed at the
# installed program it is a plain shortcut that shows the program's icon.
file(WRITE ${work}/_ForceCodepage.idt "\r\n\r\n1251\t_ForceCodepage\r\n")
execute_process(COMMAND ${MSIBUILD} ${MSI} -i ${work}/_ForceCodepage.idt COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${MSIBUILD} ${MSI}
    -q "UPDATE `Property` SET `Value` = '${PRODUCT_NAME}' WHERE `Property` = 'ProductName'"
    -q "UPDATE `Shortcut` SET `Name` = 'arche|${PRODUCT_NAME}', `Target` = '[#arche.exe]' WHERE `Shortcut` = 'startmenu'"
    COMMAND_ERROR_IS_FATAL ANY)

# Windows Installer compares only the first three fields of a version, and
# every build has a product code of its own: the upgrade search must take in
# its own version too (VersionMaxInclusive, 0x200, beside MigrateFeatures),
# or 1.0.0.1, or a rebuilt 1.0.0.0, would install beside 1.0.0.0 instead of
# replacing it. wixl ignores MajorUpgrade's AllowSameVersionUpgrades.
# Attributes is part of the table's key, so the row is made anew.
execute_process(COMMAND ${MSIBUILD} ${MSI}
    -q "DELETE FROM `Upgrade` WHERE `ActionProperty` = 'WIX_UPGRADE_DETECTED'"
    -q "INSERT INTO `Upgrade` (`UpgradeCode`, `VersionMax`, `Attributes`, `ActionProperty`) VALUES ('{${UPGRADE_CODE}}', '${VERSION}', 513, 'WIX_UPGRADE_DETECTED')"
    COMMAND_ERROR_IS_FATAL ANY)

# wixl's cabinet left the package a quarter of a megabyte larger than a zip
# of the same files, and above 6 MiB; packed again with MSZIP's history
# across blocks and deflate's best level, it is as small as the zip. The
# files go in the order of their sequence numbers, as the File table says.
execute_process(COMMAND ${MSIINFO} export ${MSI} File OUTPUT_VARIABLE file_table
    COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\r" "" file_table "${file_table}")
string(REPLACE "\n" ";" file_rows "${file_table}")
list(REMOVE_AT file_rows 0 1 2)
set(by_sequence "")
foreach(row IN LISTS file_rows)
    if(row STREQUAL "")
        continue()
    endif()
    string(REPLACE "\t" ";" fields "${row}")
    list(GET fields 0 key)
    list(GET fields 7 sequence)
    string(LENGTH "${sequence}" digits)
    math(EXPR padding "8 - ${digits}")
    string(REPEAT "0" ${padding} pad)
    get_property(path GLOBAL PROPERTY arche_msi_file_${key})
    list(APPEND by_sequence "${pad}${sequence}=${key}=${STAGE_DIR}/${path}")
endforeach()
list(SORT by_sequence)
set(cabinet_entries "")
foreach(entry IN LISTS by_sequence)
    string(REGEX REPLACE "^[0-9]+=" "" entry "${entry}")
    list(APPEND cabinet_entries "${entry}")
endforeach()
execute_process(COMMAND ${PYTHON} ${CMAKE_CURRENT_LIST_DIR}/mszip_cabinet.py
        ${work}/arche.cab ${cabinet_entries}
    COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${MSIBUILD} ${MSI} -a arche.cab ${work}/arche.cab COMMAND_ERROR_IS_FATAL ANY)

# The names must read back whole; an empty name would make an MSI that
# installs without a shortcut.
execute_process(COMMAND ${MSIINFO} export ${MSI} Property OUTPUT_VARIABLE properties
    COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${MSIINFO} export ${MSI} Shortcut OUTPUT_VARIABLE shortcuts
    COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCH "\nProductName\t${PRODUCT_NAME}\r?\n" product_found "${properties}")
string(FIND "${shortcuts}" "\tarche|${PRODUCT_NAME}\t" shortcut_found)
if(NOT product_found OR shortcut_found EQUAL -1)
    file(REMOVE ${MSI})
    message(FATAL_ERROR "${MSI}: the product or shortcut name did not survive:\n${properties}\n${shortcuts}")
endif()
file(REMOVE_RECURSE ${work})
