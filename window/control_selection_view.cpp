// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "control_selection_view.h"

#include "main_window_definition.h"

namespace window {

ControlSelectionView::ControlSelectionView(const forms::Form &form)
    : m_list1(form, kList1), m_check1(form, kCheck1), m_text1(form, kText1)
{}

std::int16_t ControlSelectionView::selectedRow(std::int16_t list)
{
    return m_list1(list).selectedRow();
}

std::u16string ControlSelectionView::itemText(std::int16_t list, std::int16_t row)
{
    return m_list1(list).itemText(row).toStdU16String();
}

void ControlSelectionView::setCheckState(core::ElementIndex element, core::CheckState state)
{
    m_check1(element).setValue(static_cast<std::int16_t>(state));
}

std::u16string ControlSelectionView::caption(core::ElementIndex element)
{
    return m_check1(element).caption().toStdU16String();
}

std::u16string ControlSelectionView::outputText()
{
    return m_text1(0).text().toStdU16String();
}

void ControlSelectionView::setOutputText(const std::u16string &text)
{
    m_text1(0).setText(QString::fromStdU16String(text));
}

} // namespace window
