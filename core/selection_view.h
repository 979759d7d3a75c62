// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "element_index.h"

#include <cstdint>
#include <string>

namespace core {

enum class CheckState : std::int16_t
{
    Unchecked = 0,
    Checked = 1,
};

// What the selection handler needs of the window. Every call acts on the
// live controls and sees the effects of the calls before it; a failing call
// throws, and the handler does not catch.
class SelectionView
{
public:
    virtual ~SelectionView() = default;

    // Selected row of List1(list), -1 when none is selected.
    virtual std::int16_t selectedRow(std::int16_t list) = 0;
    virtual std::u16string itemText(std::int16_t list, std::int16_t row) = 0;
    virtual void setCheckState(ElementIndex element, CheckState state) = 0;
    // The caption of Check1(element), trailing CR LF included.
    virtual std::u16string caption(ElementIndex element) = 0;
    virtual std::u16string outputText() = 0;
    virtual void setOutputText(const std::u16string &text) = 0;

protected:
    SelectionView() = default;
    SelectionView(const SelectionView &) = default;
    SelectionView &operator=(const SelectionView &) = default;
};

} // namespace core
