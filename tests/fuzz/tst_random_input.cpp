// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Drives the real main window with seeded random mouse and keyboard input
// and checks after every event that it still shows exactly what the
// selected row calls for. A failure is cut down to the shortest sequence of
// events that still reproduces it on a fresh window.
//
// ARCHE_FUZZ_SEED and ARCHE_FUZZ_EVENTS override the seed and the count.
#include "core/element_code.h"
#include "core/element_table.h"
#include "core/philosopher_table.h"
#include "core/selection_handler.h"
#include "forms/check_box.h"
#include "forms/event_dispatch.h"
#include "forms/form.h"
#include "forms/list_box.h"
#include "forms/text_box.h"
#include "window/event_wiring.h"
#include "window/exercise_text.h"
#include "window/main_window_definition.h"

#include "tests/support/expected_selection.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <array>
#include <functional>
#include <memory>
#include <random>
#include <vector>

namespace {

struct Event
{
    enum Kind
    {
        Click,
        Wheel,
        Key,
    } kind = Click;
    QPoint point;                         // Click, Wheel: in the window
    int wheelSteps = 0;                   // Wheel: + away from the user
    Qt::Key key = Qt::Key_unknown;        // Key
    QString text;                         // Key: what it types
    Qt::KeyboardModifiers modifiers = {}; // Click, Key
};

QString describe(const Event &event)
{
    const QString mods = event.modifiers == Qt::ControlModifier ? u"Ctrl+"_qs
                         : event.modifiers == Qt::ShiftModifier ? u"Shift+"_qs
                                                                : QString();
    switch (event.kind) {
    case Event::Click:
        return u"%1click at (%2, %3)"_qs.arg(mods).arg(event.point.x()).arg(event.point.y());
    case Event::Wheel:
        return u"wheel %1 at (%2, %3)"_qs.arg(event.wheelSteps)
            .arg(event.point.x())
            .arg(event.point.y());
    case Event::Key:
        return u"key %1%2"_qs.arg(mods, event.text.isEmpty() || event.modifiers
                                            ? QKeySequence(event.key).toString()
                                            : u"'%1'"_qs.arg(event.text));
    }
    return {};
}

struct NamedKey
{
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char16_t *text;
};

// Every key a user reaches here besides the letters.
constexpr std::array kKeys = {
    NamedKey{Qt::Key_Left, {}, u""},
    NamedKey{Qt::Key_Right, {}, u""},
    NamedKey{Qt::Key_Up, {}, u""},
    NamedKey{Qt::Key_Down, {}, u""},
    NamedKey{Qt::Key_Home, {}, u""},
    NamedKey{Qt::Key_End, {}, u""},
    NamedKey{Qt::Key_PageUp, {}, u""},
    NamedKey{Qt::Key_PageDown, {}, u""},
    NamedKey{Qt::Key_Tab, {}, u"\t"},
    NamedKey{Qt::Key_Backtab, Qt::ShiftModifier, u""},
    NamedKey{Qt::Key_Space, {}, u" "},
    NamedKey{Qt::Key_A, Qt::ControlModifier, u""},
    NamedKey{Qt::Key_C, Qt::ControlModifier, u""},
    NamedKey{Qt::Key_V, Qt::ControlModifier, u""},
    NamedKey{Qt::Key_X, Qt::ControlModifier, u""},
    NamedKey{Qt::Key_Z, Qt::ControlModifier, u""},
    NamedKey{Qt::Key_Return, {}, u"\r"},
    NamedKey{Qt::Key_Backspace, {}, u"\b"},
    NamedKey{Qt::Key_Delete, {}, u""},
};

// The first letters of several names, so that typing also selects rows.
constexpr std::u16string_view kLetters = u"абвгдежзийклмнопрстуфхцчшщъьюяАХТДЕИabcdexyz";

std::vector<Event> randomEvents(quint64 seed, int count, QSize window)
{
    std::mt19937_64 random(seed);
    const auto below = [&random](int n) {
        return std::uniform_int_distribution<int>(0, n - 1)(random);
    };
    std::vector<Event> events;
    events.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        Event event;
        const int choice = below(10);
        const QPoint point(below(window.width()), below(window.height()));
        if (choice < 3) {
            event.kind = Event::Click;
            event.point = point;
            event.modifiers = below(4) == 0 ? Qt::ControlModifier : Qt::NoModifier;
        } else if (choice < 4) {
            event.kind = Event::Wheel;
            event.point = point;
            event.wheelSteps = below(2) ? 1 : -1;
        } else if (choice < 7) {
            const NamedKey &named = kKeys[std::size_t(below(int(kKeys.size())))];
            event.kind = Event::Key;
            event.key = named.key;
            event.modifiers = named.modifiers;
            event.text = QString::fromUtf16(named.text);
        } else {
            const QChar letter = kLetters[std::size_t(below(int(kLetters.size())))];
            event.kind = Event::Key;
            event.key = Qt::Key(letter.toUpper().unicode());
            event.text = letter;
        }
        events.push_back(event);
    }
    return events;
}

