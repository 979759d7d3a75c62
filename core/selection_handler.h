// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "selection_view.h"

#include <cstdint>
#include <string_view>

namespace core {

// The two elements of the List1 control array: the names the pupil sees and,
// row for row, the element codes, which are never shown.
inline constexpr std::int16_t kNameList = 0;
inline constexpr std::int16_t kCodeList = 1;

inline constexpr std::u16string_view kSentenceStart = u"Философът ";
inline constexpr std::u16string_view kSentenceEnd = u" приема за начален елемент: ";
inline constexpr std::u16string_view kElementSeparator = u" ";

// Click of List1(index): ticks the elements of the selected philosopher and
// writes the sentence naming him and them. Keeps nothing between calls.
void handleList1Click(SelectionView &view, std::int16_t index);

} // namespace core
