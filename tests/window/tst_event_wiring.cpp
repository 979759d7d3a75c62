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

void clickRow(forms::ListBox *list, int row, Qt::KeyboardModifiers modifiers = {})
{
    list->scrollToItem(list->item(row));
    const QPoint point = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, point);
}

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
