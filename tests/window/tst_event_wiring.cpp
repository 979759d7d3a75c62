// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_fixture.h"

#include "window/exercise_text.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

namespace {

struct Shown
{
    QList<bool> checked;
    QString text;
    bool operator==(const Shown &) const = default;
};

Shown shown(const MainWindowFixture &window)
{
    Shown state{{}, window.text()->text()};
    for (std::int16_t e = 0; e < 4; ++e) {
        state.checked << window.box(e)->isChecked();
    }
    return state;
}

QList<bool> ticked(std::initializer_list<int> elements)
{
    QList<bool> result(4, false);
    for (const int e : elements) {
        result[e] = true;
    }
    return result;
}

// What every row must show, written out in full.
const QList<Shown> kExpected = {
    {ticked({1}), u"Философът Талес приема за начален елемент: \r\nвода\r\n "_qs},
    {ticked({1}), u"Философът Хипо приема за начален елемент: \r\nвода\r\n "_qs},
    {ticked({2}), u"Философът Анаксимен приема за начален елемент: \r\nвъздух\r\n "_qs},
    {ticked({2}), u"Философът Идей Гимерийски приема за начален елемент: \r\nвъздух\r\n "_qs},
    {ticked({2}), u"Философът Диоген  приема за начален елемент: \r\nвъздух\r\n "_qs},
    {ticked({3}), u"Философът Хераклит приема за начален елемент: \r\nогън\r\n "_qs},
    {ticked({3}), u"Философът Хипас приема за начален елемент: \r\nогън\r\n "_qs},
    {ticked({2, 3}),
     u"Философът Енопид Хиоски приема за начален елемент: \r\nогън\r\n въздух\r\n "_qs},
};

} // namespace

class TestEventWiring : public QObject
{
    Q_OBJECT

private slots:
    void clickEveryRow_data();
    void clickEveryRow();
    void keyboardWalk_data();
    void keyboardWalk();
    void fireAndAirThenWater();
    void tabIntoEmptyList();
    void typeAhead_data();
    void typeAhead();
    void selectedRowStaysSelected_data();
    void selectedRowStaysSelected();
    void codeListClickDoesNothing();
};

void TestEventWiring::clickEveryRow_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < kExpected.size(); ++row) {
        QTest::addRow("row %d", row) << row;
    }
}

void TestEventWiring::clickEveryRow()
{
    QFETCH(int, row);

    MainWindowFixture window;
    QVERIFY(window.ready);
    QSignalSpy clicks(window.list(0), &forms::ListBox::click);

    clickRow(window.list(0), row);
    QCOMPARE(window.list(0)->selectedRow(), row);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(shown(window), kExpected[row]);
    // The new text is shown from its first line, with each CR LF a line.
    QCOMPARE(window.text()->verticalScrollBar()->value(), 0);
    QCOMPARE(window.text()->toPlainText(),
             QString(kExpected[row].text).replace(u"\r\n"_qs, u"\n"_qs));
}

void TestEventWiring::keyboardWalk_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QList<int>>("rows"); // the selected row after each key

    using K = Qt::Key;
    QTest::newRow("down to the end and back")
        << QList<int>{K::Key_Down, K::Key_Down, K::Key_Down, K::Key_Down, K::Key_Down,
                      K::Key_Down, K::Key_Down, K::Key_Down, K::Key_Down, K::Key_Up}
        << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 7, 6};
    QTest::newRow("End, Home") << QList<int>{K::Key_End, K::Key_Home} << QList<int>{7, 0};
    // Six rows fit: a page down from nothing selected lands on the sixth.
    QTest::newRow("pages") << QList<int>{K::Key_PageDown, K::Key_PageDown, K::Key_PageUp}
                           << QList<int>{5, 7, 2};
}

void TestEventWiring::keyboardWalk()
{
    QFETCH(QList<int>, keys);
    QFETCH(QList<int>, rows);

    MainWindowFixture window;
    QVERIFY(window.ready);
    forms::ListBox *list = window.list(0);
    list->setFocus();
    QSignalSpy clicks(list, &forms::ListBox::click);

    int expectedClicks = 0;
    int previous = -1;
    for (int i = 0; i < keys.size(); ++i) {
        QTest::keyClick(list, Qt::Key(keys[i]));
        if (rows[i] != previous) {
            ++expectedClicks; // once for every row passed, none for staying put
        }
        previous = rows[i];
        QCOMPARE(list->selectedRow(), rows[i]);
        QCOMPARE(clicks.count(), expectedClicks);
        QCOMPARE(shown(window), kExpected[rows[i]]);
    }
}

void TestEventWiring::fireAndAirThenWater()
{
    MainWindowFixture window;
    QVERIFY(window.ready);
    clickRow(window.list(0), 7);
    QCOMPARE(shown(window), kExpected[7]);
    clickRow(window.list(0), 0);
    QCOMPARE(shown(window), kExpected[0]);

    // The first letter finds a name: Х goes to Хипо, then on to Хераклит.
    window.list(0)->setFocus();
    QTest::sendKeyEvent(QTest::Click, window.list(0), Qt::Key_unknown, u"Х"_qs, Qt::NoModifier);
    QCOMPARE(shown(window), kExpected[1]);
}

