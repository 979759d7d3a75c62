// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"

#include "event_dispatch.h"
#include "form_accessibility.h"
#include "qt_text.h"

#include <QLocale>

#include <memory>

namespace forms {

bool installBulgarianTranslation(QTranslator &translator)
{
    QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    return translator.load(u":/forms/i18n/qtbase_bg.qm"_qs) &&
           QCoreApplication::installTranslator(&translator);
}

Application::Application(int &argc, char **argv, const ApplicationInfo &info) : m_app(argc, argv)
{
    QApplication::setApplicationName(toQString(info.name));
    QApplication::setApplicationDisplayName(toQString(info.displayName));
    QApplication::setApplicationVersion(toQString(info.version));
    QApplication::setOrganizationDomain(toQString(info.organizationDomain));
    QGuiApplication::setDesktopFileName(toQString(info.desktopFileName));
    installBulgarianTranslation(m_translator);
    installAccessibility();
}

int Application::run(const FormSpec &startUp, const std::function<void(Form &)> &wire)
{
    std::unique_ptr<Form> form;
    try {
        form = std::make_unique<Form>(startUp);
        wire(*form);
    } catch (const RunTimeError &error) {
        reportRunTimeError(error.description());
        return kRunTimeErrorExitStatus;
    }
    // The form's icon is the program's icon too.
    QApplication::setWindowIcon(form->windowIcon());
    form->show();
    return QApplication::exec();
}

} // namespace forms
