// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/selection_view.h"
#include "forms/check_box.h"
#include "forms/control_array.h"
#include "forms/list_box.h"
#include "forms/text_box.h"

namespace window {

// The selection handler's view of the main window: List1 for the rows,
// Check1 for the element boxes, Text1(0) for the result, each reached by
// control-array name and index at the moment of the call.
class ControlSelectionView : public core::SelectionView
{
public:
    explicit ControlSelectionView(const forms::Form &form);

    std::int16_t selectedRow(std::int16_t list) override;
    std::u16string itemText(std::int16_t list, std::int16_t row) override;
    void setCheckState(core::ElementIndex element, core::CheckState state) override;
    std::u16string caption(core::ElementIndex element) override;
    std::u16string outputText() override;
    void setOutputText(const std::u16string &text) override;

private:
    forms::ControlArray<forms::ListBox> m_list1;
    forms::ControlArray<forms::CheckBox> m_check1;
    forms::ControlArray<forms::TextBox> m_text1;
};

} // namespace window
