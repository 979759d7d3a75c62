// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The frame an X11 window manager is asked for, read back from a real X
// server (CTest runs this under xvfb-run where it is installed).
#include "window/event_wiring.h"
#include "window/main_window_definition.h"

#include "forms/form.h"
#include "forms/motif_wm_hints.h"

#include <QGuiApplication>
#include <QtTest>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace {

// The window's _MOTIF_WM_HINTS as the window manager reads them; all zero
// when the property is missing.
forms::MotifWmHints readMotifWmHints(xcb_connection_t *connection, xcb_window_t window)
{
    static constexpr char kName[] = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, sizeof kName - 1, kName), nullptr);
    forms::MotifWmHints hints;
    if (!atom) {
        return hints;
    }
    xcb_get_property_reply_t *property = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, atom->atom, atom->atom, 0, 5), nullptr);
    if (property && property->format == 32 && xcb_get_property_value_length(property) == 20) {
        const auto *values = static_cast<const quint32 *>(xcb_get_property_value(property));
        hints = {values[0], values[1], values[2], values[3], values[4]};
    }
    std::free(property);
    std::free(atom);
    return hints;
}

} // namespace

class TestX11FrameHints : public QObject
{
    Q_OBJECT

private slots:
    void fixedFrameWithCloseBoxOnly();
};

void TestX11FrameHints::fixedFrameWithCloseBoxOnly()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != u"xcb"_qs || !x11 || !x11->connection()) {
        QSKIP(qPrintable(u"no X server to ask: the window runs on the %1 platform"_qs.arg(
            QGuiApplication::platformName())));
    }
    forms::Form form(window::kMainWindow);
    window::wireEvents(form);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    const forms::MotifWmHints hints = readMotifWmHints(x11->connection(), form.winId());
    using H = forms::MotifWmHints;
    QCOMPARE(hints.flags, quint32(H::HasFunctions | H::HasDecorations));
    // Moved and closed, never resized, minimised or maximised.
    QCOMPARE(hints.functions, quint32(H::Move | H::Close));
    QCOMPARE(hints.decorations, quint32(H::Border | H::Title | H::Menu));
}

QTEST_MAIN(TestX11FrameHints)
#include "tst_x11_frame_hints.moc"
