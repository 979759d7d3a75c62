# SPDX-FileCopyrightText: 2026 The arche developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Windows packages, each made in the build folder from the install
# rules, so that all three hold exactly the same files: arche.exe and the
# licences of everything linked into it.
#   cpack -G ZIP    arche-<version>-win64.zip, the portable folder
#   cpack -G NSIS   arche-<version>-win64.exe, the installer
#   cmake --build . --target msi
#                   arche-<version>-win64.msi, for Group Policy
# Both installers install per machine into the 64-bit Program Files, with a
# Start-menu shortcut and an Add/Remove Programs entry under the product's
# Bulgarian name.
set(ARCHE_PRODUCT_NAME "Философия - начален елемент")
set(ARCHE_PUBLISHER "arche.example.org")
# The Debian source package of the Qt that arche.exe links, named in the
# note on where the sources are.
set(ARCHE_QT_DEBIAN_VERSION "6.4.2+dfsg-10" CACHE STRING
    "Version of Debian's qt6-base source package that the static Qt was built from")

# Licences, in a folder of their own beside arche.exe. The Qt and
# third-party texts come from Debian's qt6-base source; the compilers'
# run-time libraries are described by the copyright files of the Debian
# packages that provide them.
set(ARCHE_LICENSE_DIR licenses)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt
    DESTINATION ${ARCHE_LICENSE_DIR} RENAME LICENSE.GPL-3.0.txt)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSES/CC0-1.0.txt
    DESTINATION ${ARCHE_LICENSE_DIR} RENAME LICENSE.CC0-1.0.txt)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/dist/windows/licenses/
    DESTINATION ${ARCHE_LICENSE_DIR} FILES_MATCHING PATTERN "LICENSE.*")
set(ARCHE_QT_VERSION ${Qt6_VERSION})
configure_file(${PROJECT_SOURCE_DIR}/dist/windows/licenses/README.txt.in
    ${PROJECT_BINARY_DIR}/licenses/README.txt @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/licenses/README.txt DESTINATION ${ARCHE_LICENSE_DIR})
if(MINGW)
    foreach(runtime IN ITEMS "gcc-runtime;gcc-mingw-w64-base" "mingw-w64;mingw-w64-x86-64-dev")
        list(GET runtime 0 name)
        list(GET runtime 1 package)
        set(copyright /usr/share/doc/${package}/copyright)
        if(NOT EXISTS ${copyright})
            message(FATAL_ERROR "${copyright} is missing: install Debian's ${package}")
        endif()
        install(FILES ${copyright} DESTINATION ${ARCHE_LICENSE_DIR} RENAME LICENSE.${name}.txt)
    endforeach()
endif()

set(CPACK_PACKAGE_NAME arche)
set(CPACK_PACKAGE_VENDOR ${ARCHE_PUBLISHER})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${ARCHE_PRODUCT_NAME}")
set(CPACK_PACKAGE_HOMEPAGE_URL ${PROJECT_HOMEPAGE_URL})
set(CPACK_PACKAGE_FILE_NAME arche-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY arche)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY arche)
# The zip unpacks into one folder named like the zip itself, as CPack's
# archives do by default.
set(CPACK_GENERATOR "ZIP;NSIS")

# The installer is our own script (dist/windows/NSIS.template.in, which
# CPack finds on the module path): a 64-bit installer, per machine only,
# in Bulgarian, with one shortcut and nothing else to choose.
list(PREPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/dist/windows)
set(CPACK_NSIS_PACKAGE_NAME "${ARCHE_PRODUCT_NAME}")
set(CPACK_NSIS_DISPLAY_NAME "${ARCHE_PRODUCT_NAME}")
set(CPACK_NSIS_INSTALLED_ICON_NAME arche.exe)
set(CPACK_NSIS_UNINSTALL_NAME uninstall)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/dist/icons/arche.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/dist/icons/arche.ico)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_NSIS_URL_INFO_ABOUT ${PROJECT_HOMEPAGE_URL})

include(CPack)

# The MSI package, made by wixl from the same install rules. Its
# UpgradeCode never changes: it is how a later version finds and replaces
# this one. What the making needs is kept in msi-settings.cmake, so that a
# test can make a package of another version the same way.
find_program(ARCHE_WIXL wixl)
find_program(ARCHE_MSIBUILD msibuild)
find_program(ARCHE_MSIINFO msiinfo)
find_program(ARCHE_PYTHON python3)
if(ARCHE_WIXL AND ARCHE_MSIBUILD AND ARCHE_MSIINFO AND ARCHE_PYTHON)
    set(ARCHE_MSI ${PROJECT_BINARY_DIR}/arche-${PROJECT_VERSION}-win64.msi)
    set(settings "")
    foreach(setting IN ITEMS
            "BUILD_DIR;${PROJECT_BINARY_DIR}"
            "STAGE_DIR;${PROJECT_BINARY_DIR}/msi"
            "WXS_TEMPLATE;${PROJECT_SOURCE_DIR}/dist/windows/arche.wxs.in"
            "MSI;${ARCHE_MSI}"
            "VERSION;${PROJECT_VERSION}"
            "UPGRADE_CODE;2D7ECC02-7AD4-41DD-B0F3-63996F9B60B4"
            "PRODUCT_NAME;${ARCHE_PRODUCT_NAME}"
            "PUBLISHER;${ARCHE_PUBLISHER}"
            "HOMEPAGE;${PROJECT_HOMEPAGE_URL}"
            "ICON;${PROJECT_SOURCE_DIR}/dist/icons/arche.ico"
            "WIXL;${ARCHE_WIXL}" "MSIBUILD;${ARCHE_MSIBUILD}" "MSIINFO;${ARCHE_MSIINFO}"
            "PYTHON;${ARCHE_PYTHON}")
        list(GET setting 0 name)
        list(GET setting 1 value)
        string(APPEND settings "if(NOT DEFINED ${name})\n    set(${name} \"${value}\")\nendif()\n")
    endforeach()
    file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/msi-settings.cmake CONTENT "${settings}")
    file(GLOB licenses CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/dist/windows/licenses/LICENSE.*)
    add_custom_command(OUTPUT ${ARCHE_MSI}
        COMMAND ${CMAKE_COMMAND} -D SETTINGS=${PROJECT_BINARY_DIR}/msi-settings.cmake
            -P ${PROJECT_SOURCE_DIR}/cmake/WindowsMsi.cmake
        DEPENDS arche ${licenses} ${PROJECT_BINARY_DIR}/licenses/README.txt
            ${PROJECT_BINARY_DIR}/msi-settings.cmake
            ${PROJECT_SOURCE_DIR}/dist/windows/arche.wxs.in
            ${PROJECT_SOURCE_DIR}/cmake/WindowsMsi.cmake
            ${PROJECT_SOURCE_DIR}/cmake/mszip_cabinet.py
        COMMENT "Making arche-${PROJECT_VERSION}-win64.msi"
        VERBATIM)
    add_custom_target(msi DEPENDS ${ARCHE_MSI})
endif()
