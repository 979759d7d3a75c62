// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace core {

// One of the four classical elements, 0 earth, 1 water, 2 air, 3 fire. The
// same number is the index of the element's check box in the Check1 array,
// so it is a 16-bit signed control-array index.
using ElementIndex = std::int16_t;

inline constexpr ElementIndex kElementCount = 4;

constexpr bool isElementIndex(int value)
{
    return value >= 0 && value < kElementCount;
}

} // namespace core
