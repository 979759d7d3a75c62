# SPDX-FileCopyrightText: 2026 The arche developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by scripts/run and scripts/test: installs the Debian packages that
# are missing, then configures and builds into one build folder.
set -euo pipefail

ARCHE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ARCHE_BUILD=${ARCHE_BUILD:-$ARCHE_ROOT/build}

# What building and running the program needs; gzip compresses the manual
# pages and the changelog at build time.
ARCHE_RUN_PACKAGES=(g++ cmake ninja-build qt6-base-dev libxcb1-dev qt6-qpa-plugins
    qt6-translations-l10n fonts-liberation gzip)

# What the tests need besides: the validators of the installed desktop entry
# and metainfo; what CPack runs to make the Debian package and compute its
# dependencies, and lintian to check it; the REUSE linter of the source
# tree, and git, through which it leaves out the build folders; groff,
# mandoc and man to check the manual pages; a virtual X server for the one
# test of X11 hints.
ARCHE_TEST_PACKAGES=(desktop-file-utils appstream dpkg-dev file lintian reuse groff-base mandoc
    man-db git xvfb xauth)

# What the Windows program needs, cross-built here and tested under Wine on
# a virtual X display: mingw-w64, Debian's Qt host tools (moc, rcc) of the
# same version as the static Qt for Windows, the tools that make the
# installer and the MSI package, and those the package tests use to see and
# close the program's window and to read the registry.
ARCHE_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix qt6-base-dev-tools qt6-translations-l10n cmake
    icoutils ninja-build wine wine64 xvfb xauth fonts-liberation nsis wixl msitools zip unzip
    python3 xdotool xxd)

# Installs those of the given packages that are not installed yet; installs
# nothing, and asks nothing, when all are there.
arche_install_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "arche: installing ${missing[*]}" >&2
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        "${missing[@]}"
}

# arche_configure [cmake -D options...]: configures the build folder; cmake
# itself skips the work when nothing changed.
arche_configure() {
    if [ -f "$ARCHE_BUILD/CMakeCache.txt" ]; then
        cmake "$ARCHE_BUILD" "$@" >/dev/null
    else
        cmake -S "$ARCHE_ROOT" -B "$ARCHE_BUILD" -G Ninja "$@" >/dev/null
    fi
}
