// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "element_index.h"

#include <array>
#include <string_view>

namespace core {

// The check-box captions, in ElementIndex order. Each keeps its trailing
// CR LF: the box shows only the word, but the selection handler copies the
// caption whole into the result text.
inline constexpr std::array<std::u16string_view, kElementCount> kElementCaptions = {
    u"земя\r\n",
    u"вода\r\n",
    u"въздух\r\n",
    u"огън\r\n",
};

inline constexpr std::u16string_view kLineBreak = u"\r\n";

constexpr bool endsWithLineBreak(std::u16string_view text)
{
    return text.size() > kLineBreak.size() && text.ends_with(kLineBreak);
}

static_assert(kElementCaptions.size() == 4, "four classical elements");
static_assert(endsWithLineBreak(kElementCaptions[0]) && endsWithLineBreak(kElementCaptions[1]) &&
                  endsWithLineBreak(kElementCaptions[2]) && endsWithLineBreak(kElementCaptions[3]),
              "every caption is a word followed by CR LF");

} // namespace core
