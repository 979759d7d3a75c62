// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "event_wiring.h"
#include "main_window_definition.h"

#include "forms/application.h"

int main(int argc, char *argv[])
{
    forms::Application application(argc, argv, window::kApplicationInfo);
    return application.run(window::kMainWindow, window::wireEvents);
}
