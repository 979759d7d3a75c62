// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "element_code.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace core {

struct PhilosopherEntry
{
    std::u16string_view name;
    std::u16string_view code; // element code, see element_code.h
};

// Shown in this order; the list is not sorted. "Диоген " keeps its
// trailing blank: it is part of the name wherever it is shown or copied.
inline constexpr std::array<PhilosopherEntry, 8> kPhilosophers = {{
    {u"Талес", u"0002"},
    {u"Хипо", u"0002"},
    {u"Анаксимен", u"0003"},
    {u"Идей Гимерийски", u"0003"},
    {u"Диоген ", u"0003"},
    {u"Хераклит", u"0004"},
    {u"Хипас", u"0004"},
    {u"Енопид Хиоски", u"0043"},
}};

static_assert(kPhilosophers.size() == 8, "eight philosophers");
static_assert(
    std::all_of(kPhilosophers.begin(), kPhilosophers.end(),
                [](const PhilosopherEntry &entry) {
                    return !entry.name.empty() && isWellFormedCode(entry.code);
                }),
    "every philosopher has a name and a code of four digits 0..4 naming no element twice");

// One column of the table, for a list box that shows it row for row.
template <auto Member> constexpr auto philosopherColumn()
{
    std::array<std::u16string_view, kPhilosophers.size()> column{};
    std::transform(kPhilosophers.begin(), kPhilosophers.end(), column.begin(),
                   [](const PhilosopherEntry &entry) { return entry.*Member; });
    return column;
}

inline constexpr auto kPhilosopherNames = philosopherColumn<&PhilosopherEntry::name>();
inline constexpr auto kElementCodes = philosopherColumn<&PhilosopherEntry::code>();

} // namespace core
