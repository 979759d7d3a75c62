# SPDX-FileCopyrightText: 2026 The arche developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package: `cpack -G DEB` in the build folder makes
# arche_<version>_<arch>.deb from the install rules, so the package holds
# exactly what `cmake --install` lays out, under /usr.
set(CPACK_PACKAGE_NAME arche)
set(CPACK_PACKAGE_VENDOR "arche.example.org")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# Debian reads a package's own description in English; the program itself
# and its desktop entry speak Bulgarian.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Greek philosophers and the four elements, in Bulgarian")
# One line of the description a line of the control file: Debian wants
# them no wider than 80 columns, and CPack passes them as they are.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "A small teaching program in Bulgarian that links philosophy and informatics."
    "It lists eight early Greek philosophers: Thales, Hippo, Anaximenes, Idaeus of"
    "Himera, Diogenes, Heraclitus, Hippasus and Oenopides of Chios. When a pupil"
    "selects one, it ticks the element or elements (earth, water, air, fire) that"
    "he took as the origin of everything and names them in one sentence."
    ""
    "The program is meant for pupils and their teachers in philosophy and"
    "informatics lessons. It has one window, reads and writes no files and needs"
    "no network.")
set(CPACK_PACKAGE_HOMEPAGE_URL ${PROJECT_HOMEPAGE_URL})
set(CPACK_PACKAGE_CONTACT "arche <arche@arche.example.org>")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links, with their versions, come from
# dpkg-shlibdeps. It cannot see what Qt loads at run time: a platform plugin
# to open a window at all, and Liberation Serif, which stands in for Times
# New Roman with the same metrics and so keeps every control's text in place.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")

include(CPack)
