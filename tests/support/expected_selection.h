// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/element_code.h"
#include "core/element_table.h"
#include "core/philosopher_table.h"
#include "core/selection_handler.h"
#include "forms/qt_text.h"
#include "window/exercise_text.h"

#include <array>
#include <cstdint>

// What the window must show while row `row` is selected, worked out from
// the fixed tables alone: the text and, per element, whether its box is
// ticked. With no row selected (-1), the exercise and no box.
struct ExpectedSelection
{
    QString text;
    std::array<std::int16_t, core::kElementCount> boxes{};
};

inline ExpectedSelection expectedSelection(int row)
{
    using forms::toQString;
    ExpectedSelection expected;
    if (row < 0) {
        expected.text = toQString(window::kExerciseText);
        return expected;
    }
    const core::PhilosopherEntry &entry = core::kPhilosophers[std::size_t(row)];
    expected.text = toQString(core::kSentenceStart) + toQString(entry.name) +
                    toQString(core::kSentenceEnd) + toQString(core::kLineBreak);
    for (const char16_t ch : entry.code) {
        if (const auto element = core::elementNamedBy(ch)) {
            expected.boxes[std::size_t(*element)] = 1;
            expected.text += toQString(core::kElementCaptions[std::size_t(*element)]) +
                             toQString(core::kElementSeparator);
        }
    }
    return expected;
}
