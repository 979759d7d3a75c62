// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program exactly as window/main.cpp starts it, plus the first-paint
// probe, so that the benchmark times the real start-up.
#include "first_paint_probe.h"

#include "forms/application.h"
#include "window/event_wiring.h"
#include "window/main_window_definition.h"

int main(int argc, char *argv[])
{
    forms::Application application(argc, argv, window::kApplicationInfo);
    bench::FirstPaintProbe probe;
    return application.run(window::kMainWindow, window::wireEvents);
}
