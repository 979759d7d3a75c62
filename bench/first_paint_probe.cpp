// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "first_paint_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace bench {

FirstPaintProbe::FirstPaintProbe(QObject *parent) : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool FirstPaintProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget *>(watched)->isWindow()) {
        m_seen = true;
        // The window paints first, its controls after it in the same pass
        // over the backing store, which is flushed before the pass returns.
        QTimer::singleShot(0, [] {
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            std::printf("first-paint-ns %lld\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    }
    return false;
}

} // namespace bench