constexpr QSize kWindowSize(461, 345);

// Empty while the window is as it must be; otherwise what is wrong.
QString violation(const forms::Form &form)
{
    if (forms::hasEnded()) {
        return u"a run-time error was reported"_qs;
    }
    if (QWidget *popup = QApplication::activePopupWidget()) {
        return u"a popup opened: %1"_qs.arg(popup->metaObject()->className());
    }
    if (QWidget *modal = QApplication::activeModalWidget()) {
        return u"a modal window opened: %1"_qs.arg(modal->metaObject()->className());
    }
    if (!form.isVisible() || form.size() != kWindowSize) {
        return u"the window is %1x%2, visible %3"_qs.arg(form.width())
            .arg(form.height())
            .arg(form.isVisible());
    }
    const auto *list = qobject_cast<forms::ListBox *>(form.element(window::kList1, 0));
    const auto *text = qobject_cast<forms::TextBox *>(form.element(window::kText1, 0));
    if (!list || !text) {
        return u"a control is gone"_qs;
    }
    for (std::size_t row = 0; row < core::kPhilosophers.size(); ++row) {
        if (list->item(int(row))->text() != forms::toQString(core::kPhilosophers[row].name)) {
            return u"row %1 of the list reads %2"_qs.arg(row).arg(list->item(int(row))->text());
        }
    }
    // Whole rows only, however the list was scrolled.
    const int rowsBottom = list->viewport()->height();
    for (int r = 0; r < list->count(); ++r) {
        const QRect rect = list->visualItemRect(list->item(r));
        if (rect.bottom() >= 0 && rect.top() < rowsBottom &&
            (rect.top() < 0 || rect.bottom() >= rowsBottom)) {
            return u"row %1 of the list is cut off: %2..%3 of %4"_qs.arg(r)
                .arg(rect.top())
                .arg(rect.bottom())
                .arg(rowsBottom);
        }
    }
    // Scrolled at all, the text box shows its last line whole at the bottom
    // or more text below, never a line's worth of nothing.
    QTextCursor end(text->document());
    end.movePosition(QTextCursor::End);
    const QRect lastLine = text->cursorRect(end);
    if (text->verticalScrollBar()->value() > 0 &&
        text->viewport()->height() - lastLine.bottom() - 1 >= lastLine.height()) {
        return u"the text box is scrolled past its end: its last line ends at %1 of %2"_qs
            .arg(lastLine.bottom())
            .arg(text->viewport()->height());
    }
    const int row = list->selectedRow();
    const ExpectedSelection expected = expectedSelection(row);
    if (text->text() != expected.text) {
        return u"with row %1 selected the text value is %2"_qs.arg(row).arg(text->text());
    }
    QString shown = expected.text;
    shown.replace(u"\r\n"_qs, u"\n"_qs);
    if (text->toPlainText() != shown) {
        return u"the text box was edited to %1"_qs.arg(text->toPlainText());
    }
    for (std::int16_t element = 0; element < core::kElementCount; ++element) {
        const auto *box = qobject_cast<forms::CheckBox *>(form.element(window::kCheck1, element));
        if (!box || box->value() != expected.boxes[std::size_t(element)]) {
            return u"with row %1 selected Check1(%2) is %3"_qs.arg(row).arg(element).arg(
                box ? box->value() : -1);
        }
    }
    return {};
}

