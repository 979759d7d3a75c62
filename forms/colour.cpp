// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colour.h"

#include <algorithm>
#include <cmath>

namespace forms {

namespace {

double channelLuminance(int value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const QColor &colour)
{
    return 0.2126 * channelLuminance(colour.red()) + 0.7152 * channelLuminance(colour.green()) +
           0.0722 * channelLuminance(colour.blue());
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double first = relativeLuminance(a);
    const double second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor readableOn(const QColor &text, const QColor &background, double ratio)
{
    QColor result = text;
    // Ten per cent darker a step: at most a few dozen steps down to black.
    while (contrastRatio(result, background) < ratio && result != QColor(Qt::black)) {
        result = QColor(result.red() * 9 / 10, result.green() * 9 / 10, result.blue() * 9 / 10);
    }
    return result;
}

} // namespace forms
