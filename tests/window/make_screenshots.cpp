// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the README's pictures of the real window, headless:
//   QT_QPA_PLATFORM=offscreen build/tests/window/make_screenshots docs
// writes start.png (as the program opens) and enopid.png (after choosing
// "Енопид Хиоски": fire and air).
#include "window_fixture.h"

#include "forms/application.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QTranslator translator;
    forms::installBulgarianTranslation(translator);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"."_qs);

    MainWindowFixture window;
    if (!window.ready || !window.form->grab().save(folder.filePath(u"start.png"_qs))) {
        return 1;
    }
    clickRow(window.list(0), 7);
    return window.form->grab().save(folder.filePath(u"enopid.png"_qs)) ? 0 : 1;
}
