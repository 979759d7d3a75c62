// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_fixture.h"

#include "forms/event_dispatch.h"

#include <QMessageBox>
#include <QTimer>
#include <QtTest>

// A control operation that fails inside the event: the handler stops at
// once, the user is told in a message box, and the program ends with a
// non-zero status.
class TestRunTimeError : public QObject
{
    Q_OBJECT

private slots:
    void failingOperationEndsTheProgram_data();
    void failingOperationEndsTheProgram();
};

void TestRunTimeError::failingOperationEndsTheProgram_data()
{
    QTest::addColumn<QString>("unloaded");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("row");

    // Fails while clearing the boxes, before any text is written.
    QTest::newRow("Check1(2), clearing") << u"Check1"_qs << 2 << 5;
    // Fails after the first line is written: half a result.
    QTest::newRow("Check1(3), ticking") << u"Check1"_qs << 3 << 5;
    QTest::newRow("Text1(0)") << u"Text1"_qs << 0 << 0;
}

void TestRunTimeError::failingOperationEndsTheProgram()
{
    QFETCH(QString, unloaded);
    QFETCH(int, index);
    QFETCH(int, row);

    forms::resetRunTimeErrorState();
    QApplication::setQuitOnLastWindowClosed(true);
    MainWindowFixture window;
    QVERIFY(window.ready);
    window.form->unloadElement(unloaded.toStdString(), std::int16_t(index));
    forms::ListBox *list = window.list(0);

    QString message;
    bool windowHiddenDuringMessage = false;
    bool handlerRanAgain = false;
    QTimer::singleShot(0, list, [&] { clickRow(list, row); });
    // Polls for the box, as a user would wait for it, then presses its button.
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            return;
        }
        poll.stop();
        message = box->text();
        windowHiddenDuringMessage = !window.form->isVisible();
        // Events that arrive while the program ends run no handler.
        QSignalSpy clicks(list, &forms::ListBox::click);
        list->setCurrentRow(1);
        handlerRanAgain = clicks.count() == 1 && window.box(1) && window.box(1)->isChecked();
        box->button(QMessageBox::Ok)->click();
    });
    poll.start(10);
    QTimer::singleShot(10000, [] { QCoreApplication::exit(99); }); // a hang is a failure

    const int status = QApplication::exec();
    QCOMPARE(status, forms::kRunTimeErrorExitStatus);
    QVERIFY2(message.contains(u"%1(%2)"_qs.arg(unloaded).arg(index)), qPrintable(message));
    QVERIFY(message.contains(u"Грешка"_qs));
    QVERIFY(windowHiddenDuringMessage);
    QVERIFY(!handlerRanAgain);
}

QTEST_MAIN(TestRunTimeError)
#include "tst_run_time_error.moc"
