# SPDX-FileCopyrightText: 2026 The arche developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Windows program: one self-contained executable. Qt is linked
# statically, and so are the compiler's own run-time libraries, so that
# arche.exe runs from a USB stick or a read-only share with nothing beside
# it. Symbols are of no use to a Windows user and would double the size.
if(MINGW)
    add_link_options(-static -s -Wl,--gc-sections)
    add_compile_options(-ffunction-sections -fdata-sections)
endif()
