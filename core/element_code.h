// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "element_index.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace core {

// An element code is four characters read left to right; the digit d in
// 1..4 names the element d - 1, and 0 names nothing.
inline constexpr std::size_t kElementCodeLength = 4;

// The element a code character names, if any. Anything that is not a digit
// 1..4 - a 0, a digit above 4, a letter, a missing position - names nothing,
// so a damaged code can never reach a check box that does not exist.
constexpr std::optional<ElementIndex> elementNamedBy(char16_t ch)
{
    if (ch < u'1' || ch > u'0' + kElementCount) {
        return std::nullopt;
    }
    return static_cast<ElementIndex>(ch - u'1');
}

// What the fixed tables promise: exactly four characters "0".."4", and no
// element named twice.
constexpr bool isWellFormedCode(std::u16string_view code)
{
    if (code.size() != kElementCodeLength) {
        return false;
    }
    bool named[kElementCount] = {};
    for (const char16_t ch : code) {
        if (ch == u'0') {
            continue;
        }
        const auto element = elementNamedBy(ch);
        if (!element || named[*element]) {
            return false;
        }
        named[*element] = true;
    }
    return true;
}

} // namespace core
