// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/form.h"

namespace window {

// Binds the program's one event, Click of the List1 array, to the
// selection handler. Nothing else of the window runs code of ours.
void wireEvents(forms::Form &mainWindow);

} // namespace window