void TestEventWiring::tabIntoEmptyList()
{
    MainWindowFixture window;
    QVERIFY(window.ready);
    forms::ListBox *list = window.list(0);
    QSignalSpy clicks(list, &forms::ListBox::click);
    const Shown before = shown(window);

    QCOMPARE(QApplication::focusWidget(), window.text());
    QTest::keyClick(window.text(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), list);
    QCOMPARE(list->selectedRow(), -1);
    QVERIFY(!list->currentIndex().isValid()); // no row marked as if chosen
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(shown(window), before);
    QCOMPARE(window.text()->text().toStdU16String(), window::kExerciseText);

    // The first arrow key chooses the first name, not the second.
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->selectedRow(), 0);
    QCOMPARE(shown(window), kExpected[0]);
}

void TestEventWiring::typeAhead_data()
{
    QTest::addColumn<int>("start");       // the row selected first; -1: none
    QTest::addColumn<QString>("typed");   // one key per letter
    QTest::addColumn<bool>("quickly");    // all within the type-ahead interval
    QTest::addColumn<QList<int>>("rows"); // the selected row after each key

    QTest::newRow("Х Х Х Х quickly") << -1 << u"ХХХХ"_qs << true << QList<int>{1, 5, 6, 1};
    QTest::newRow("Х Х Х Х slowly") << -1 << u"ХХХХ"_qs << false << QList<int>{1, 5, 6, 1};
    QTest::newRow("х х, lower case") << -1 << u"хх"_qs << true << QList<int>{1, 5};
    QTest::newRow("Хи quickly") << -1 << u"Хи"_qs << true << QList<int>{1, 1};
    QTest::newRow("Хипа quickly") << -1 << u"Хипа"_qs << true << QList<int>{1, 1, 1, 6};
    QTest::newRow("Х, then И slowly") << -1 << u"ХИ"_qs << false << QList<int>{1, 3};
    QTest::newRow("from Хипас, Х goes round") << 6 << u"Х"_qs << true << QList<int>{1};
    QTest::newRow("from Хипо, Хип stays") << 1 << u"Хип"_qs << true << QList<int>{5, 6, 6};
    QTest::newRow("Т finds the only Т") << 0 << u"ТТ"_qs << true << QList<int>{0, 0};
    QTest::newRow("no name starts so") << -1 << u"Ю"_qs << true << QList<int>{-1};
    QTest::newRow("Идей Г, with its blank")
        << -1 << u"Идей Г"_qs << true << QList<int>{3, 3, 3, 3, 3, 3};
}

// Typing a name's first letters selects it; the same letter again moves on
// to the next name with it, however quickly it comes. Every row that
// becomes selected runs the handler once.
void TestEventWiring::typeAhead()
{
    QFETCH(int, start);
    QFETCH(QString, typed);
    QFETCH(bool, quickly);
    QFETCH(QList<int>, rows);

    MainWindowFixture window;
    QVERIFY(window.ready);
    forms::ListBox *list = window.list(0);
    if (start >= 0) {
        clickRow(list, start); // the click gives the list the focus
    } else {
        QTest::keyClick(window.text(), Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget(), list);
    // Quick is as good as instant, slow is longer than the interval.
    const auto restore = qScopeGuard([interval = QApplication::keyboardInputInterval()] {
        QApplication::setKeyboardInputInterval(interval);
    });
    QApplication::setKeyboardInputInterval(quickly ? 60000 : 20);
    QSignalSpy clicks(list, &forms::ListBox::click);

    int expectedClicks = 0;
    int previous = start;
    for (int i = 0; i < typed.size(); ++i) {
        if (!quickly) {
            QTest::qWait(60);
        }
        const Qt::Key key = typed[i] == u' ' ? Qt::Key_Space : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, list, key, QString(typed[i]), Qt::NoModifier);
        expectedClicks += rows[i] != previous ? 1 : 0;
        previous = rows[i];
        QCOMPARE(list->selectedRow(), rows[i]);
        QCOMPARE(clicks.count(), expectedClicks);
        if (rows[i] >= 0) {
            QCOMPARE(shown(window), kExpected[rows[i]]);
        }
    }
}

void TestEventWiring::selectedRowStaysSelected_data()
{
    QTest::addColumn<int>("action");
    QTest::newRow("click") << 0;
    QTest::newRow("Ctrl+click") << 1;
    QTest::newRow("Ctrl+Space") << 2;
    QTest::newRow("Space") << 3;
}

void TestEventWiring::selectedRowStaysSelected()
{
    QFETCH(int, action);

    MainWindowFixture window;
    QVERIFY(window.ready);
    forms::ListBox *list = window.list(0);
    clickRow(list, 5);
    const Shown before = shown(window);
    QSignalSpy clicks(list, &forms::ListBox::click);

    list->setFocus();
    switch (action) {
    case 0:
        clickRow(list, 5);
        break;
    case 1:
        clickRow(list, 5, Qt::ControlModifier);
        break;
    case 2:
        QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
        break;
    case 3:
        QTest::keyClick(list, Qt::Key_Space);
        break;
    }
    QCOMPARE(list->selectedRow(), 5);
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(shown(window), before);
}

void TestEventWiring::codeListClickDoesNothing()
{
    MainWindowFixture window;
    QVERIFY(window.ready);
    clickRow(window.list(0), 2);
    const Shown before = shown(window);

    // The hidden list raises Click like the visible one; its handler call
    // must leave the window as it was.
    QSignalSpy clicks(window.list(1), &forms::ListBox::click);
    window.list(1)->setCurrentRow(7);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(shown(window), before);
    QCOMPARE(window.list(0)->selectedRow(), 2);
}

QTEST_MAIN(TestEventWiring)
#include "tst_event_wiring.moc"
