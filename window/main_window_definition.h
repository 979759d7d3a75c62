// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/application.h"
#include "forms/form_definition.h"

#include <string_view>

namespace window {

// The control arrays of the main window, by name.
inline constexpr std::string_view kList1 = "List1";
inline constexpr std::string_view kCheck1 = "Check1";
inline constexpr std::string_view kText1 = "Text1";
inline constexpr std::string_view kLabel1 = "Label1";

// The one window of the program, with every control and all its settings.
extern const forms::FormSpec kMainWindow;

extern const forms::ApplicationInfo kApplicationInfo;

} // namespace window
