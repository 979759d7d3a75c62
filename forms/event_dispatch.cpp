// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "event_dispatch.h"

#include "run_time_error.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace forms {

namespace {

bool g_ended = false;

} // namespace

bool hasEnded()
{
    return g_ended;
}

void resetRunTimeErrorState()
{
    g_ended = false;
}

void reportRunTimeError(const QString &description)
{
    if (g_ended) {
        return;
    }
    g_ended = true;

    // The message box must not count as the last window when it closes;
    // the program's end is ours to state, with its status.
    QApplication::setQuitOnLastWindowClosed(false);
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        window->hide();
    }

    QMessageBox box(
        QMessageBox::Critical, QApplication::applicationDisplayName(),
        u"Грешка при изпълнение на програмата:\n%1\n\nПрограмата ще бъде затворена."_qs.arg(
            description),
        QMessageBox::Ok);
    box.setObjectName(u"runTimeErrorBox"_qs);
    box.exec();

    QCoreApplication::exit(kRunTimeErrorExitStatus);
}

void dispatchEvent(const std::function<void()> &handler) noexcept
{
    if (g_ended) {
        return;
    }
    try {
        handler();
    } catch (const RunTimeError &error) {
        reportRunTimeError(u"%1 (грешка %2)"_qs.arg(error.description()).arg(int(error.number())));
    } catch (const std::exception &error) {
        reportRunTimeError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        reportRunTimeError(u"Неизвестна грешка."_qs);
    }
}

} // namespace forms
