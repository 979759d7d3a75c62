// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "event_wiring.h"

#include "control_selection_view.h"
#include "main_window_definition.h"

#include "core/selection_handler.h"
#include "forms/event_dispatch.h"

namespace window {

void wireEvents(forms::Form &mainWindow)
{
    const forms::ControlArray<forms::ListBox> list1(mainWindow, kList1);
    // The view holds no state of its own, only the way to the controls.
    forms::bindEvent(list1, &forms::ListBox::click, [&mainWindow](std::int16_t index) {
        ControlSelectionView view(mainWindow);
        core::handleList1Click(view, index);
    });
}

} // namespace window
