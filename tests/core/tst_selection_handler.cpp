// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "recording_view.h"

#include "core/selection_handler.h"

#include <QtTest>

using core::CheckState;
using core::ElementIndex;

namespace {

std::vector<CheckState> states(const RecordingView &view)
{
    return {view.checks.begin(), view.checks.end()};
}

std::vector<CheckState> onlyTicked(std::vector<ElementIndex> elements)
{
    std::vector<CheckState> result(core::kElementCount, CheckState::Unchecked);
    for (const ElementIndex e : elements) {
        result[e] = CheckState::Checked;
    }
    return result;
}

void select(RecordingView &view, std::int16_t row)
{
    view.selected[0] = row;
    view.ticked.clear();
    core::handleList1Click(view, 0);
}

} // namespace

class TestSelectionHandler : public QObject
{
    Q_OBJECT

private slots:
    void everyRow_data();
    void everyRow();
    void codeListClickChangesNothing();
    void noRowSelectedChangesNothing();
    void repeatedAndChangedSelection();
    void unusualCodes_data();
    void unusualCodes();
};

void TestSelectionHandler::everyRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<std::vector<ElementIndex>>("ticked");
    QTest::addColumn<QString>("text");

    // Written out in full, code unit for code unit: the first line, then for
    // each element its caption with CR LF and one blank.
    QTest::newRow("Талес") << 0 << std::vector<ElementIndex>{1}
                           << u"Философът Талес приема за начален елемент: \r\nвода\r\n "_qs;
    QTest::newRow("Хипо") << 1 << std::vector<ElementIndex>{1}
                          << u"Философът Хипо приема за начален елемент: \r\nвода\r\n "_qs;
    QTest::newRow("Анаксимен")
        << 2 << std::vector<ElementIndex>{2}
        << u"Философът Анаксимен приема за начален елемент: \r\nвъздух\r\n "_qs;
    QTest::newRow("Идей Гимерийски")
        << 3 << std::vector<ElementIndex>{2}
        << u"Философът Идей Гимерийски приема за начален елемент: \r\nвъздух\r\n "_qs;
    // The name's own trailing blank and the sentence's blank make two.
    QTest::newRow("Диоген") << 4 << std::vector<ElementIndex>{2}
                            << u"Философът Диоген  приема за начален елемент: \r\nвъздух\r\n "_qs;
    QTest::newRow("Хераклит") << 5 << std::vector<ElementIndex>{3}
                              << u"Философът Хераклит приема за начален елемент: \r\nогън\r\n "_qs;
    QTest::newRow("Хипас") << 6 << std::vector<ElementIndex>{3}
                           << u"Философът Хипас приема за начален елемент: \r\nогън\r\n "_qs;
    // Fire is ticked and written before air, though its box stands below.
    QTest::newRow("Енопид Хиоски")
        << 7 << std::vector<ElementIndex>{3, 2}
        << u"Философът Енопид Хиоски приема за начален елемент: \r\nогън\r\n въздух\r\n "_qs;
}

void TestSelectionHandler::everyRow()
{
    QFETCH(int, row);
    QFETCH(std::vector<ElementIndex>, ticked);
    QFETCH(QString, text);

    RecordingView view;
    view.checks.fill(CheckState::Checked); // whatever was ticked before goes
    select(view, static_cast<std::int16_t>(row));

    QCOMPARE(view.ticked, ticked);
    QCOMPARE(states(view), onlyTicked(ticked));
    QCOMPARE(QString::fromStdU16String(view.text), text);
}

void TestSelectionHandler::codeListClickChangesNothing()
{
    RecordingView view;
    view.selected = {5, 5};
    core::handleList1Click(view, 1);
    QCOMPARE(view.writes, 0);
    QCOMPARE(view.text, u"начален текст\r\n");
}

void TestSelectionHandler::noRowSelectedChangesNothing()
{
    RecordingView view;
    select(view, 7);
    const std::u16string before = view.text;

    select(view, -1);
    QCOMPARE(view.text, before);
    QCOMPARE(states(view), onlyTicked({3, 2}));
}

void TestSelectionHandler::repeatedAndChangedSelection()
{
    RecordingView once;
    select(once, 5);

    RecordingView twice;
    select(twice, 5);
    select(twice, 5);
    QCOMPARE(twice.text, once.text); // replaced, not appended to
    QCOMPARE(states(twice), states(once));

    RecordingView moved;
    select(moved, 7);
    select(moved, 0);
    QCOMPARE(states(moved), onlyTicked({1}));
    QCOMPARE(moved.text, u"Философът Талес приема за начален елемент: \r\nвода\r\n ");
}

void TestSelectionHandler::unusualCodes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<std::vector<ElementIndex>>("ticked");
    QTest::addColumn<QString>("elementLines");

    QTest::newRow("no element") << u"0000"_qs << std::vector<ElementIndex>{} << QString();
    // A digit with no box behind it names nothing rather than a fifth box.
    QTest::newRow("digit 7") << u"0701"_qs << std::vector<ElementIndex>{0} << u"земя\r\n "_qs;
    QTest::newRow("letters and blanks")
        << u"a 2x"_qs << std::vector<ElementIndex>{1} << u"вода\r\n "_qs;
    QTest::newRow("short code") << u"4"_qs << std::vector<ElementIndex>{3} << u"огън\r\n "_qs;
    // Only four positions are read.
    QTest::newRow("long code") << u"000123"_qs << std::vector<ElementIndex>{0} << u"земя\r\n "_qs;
}

void TestSelectionHandler::unusualCodes()
{
    QFETCH(QString, code);
    QFETCH(std::vector<ElementIndex>, ticked);
    QFETCH(QString, elementLines);

    RecordingView view;
    view.lists[1][2] = code.toStdU16String();
    select(view, 2);

    QCOMPARE(view.ticked, ticked);
    QCOMPARE(states(view), onlyTicked(ticked));
    QCOMPARE(QString::fromStdU16String(view.text),
             u"Философът Анаксимен приема за начален елемент: \r\n"_qs + elementLines);
}

QTEST_APPLESS_MAIN(TestSelectionHandler)
#include "tst_selection_handler.moc"