void send(forms::Form &form, const Event &event)
{
    if (event.kind == Event::Key) {
        QWidget *target = QApplication::focusWidget();
        QTest::sendKeyEvent(QTest::Click, target ? target : &form, event.key, event.text,
                            event.modifiers);
        return;
    }
    QWidget *target = form.childAt(event.point);
    if (!target) {
        target = &form;
    }
    const QPoint local = target->mapFrom(&form, event.point);
    if (event.kind == Event::Click) {
        // Left button only: the right one opens the text box's context
        // menu, which runs an event loop of its own.
        QTest::mouseClick(target, Qt::LeftButton, event.modifiers, local);
    } else {
        QWheelEvent wheel(local, target->mapToGlobal(local), QPoint(),
                          QPoint(0, 120 * event.wheelSteps), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
    }
}

// Builds the window under test, shown and active.
using WindowFactory = std::function<std::unique_ptr<forms::Form>()>;

std::unique_ptr<forms::Form> realWindow()
{
    auto form = std::make_unique<forms::Form>(window::kMainWindow);
    window::wireEvents(*form);
    return form;
}

struct Outcome
{
    qsizetype failedAt = -1; // index of the event after which it failed
    QString what;
    bool failed() const { return failedAt >= 0; }
};

// Plays the events on a fresh window, checking after each one.
Outcome play(const WindowFactory &makeWindow, const std::vector<Event> &events)
{
    forms::resetRunTimeErrorState();
    // Ctrl+V must have something to paste, the same on every replay.
    QGuiApplication::clipboard()->setText(u"вмъкнат текст"_qs);
    const std::unique_ptr<forms::Form> form = makeWindow();
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get())) {
        return {0, u"the window never became active"_qs};
    }
    if (QString wrong = violation(*form); !wrong.isEmpty()) {
        return {0, u"before any event: "_qs + wrong};
    }
    for (std::size_t i = 0; i < events.size(); ++i) {
        send(*form, events[i]);
        if (QString wrong = violation(*form); !wrong.isEmpty()) {
            return {qsizetype(i), wrong};
        }
    }
    return {};
}

// Delta debugging: drops ever smaller runs of events for as long as what is
// left still fails on a fresh window.
std::vector<Event> shortestFailing(const WindowFactory &makeWindow, std::vector<Event> events)
{
    const auto fails = [&](const std::vector<Event> &candidate) {
        return play(makeWindow, candidate).failed();
    };
    std::size_t parts = 2;
    while (events.size() >= 2) {
        const std::size_t chunk = (events.size() + parts - 1) / parts;
        bool reduced = false;
        for (std::size_t start = 0; start < events.size() && !reduced; start += chunk) {
            const auto from = events.begin() + qsizetype(start);
            const auto to = events.begin() + qsizetype(std::min(events.size(), start + chunk));
            std::vector<Event> complement(events.begin(), from);
            complement.insert(complement.end(), to, events.end());
            if (std::vector<Event> part(from, to); fails(part)) {
                events = std::move(part);
                parts = 2;
                reduced = true;
            } else if (fails(complement)) {
                events = std::move(complement);
                parts = std::max<std::size_t>(parts - 1, 2);
                reduced = true;
            }
        }
        if (!reduced) {
            if (parts >= events.size()) {
                break;
            }
            parts = std::min(events.size(), parts * 2);
        }
    }
    return events;
}

