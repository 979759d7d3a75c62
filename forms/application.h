// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form.h"

#include <QApplication>
#include <QTranslator>

#include <functional>
#include <string_view>

namespace forms {

struct ApplicationInfo
{
    std::string_view name;
    std::u16string_view displayName;
    std::string_view version;
    std::string_view organizationDomain;
    std::string_view desktopFileName; // the application id, without ".desktop"
};

// Loads Qt's own Bulgarian texts (context menus, message-box buttons),
// compiled into the program, so nothing is read from disk. Returns false if
// the translation could not be installed.
bool installBulgarianTranslation(QTranslator &translator);

// The program around its start-up form: names the application, speaks
// Bulgarian, builds the form from its definition, lets `wire` bind its
// events, shows it and runs the event loop until the form is closed.
class Application
{
public:
    Application(int &argc, char **argv, const ApplicationInfo &info);

    // The exit status: 0 after the window was closed, non-zero after a
    // run-time error.
    int run(const FormSpec &startUp, const std::function<void(Form &)> &wire);

private:
    QApplication m_app;
    QTranslator m_translator;
};

} // namespace forms
