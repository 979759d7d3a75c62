// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

#include <cstdint>

namespace forms {

// Colours are stored as 0x00BBGGRR: red in the lowest byte.
using StoredColour = std::uint32_t;

inline QColor toQColor(StoredColour colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

// WCAG 2 contrast ratio of two opaque colours, 1 (none) to 21.
double contrastRatio(const QColor &a, const QColor &b);

// The given text colour, darkened just enough to reach the ratio against the
// background: disabled text stays grey, but still readable on a light
// background of the form's own choosing.
QColor readableOn(const QColor &text, const QColor &background, double ratio);

} // namespace forms
