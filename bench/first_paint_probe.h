// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace bench {

// Watches every event of the application for the first paint of a
// top-level window. Once that paint is done and control is back in the
// event loop, the window and all its controls have been drawn and handed to
// the platform: the probe then writes the moment, on the steady clock every
// process of the machine shares, as "first-paint-ns <n>" to standard output
// and ends the event loop with status 0.
class FirstPaintProbe : public QObject
{
public:
    explicit FirstPaintProbe(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_seen = false;
};

} // namespace bench
