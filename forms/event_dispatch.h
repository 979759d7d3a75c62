// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "control_array.h"

#include <QObject>

#include <cstdint>
#include <exception>
#include <functional>

namespace forms {

// The exit status of a program ended by a run-time error.
inline constexpr int kRunTimeErrorExitStatus = 1;

// Runs one event handler. A failure ends the handler at once; it never
// reaches Qt's event loop, but goes to reportRunTimeError(), which ends the
// program. Once that has happened no handler runs again.
void dispatchEvent(const std::function<void()> &handler) noexcept;

// Tells the user what went wrong, in a message box, then ends the event
// loop with kRunTimeErrorExitStatus. The windows are hidden first, so that
// what a failing handler left half-done is never taken for a result.
void reportRunTimeError(const QString &description);

// True once a run-time error has been reported in this run of the loop.
bool hasEnded();
// Lets the run time report again; for a new event loop, as in a test.
void resetRunTimeErrorState();

// Binds a no-argument signal of every element of a control array to one
// handler, which is told the index of the element that raised it.
template <class Control>
void bindEvent(const ControlArray<Control> &array, void (Control::*signal)(),
               std::function<void(std::int16_t)> handler)
{
    for (const std::int16_t index : array.indexes()) {
        Control &control = array(index);
        QObject::connect(&control, signal, &control,
                         [handler, index] { dispatchEvent([&] { handler(index); }); });
    }
}

} // namespace forms
