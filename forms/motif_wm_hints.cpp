// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "motif_wm_hints.h"

#include <QGuiApplication>
#include <QWidget>

#if defined(ARCHE_HAVE_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#endif

namespace forms {

MotifWmHints motifWmHints(Qt::WindowFlags flags)
{
    using H = MotifWmHints;
    MotifWmHints hints;
    hints.flags = H::HasFunctions | H::HasDecorations;
    hints.functions = H::Move;
    hints.decorations = H::Border;
    if (!(flags & Qt::MSWindowsFixedSizeDialogHint)) {
        hints.functions |= H::Resize;
        hints.decorations |= H::ResizeHandles;
    }
    if (flags & Qt::WindowTitleHint) {
        hints.decorations |= H::Title;
    }
    if (flags & Qt::WindowSystemMenuHint) {
        hints.decorations |= H::Menu;
    }
    if (flags & Qt::WindowMinimizeButtonHint) {
        hints.functions |= H::Minimize;
        hints.decorations |= H::MinimizeButton;
    }
    if (flags & Qt::WindowMaximizeButtonHint) {
        hints.functions |= H::Maximize;
        hints.decorations |= H::MaximizeButton;
    }
    // Motif has no close button of its own: window managers show one for
    // the close function.
    if (flags & Qt::WindowCloseButtonHint) {
        hints.functions |= H::Close;
    }
    return hints;
}

void applyMotifWmHints([[maybe_unused]] QWidget &window)
{
#if defined(ARCHE_HAVE_XCB) && QT_CONFIG(xcb)
    // The offscreen platform offers an X11 interface too, without a server.
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != u"xcb"_qs || !x11 || !x11->connection() ||
        !window.internalWinId()) {
        return;
    }
    xcb_connection_t *connection = x11->connection();
    static constexpr char kName[] = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, sizeof kName - 1, kName), nullptr);
    if (!atom) {
        return;
    }
    const MotifWmHints hints = motifWmHints(window.windowFlags());
    const std::array<quint32, 5> data = {hints.flags, hints.functions, hints.decorations,
                                         hints.inputMode, hints.status};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window.internalWinId()),
                        atom->atom, atom->atom, 32, data.size(), data.data());
    xcb_flush(connection);
    std::free(atom);
#endif
}

} // namespace forms
