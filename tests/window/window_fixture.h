// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/event_wiring.h"
#include "window/main_window_definition.h"

#include "forms/check_box.h"
#include "forms/form.h"
#include "forms/list_box.h"
#include "forms/text_box.h"

#include <QCursor>
#include <QLabel>
#include <QScreen>
#include <QtTest>

#include <memory>

// The real main window, wired as the program wires it, shown and active.
struct MainWindowFixture
{
    MainWindowFixture() : form(std::make_unique<forms::Form>(window::kMainWindow))
    {
        // The pointer rests in the screen's corner, away from the window:
        // where it rests on a real desktop (the middle of the screen, over
        // the list) the native style would light up the row beneath it.
        QCursor::setPos(form->screen()->geometry().topLeft());
        window::wireEvents(*form);
        form->show();
        form->activateWindow();
        ready = QTest::qWaitForWindowActive(form.get());
    }

    forms::ListBox *list(std::int16_t index) const
    {
        return qobject_cast<forms::ListBox *>(form->element(window::kList1, index));
    }
    forms::CheckBox *box(std::int16_t index) const
    {
        return qobject_cast<forms::CheckBox *>(form->element(window::kCheck1, index));
    }
    forms::TextBox *text() const
    {
        return qobject_cast<forms::TextBox *>(form->element(window::kText1, 0));
    }
    QLabel *label() const { return qobject_cast<QLabel *>(form->element(window::kLabel1, 0)); }

    std::unique_ptr<forms::Form> form;
    bool ready = false;
};

// Chooses a row with the mouse, as a pupil does: scrolled into view, then
// clicked in its middle.
inline void clickRow(forms::ListBox *list, int row, Qt::KeyboardModifiers modifiers = {})
{
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                      list->visualItemRect(list->item(row)).center());
}