QString describe(const std::vector<Event> &events)
{
    QStringList lines;
    for (std::size_t i = 0; i < events.size(); ++i) {
        lines << u"  %1. %2"_qs.arg(i + 1).arg(describe(events[i]));
    }
    return lines.join(u'\n');
}

quint64 environmentNumber(const char *name, quint64 fallback)
{
    bool ok = false;
    const quint64 value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

} // namespace

Q_DECLARE_METATYPE(WindowFactory)

class TestRandomInput : public QObject
{
    Q_OBJECT

private slots:
    void randomInputKeepsTheWindowConsistent();
    void faultsAreFoundAndCutDown_data();
    void faultsAreFoundAndCutDown();
};

void TestRandomInput::randomInputKeepsTheWindowConsistent()
{
    const quint64 seed = environmentNumber("ARCHE_FUZZ_SEED", 20261211);
    const auto count = int(environmentNumber("ARCHE_FUZZ_EVENTS", 10000));
    qInfo("seed %llu, %d events (ARCHE_FUZZ_SEED, ARCHE_FUZZ_EVENTS)", seed, count);

    const std::vector<Event> events = randomEvents(seed, count, kWindowSize);
    const Outcome outcome = play(realWindow, events);
    if (outcome.failed()) {
        const std::vector<Event> prefix(events.begin(), events.begin() + outcome.failedAt + 1);
        const std::vector<Event> shortest = shortestFailing(realWindow, prefix);
        QFAIL(qPrintable(u"seed %1, after event %2: %3\nshortest sequence that fails (%4 "
                         u"events; %5):\n%6"_qs.arg(seed)
                             .arg(outcome.failedAt + 1)
                             .arg(outcome.what)
                             .arg(shortest.size())
                             .arg(play(realWindow, shortest).what)
                             .arg(describe(shortest))));
    }
}

void TestRandomInput::faultsAreFoundAndCutDown_data()
{
    QTest::addColumn<WindowFactory>("broken");
    QTest::newRow("selection not wired")
        << WindowFactory([] { return std::make_unique<forms::Form>(window::kMainWindow); });
    QTest::newRow("text box editable") << WindowFactory([] {
        auto form = realWindow();
        qobject_cast<forms::TextBox *>(form->element(window::kText1, 0))->setLocked(false);
        return form;
    });
    QTest::newRow("boxes enabled") << WindowFactory([] {
        auto form = realWindow();
        for (std::int16_t element = 0; element < core::kElementCount; ++element) {
            form->element(window::kCheck1, element)->setEnabled(true);
        }
        return form;
    });
}

// The checker must see a broken window, and the sequence it reports must
// fail on its own and need every one of its events.
void TestRandomInput::faultsAreFoundAndCutDown()
{
    QFETCH(WindowFactory, broken);

    const std::vector<Event> events = randomEvents(7, 2000, kWindowSize);
    const Outcome outcome = play(broken, events);
    QVERIFY2(outcome.failed(), "a broken window went unnoticed");
    const std::vector<Event> prefix(events.begin(), events.begin() + outcome.failedAt + 1);
    const std::vector<Event> shortest = shortestFailing(broken, prefix);
    qInfo("%s: %s\n%s", QTest::currentDataTag(), qPrintable(outcome.what),
          qPrintable(describe(shortest)));
    QVERIFY(!shortest.empty());
    QVERIFY(play(broken, shortest).failed());
    for (std::size_t dropped = 0; dropped < shortest.size(); ++dropped) {
        std::vector<Event> fewer = shortest;
        fewer.erase(fewer.begin() + qsizetype(dropped));
        QVERIFY2(!play(broken, fewer).failed(), qPrintable(describe(fewer)));
    }
}

QTEST_MAIN(TestRandomInput)
#include "tst_random_input.moc"
