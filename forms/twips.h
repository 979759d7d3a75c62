// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

namespace forms {

// Places and sizes are stored in twips, 1/1440 inch. At 96 dots per inch
// fifteen make one pixel; Qt's own high-DPI scaling takes logical pixels on
// from there, so this is the only conversion the run time does.
using Twips = int;

inline constexpr Twips kTwipsPerPixel = 15;

constexpr int toPixels(Twips twips)
{
    return twips / kTwipsPerPixel;
}

constexpr bool isWholePixels(Twips twips)
{
    return twips % kTwipsPerPixel == 0;
}

inline QRect toPixelRect(Twips left, Twips top, Twips width, Twips height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

} // namespace forms
