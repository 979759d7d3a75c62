// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <qnamespace.h>

class QWidget;

namespace forms {

// The _MOTIF_WM_HINTS an X11 window manager reads to decide which frame,
// buttons and functions a window gets. Qt's own always offer resizing,
// which some window managers then allow whatever the size hints say.
struct MotifWmHints
{
    enum : quint32
    {
        // flags
        HasFunctions = 1u << 0,
        HasDecorations = 1u << 1,
        // functions
        Resize = 1u << 1,
        Move = 1u << 2,
        Minimize = 1u << 3,
        Maximize = 1u << 4,
        Close = 1u << 5,
        // decorations
        Border = 1u << 1,
        ResizeHandles = 1u << 2,
        Title = 1u << 3,
        Menu = 1u << 4,
        MinimizeButton = 1u << 5,
        MaximizeButton = 1u << 6,
    };

    quint32 flags = 0;
    quint32 functions = 0;
    quint32 decorations = 0;
    quint32 inputMode = 0;
    quint32 status = 0;

    bool operator==(const MotifWmHints &) const = default;
};

// The hints for a top-level window with these flags: a title bar with the
// buttons and system menu they ask for, and resizing only without
// Qt::MSWindowsFixedSizeDialogHint.
MotifWmHints motifWmHints(Qt::WindowFlags flags);

// Gives the window its hints on X11, once it has a native window and before
// it is mapped; elsewhere the window flags are all the platform needs.
void applyMotifWmHints(QWidget &window);

} // namespace forms
