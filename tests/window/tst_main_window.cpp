// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_fixture.h"

#include "forms/colour.h"
#include "forms/control_array.h"
#include "forms/motif_wm_hints.h"
#include "forms/run_time_error.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace {

const QColor kLightBlue(192, 192, 255);
const QColor kLightOrange(255, 192, 128);
const QColor kLightGreen(128, 255, 128);
const QColor kWhite(255, 255, 255);

// The exercise as the pupil reads it before choosing anybody, line by line.
const QStringList kExerciseLines = {
    u"Опитите на философи, в Древна Гърция, за обяснение на явления довеждат до възникване "
    u"теорията на атомизма. Тя възниква едновременно с учението за четирите основни елемента: "
    u"огън, вода, въздух и земя. Подобни “основни елементи” се срещат и в философии от други "
    u"страни."_qs,
    u"Прочетете допълнително за старогръцките философи."_qs,
    u"Да се създаде проект създаващ междупредметна връзка Философия и Информатика."_qs,
    u"В проекта предварително са въведени имената на философи (в листово поле), както и имената "
    u"на 4-те елемента (като група бутони за опционален избор)."_qs,
    u"При избор на даден философ, автоматично да се извежда, неговото мнение за начален произход "
    u"на всичко."_qs,
    u"Пример:"_qs,
    u"Талес:вода"_qs,
    u"Хипо:вода"_qs,
    u"Анаксимен:въздух"_qs,
    u"Идей Гимерийски:въздух"_qs,
    u"Диоген :въздух"_qs,
    u"Хераклит:огън"_qs,
    u"Хипас:огън"_qs,
    u"Енопид Хиоски:огън и  въздух"_qs,
    QString(),
    u"Подобно представяне на основните елементи е залегнало в доста публикации от древността и е "
    u"повлияло на редица автори. Пример: "_qs,
    u"а) 4-те мускетари на Дюма;"_qs,
    u"б) класификация за видове темперамент на Хипократ"_qs,
    u"в) основни градивни елементи:"_qs,
    u"Д'Артанян : Сангвиник : Въздух"_qs,
    u"Портос : Холерик : Огън"_qs,
    u"Арамис : Флегматик : Вода"_qs,
    u"Атос : Меланхолик : Земя"_qs,
};

const QStringList kNames = {u"Талес"_qs,   u"Хипо"_qs,     u"Анаксимен"_qs, u"Идей Гимерийски"_qs,
                            u"Диоген "_qs, u"Хераклит"_qs, u"Хипас"_qs,     u"Енопид Хиоски"_qs};
const QStringList kCodes = {u"0002"_qs, u"0002"_qs, u"0003"_qs, u"0003"_qs,
                            u"0003"_qs, u"0004"_qs, u"0004"_qs, u"0043"_qs};
const QStringList kCaptions = {u"земя\r\n"_qs, u"вода\r\n"_qs, u"въздух\r\n"_qs, u"огън\r\n"_qs};

QStringList listItems(const forms::ListBox *list)
{
    QStringList items;
    for (int row = 0; row < list->count(); ++row) {
        items << list->item(row)->text();
    }
    return items;
}

struct ShownState
{
    QString text;
    QList<bool> checked;
    bool operator==(const ShownState &) const = default;
};

ShownState shownState(const MainWindowFixture &window)
{
    ShownState state{window.text()->text(), {}};
    for (std::int16_t e = 0; e < 4; ++e) {
        state.checked << window.box(e)->isChecked();
    }
    return state;
}

// How often the colour changes from one pixel to the next along each side
// of `rect`: top, bottom, left, right. A dotted line changes at every pixel,
// a plain edge nowhere.
QList<int> outlineAlternations(const QImage &image, const QRect &rect)
{
    QList<int> changes(4, 0);
    for (int x = rect.left() + 1; x <= rect.right(); ++x) {
        changes[0] += image.pixelColor(x, rect.top()) != image.pixelColor(x - 1, rect.top());
        changes[1] += image.pixelColor(x, rect.bottom()) != image.pixelColor(x - 1, rect.bottom());
    }
    for (int y = rect.top() + 1; y <= rect.bottom(); ++y) {
        changes[2] += image.pixelColor(rect.left(), y) != image.pixelColor(rect.left(), y - 1);
        changes[3] += image.pixelColor(rect.right(), y) != image.pixelColor(rect.right(), y - 1);
    }
    return changes;
}

#ifdef Q_OS_WIN
// The text as other Windows programs read it from the clipboard: Windows'
// own Unicode text format, which Qt fills only when asked.
QString nativeClipboardText()
{
    QString text;
    if (OpenClipboard(nullptr)) {
        if (HANDLE handle = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto *units = static_cast<const wchar_t *>(GlobalLock(handle))) {
                text = QString::fromWCharArray(units);
                GlobalUnlock(handle);
            }
        }
        CloseClipboard();
    }
    return text;
}
#endif

// The last line of the text box, where Ctrl+End puts the caret, in the
// viewport's pixels.
QRect lastLine(const forms::TextBox *box)
{
    QTextCursor end(box->document());
    end.movePosition(QTextCursor::End);
    return box->cursorRect(end);
}

void turnWheel(QWidget *widget, int steps)
{
    const QPointF point = QRectF(widget->rect()).center();
    QWheelEvent wheel(point, widget->mapToGlobal(point), QPoint(), QPoint(0, 120 * steps),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void frame();
    void frameHints_data();
    void frameHints();
    void controls_data();
    void controls();
    void colours_data();
    void colours();
    void disabledCaptionsStayReadable();
    void initialContents();
    void focusAndTabOrder();
    void focusIsVisible_data();
    void focusIsVisible();
    void textBoxCannotBeEdited_data();
    void textBoxCannotBeEdited();
    void textBoxCanBeSelectedAndCopied();
    void copyGivesPlainText_data();
    void copyGivesPlainText();
    void textBoxEndsWithItsText_data();
    void textBoxEndsWithItsText();
    void checkBoxesIgnoreTheUser();
    void bulgarianStandardTexts();
    void missingElementIsRunTimeError();

private:
    QTranslator m_translator;
};

void TestMainWindow::initTestCase()
{
    QVERIFY(forms::installBulgarianTranslation(m_translator));
}

void TestMainWindow::frame()
{
    MainWindowFixture window;
    QVERIFY(window.ready);
    forms::Form &form = *window.form;

    QCOMPARE(form.windowTitle(), u"arche.example.org  Философия - начален елемент"_qs);
    QCOMPARE(form.size(), QSize(461, 345));
    QCOMPARE(form.minimumSize(), QSize(461, 345));
    QCOMPARE(form.maximumSize(), QSize(461, 345));
    form.resize(600, 400);
    QCOMPARE(form.size(), QSize(461, 345));

    const Qt::WindowFlags flags = form.windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));

    // The whole window, with the frame the platform draws around it, up to
    // the rounding of an odd size.
    const QPoint offset =
        form.frameGeometry().center() - form.screen()->availableGeometry().center();
    QVERIFY2(std::abs(offset.x()) <= 1 && std::abs(offset.y()) <= 1,
             "the window opens centred on the screen");

    // A fixed single border with a close box only, for window managers
    // that read no more than the Motif hints as well.
    const forms::MotifWmHints hints = forms::motifWmHints(flags);
    QCOMPARE(hints.functions, quint32(forms::MotifWmHints::Move | forms::MotifWmHints::Close));
    QCOMPARE(hints.decorations, quint32(forms::MotifWmHints::Border | forms::MotifWmHints::Title |
                                        forms::MotifWmHints::Menu));

    const QIcon icon = form.windowIcon();
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.pixmap(32, 32).size(), QSize(32, 32));
}

void TestMainWindow::frameHints_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("functions");
    QTest::addColumn<int>("decorations");

    const Qt::WindowFlags titleBar = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                     Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    // Qt's own hints for the fixed window offer resizing: 0x26 and 0x1e.
    QTest::newRow("fixed, close box only")
        << int(titleBar | Qt::MSWindowsFixedSizeDialogHint) << 0x24 << 0x1a;
    QTest::newRow("fixed, with minimise button")
        << int(titleBar | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint) << 0x2c
        << 0x3a;
    QTest::newRow("sizable, all buttons")
        << int(titleBar | Qt::WindowMinMaxButtonsHint) << 0x3e << 0x7e;
    QTest::newRow("sizable, no system menu") << int(Qt::Window | Qt::CustomizeWindowHint |
                                                    Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
                                             << 0x26 << 0x0e;
}

// The window flags a form sets, as the hints an X11 window manager gets.
void TestMainWindow::frameHints()
{
    QFETCH(int, flags);
    QFETCH(int, functions);
    QFETCH(int, decorations);

    const forms::MotifWmHints hints = forms::motifWmHints(Qt::WindowFlags(flags));
    QCOMPARE(hints.flags, 3u); // both fields are meant
    QCOMPARE(int(hints.functions), functions);
    QCOMPARE(int(hints.decorations), decorations);
    QCOMPARE(hints.inputMode, 0u);
    QCOMPARE(hints.status, 0u);
}

void TestMainWindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("bold");

    const QString label = u"QLabel"_qs, box = u"forms::CheckBox"_qs, list = u"forms::ListBox"_qs;
    QTest::newRow("Label1(0)") << u"Label1"_qs << 0 << label << QRect(64, 0, 305, 25) << true
                               << true << false;
    for (int e = 0; e < 4; ++e) {
        QTest::addRow("Check1(%d)", e)
            << u"Check1"_qs << e << box << QRect(48, 56 + 32 * e, 121, 25) << true << false << true;
    }
    QTest::newRow("List1(0)") << u"List1"_qs << 0 << list << QRect(192, 56, 201, 118) << true
                              << true << false;
    QTest::newRow("List1(1)") << u"List1"_qs << 1 << list << QRect(368, 80, 89, 118) << false
                              << true << false;
    QTest::newRow("Text1(0)") << u"Text1"_qs << 0 << u"forms::TextBox"_qs << QRect(8, 192, 449, 121)
                              << true << true << false;
}

void TestMainWindow::controls()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QString, kind);
    QFETCH(QRect, pixels);
    QFETCH(bool, visible);
    QFETCH(bool, enabled);
    QFETCH(bool, bold);

    MainWindowFixture window;
    QVERIFY(window.ready);
    const QWidget *control = window.form->element(name.toStdString(), std::int16_t(index));
    QVERIFY(control);
    QCOMPARE(control->metaObject()->className(), kind);
    QCOMPARE(control->geometry(), pixels);
    QCOMPARE(control->isVisible(), visible);
    QCOMPARE(control->isEnabled(), enabled);

    const QFontInfo font(control->font());
    QVERIFY2(font.family() == u"Times New Roman"_qs || font.family() == u"Liberation Serif"_qs,
             qPrintable(font.family()));
    QCOMPARE(font.pointSize(), 12);
    QCOMPARE(font.bold(), bold);
    QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
}

void TestMainWindow::colours_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("window, top left") << QPoint(20, 10) << kLightBlue;
    QTest::newRow("window, bottom") << QPoint(200, 330) << kLightBlue;
    QTest::newRow("window, between boxes and list") << QPoint(180, 120) << kLightBlue;
    QTest::newRow("label") << QPoint(67, 3) << kLightOrange;
    QTest::newRow("label, right end") << QPoint(365, 21) << kLightOrange;
    for (int e = 0; e < 4; ++e) {
        QTest::addRow("Check1(%d)", e) << QPoint(160, 59 + 32 * e) << kLightGreen;
    }
    QTest::newRow("List1(0)") << QPoint(340, 62) << kWhite;
    QTest::newRow("Text1(0)") << QPoint(436, 196) << kWhite;
}

void TestMainWindow::colours()
{
    QFETCH(QPoint, point);
    QFETCH(QColor, colour);

    MainWindowFixture window;
    QVERIFY(window.ready);
    const QImage image = window.form->grab().toImage();
    QCOMPARE(image.pixelColor(point).rgb(), colour.rgb());
}

void TestMainWindow::disabledCaptionsStayReadable()
{
    MainWindowFixture window;
    QVERIFY(window.ready);
    const QImage image = window.form->grab().toImage();

    for (std::int16_t e = 0; e < 4; ++e) {
        const QRect caption = window.box(e)->geometry().adjusted(16, 2, -2, -2);
        QColor darkest = kWhite;
        for (int y = caption.top(); y <= caption.bottom(); ++y) {
            for (int x = caption.left(); x <= caption.right(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (pixel.lightness() < darkest.lightness()) {
                    darkest = pixel;
                }
            }
        }
        const double ratio = forms::contrastRatio(darkest, kLightGreen);
        QVERIFY2(ratio >= 3.0, qPrintable(u"Check1(%1): %2:1"_qs.arg(e).arg(ratio)));
    }
}

void TestMainWindow::initialContents()
{
    MainWindowFixture window;
    QVERIFY(window.ready);

    QCOMPARE(listItems(window.list(0)), kNames);
    QCOMPARE(listItems(window.list(1)), kCodes);
    QCOMPARE(window.list(0)->selectedRow(), -1);
    QVERIFY(!window.list(0)->isSortingEnabled());

    for (std::int16_t e = 0; e < 4; ++e) {
        QCOMPARE(window.box(e)->caption(), kCaptions[e]);
        QCOMPARE(window.box(e)->text(), kCaptions[e].chopped(2)); // one line on screen
        QVERIFY(!window.box(e)->isChecked());
        QCOMPARE(window.box(e)->layoutDirection(), Qt::LeftToRight); // box left of caption
    }
    QCOMPARE(window.label()->text(), u"Гръцки философи и основен елемент"_qs);
    QVERIFY(window.label()->alignment() & Qt::AlignHCenter);

    const QString text = window.text()->text();
    QCOMPARE(text.size(), 1147);
    QCOMPARE(text, kExerciseLines.join(u"\r\n"_qs) + u"\r\n"_qs);
    // Shown from its first line, one line on screen for each CR LF.
    QCOMPARE(window.text()->document()->blockCount(), 24);
    QCOMPARE(window.text()->verticalScrollBar()->value(), 0);
    QVERIFY(window.text()->verticalScrollBar()->isVisible());
}

void TestMainWindow::focusAndTabOrder()
{
    MainWindowFixture window;
    QVERIFY(window.ready);
    QCOMPARE(QApplication::focusWidget(), window.text());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window.list(0));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window.text());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), window.list(0));

    // The stored order, whether or not a control can take the focus.
    const QList<QWidget *> expected = {window.text(),  window.label(), window.box(0),
                                       window.box(1),  window.box(2),  window.box(3),
                                       window.list(0), window.list(1)};
    QWidget *widget = window.text();
    for (int i = 1; i < expected.size(); ++i) {
        widget = widget->nextInFocusChain();
        while (widget->parentWidget() != window.form.get()) { // skip scroll bars and viewports
            widget = widget->nextInFocusChain();
        }
        QCOMPARE(widget, expected[i]);
    }
}

void TestMainWindow::focusIsVisible_data()
{
    QTest::addColumn<int>("selected"); // -1: none
    QTest::newRow("nothing selected") << -1;
    QTest::newRow("Хераклит selected") << 5;
}

// Tab into the list shows a focus rectangle on its caret row, the first row
// when nothing is selected, without selecting it; Tab on takes it away and
// shows the text box's caret.
void TestMainWindow::focusIsVisible()
{
    QFETCH(int, selected);

    MainWindowFixture window;
    QVERIFY(window.ready);
    forms::ListBox *list = window.list(0);
    forms::TextBox *box = window.text();
    if (selected >= 0) {
        clickRow(list, selected);
        QTest::keyClick(list, Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget(), box);
    const int caret = std::max(selected, 0);
    const QRect row = list->visualItemRect(list->item(caret)).translated(list->viewport()->pos());
    const QImage before = list->grab().toImage();
    const QRect caretInBox = box->cursorRect().translated(box->viewport()->pos());
    const QImage boxFocused = box->grab().toImage();

    QTest::keyClick(box, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), list);
    QCOMPARE(list->selectedRow(), selected);
    const QImage after = list->grab().toImage();
    const QList<int> plain = outlineAlternations(before, row);
    const QList<int> dotted = outlineAlternations(after, row);
    const QList<int> sides = {row.width(), row.width(), row.height(), row.height()};
    for (int side = 0; side < 4; ++side) {
        // Without the focus the row's edge is plain; with it, a dotted line
        // changes colour at every pixel, give or take the corners.
        QVERIFY2(plain[side] <= 2 && dotted[side] >= sides[side] - 3,
                 qPrintable(u"side %1 of %2 pixels: %3 changes before, %4 after"_qs.arg(side)
                                .arg(sides[side])
                                .arg(plain[side])
                                .arg(dotted[side])));
    }
    // Only the rectangle: inside it the row is drawn as before. A style that
    // shows the focus by the colour of the selection too (Windows' own)
    // repaints a selected row's inside in that colour.
    const QPalette palette = list->palette();
    if (selected < 0 || palette.color(QPalette::Active, QPalette::Highlight) ==
                            palette.color(QPalette::Inactive, QPalette::Highlight)) {
        QCOMPARE(after.copy(row.adjusted(1, 1, -1, -1)), before.copy(row.adjusted(1, 1, -1, -1)));
    }

    // The caret that the text box showed is gone with its focus.
    const QImage boxUnfocused = box->grab().toImage();
    QVERIFY(boxFocused.copy(caretInBox) != boxUnfocused.copy(caretInBox));

    QTest::keyClick(list, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), box);
    QCOMPARE(list->grab().toImage(), before);
    QCOMPARE(box->grab().toImage().copy(caretInBox), boxFocused.copy(caretInBox));
}

void TestMainWindow::textBoxCannotBeEdited_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("typed");

    QTest::newRow("letters") << QKeySequence() << u"абв xyz"_qs;
    QTest::newRow("Return") << QKeySequence(Qt::Key_Return) << QString();
    QTest::newRow("Backspace") << QKeySequence(Qt::Key_Backspace) << QString();
    QTest::newRow("Delete") << QKeySequence(Qt::Key_Delete) << QString();
    QTest::newRow("Ctrl+V") << QKeySequence(QKeySequence::Paste) << QString();
    QTest::newRow("Ctrl+A, Ctrl+X") << QKeySequence(u"Ctrl+A, Ctrl+X"_qs) << QString();
    QTest::newRow("Ctrl+A, Delete") << QKeySequence(u"Ctrl+A, Del"_qs) << QString();
    QTest::newRow("Ctrl+Z") << QKeySequence(QKeySequence::Undo) << QString();
}

void TestMainWindow::textBoxCannotBeEdited()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QString, typed);

    MainWindowFixture window;
    QVERIFY(window.ready);
    QApplication::clipboard()->setText(u"поставен текст"_qs);
    forms::TextBox *box = window.text();
    const QString before = box->text();
    const QString shownBefore = box->toPlainText();

    box->setFocus();
    QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    for (const QChar ch : typed) { // Cyrillic too, which keyClicks() cannot spell
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
    for (int i = 0; i < keys.count(); ++i) {
        QTest::keySequence(box, QKeySequence(keys[i]));
    }
    QCOMPARE(box->text(), before);
    QCOMPARE(box->toPlainText(), shownBefore);
    QVERIFY(box->isReadOnly());
}

void TestMainWindow::textBoxCanBeSelectedAndCopied()
{
    MainWindowFixture window;
    QVERIFY(window.ready);
    forms::TextBox *box = window.text();

    QApplication::clipboard()->clear();
    QTest::keySequence(box, QKeySequence::SelectAll);
    QTest::keySequence(box, QKeySequence::Copy);
    QCOMPARE(QApplication::clipboard()->text(), box->toPlainText());

    // Selecting a word with the keyboard, from the start.
    QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(box->textCursor().selectedText().trimmed(), u"Опитите"_qs);

    QScrollBar *bar = box->verticalScrollBar();
    QTest::keyClick(box, Qt::Key_PageDown);
    QVERIFY(bar->value() > 0);
}

void TestMainWindow::copyGivesPlainText_data()
{
    QTest::addColumn<int>("row"); // -1: the exercise
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("copied");

    const QString all = u"Ctrl+A, Ctrl+C"_qs;
    QTest::newRow("the exercise, all") << -1 << all << kExerciseLines.join(u'\n') + u'\n';
    QTest::newRow("Енопид Хиоски, all")
        << 7 << all << u"Философът Енопид Хиоски приема за начален елемент: \nогън\n въздух\n "_qs;
    QTest::newRow("Талес, two lines by keyboard")
        << 0 << u"Ctrl+Home, Down, Shift+Down, Shift+End, Ctrl+C"_qs << u"вода\n "_qs;
}

// Whatever is selected goes to the clipboard as plain text alone, one LF a
// line break; Qt hands it to other programs with CR LF on Windows.
void TestMainWindow::copyGivesPlainText()
{
    QFETCH(int, row);
    QFETCH(QString, keys);
    QFETCH(QString, copied);

    MainWindowFixture window;
    QVERIFY(window.ready);
    if (row >= 0) {
        clickRow(window.list(0), row);
    }
    QApplication::clipboard()->clear();
    forms::TextBox *box = window.text();
    box->setFocus();
    for (const QString &key : keys.split(u", "_qs)) {
        QTest::keySequence(box, QKeySequence(key));
    }
    const QMimeData *data = QApplication::clipboard()->mimeData();
    QVERIFY(data);
    QVERIFY2(data->hasText(), qPrintable(data->formats().join(u", "_qs)));
    for (const QString &rich :
         {u"text/html"_qs, u"text/markdown"_qs, u"application/vnd.oasis.opendocument.text"_qs}) {
        QVERIFY2(!data->hasFormat(rich), qPrintable(data->formats().join(u", "_qs)));
    }
    QCOMPARE(data->text(), copied);
#ifdef Q_OS_WIN
    // Another program pastes Windows' own line breaks, CR LF.
    QCOMPARE(nativeClipboardText(), QString(copied).replace(u"\n"_qs, u"\r\n"_qs));
#endif
}

void TestMainWindow::textBoxEndsWithItsText_data()
{
    QTest::addColumn<int>("row"); // -1: the exercise
    QTest::newRow("the exercise") << -1;
    for (int row = 0; row < kNames.size(); ++row) {
        QTest::addRow("%s", qPrintable(kNames[row])) << row;
    }
}

// Wheel and scroll bar move the text by whole lines and stop where its last
// line reaches the bottom of the box; a text that fits does not scroll.
void TestMainWindow::textBoxEndsWithItsText()
{
    QFETCH(int, row);

    MainWindowFixture window;
    QVERIFY(window.ready);
    if (row >= 0) {
        clickRow(window.list(0), row);
    }
    forms::TextBox *box = window.text();
    QScrollBar *bar = box->verticalScrollBar();
    const int height = box->viewport()->height();
    const int lineHeight = lastLine(box).height();
    const bool fits = lastLine(box).bottom() < height;
    QCOMPARE(fits, row >= 0);

    // The scroll bar's down arrow, one line a click, then the wheel.
    const QPoint downArrow(bar->width() / 2, bar->height() - 4);
    int previous = bar->value();
    for (int click = 0; click < 40; ++click) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, downArrow);
        QVERIFY(bar->value() == previous || bar->value() == previous + 1);
        if (bar->value() > 0) {
            // Whole lines: the top line starts at the top edge (Qt draws a
            // wrapped paragraph's later lines up to a pixel lower), and
            // nothing of the line above it shows.
            const QRect top = box->cursorRect(box->cursorForPosition(QPoint(8, 1)));
            QVERIFY2(
                top.top() >= 0 && top.top() <= 1,
                qPrintable(u"at %1 the top line starts at %2"_qs.arg(bar->value()).arg(top.top())));
            const QImage image = box->viewport()->grab().toImage();
            for (int y = 0; y < top.top(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    QCOMPARE(image.pixelColor(x, y), box->palette().color(QPalette::Base));
                }
            }
        }
        previous = bar->value();
    }
    const int end = bar->value();

    turnWheel(box->viewport(), -3);
    QCOMPARE(bar->value(), end);
    QCOMPARE(bar->maximum(), end);

    const QRect last = lastLine(box);
    if (fits) {
        QCOMPARE(end, 0);
    } else {
        // The last line stands whole at the bottom, with less than a line under it.
        QVERIFY2(last.bottom() < height && height - last.bottom() - 1 < lineHeight,
                 qPrintable(
                     u"last line %1..%2 in %3"_qs.arg(last.top()).arg(last.bottom()).arg(height)));
        // One line back, the last line is not shown whole.
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, 4));
        QCOMPARE(bar->value(), end - 1);
        QVERIFY(lastLine(box).bottom() >= height);
        QTest::mouseClick(bar, Qt::LeftButton, {}, downArrow);
        QCOMPARE(bar->value(), end);
    }
    // And as drawn: under the last line the box is empty.
    const QImage image = box->viewport()->grab().toImage();
    const QColor base = box->palette().color(QPalette::Base);
    for (int y = last.bottom() + 1; y < height; ++y) {
        for (int x = 0; x < box->viewport()->width(); ++x) {
            QCOMPARE(image.pixelColor(x, y), base);
        }
    }
}

void TestMainWindow::checkBoxesIgnoreTheUser()
{
    MainWindowFixture window;
    QVERIFY(window.ready);
    const ShownState before = shownState(window);

    for (std::int16_t e = 0; e < 4; ++e) {
        forms::CheckBox *box = window.box(e);
        QVERIFY(!box->isEnabled());
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
        QTest::keyClick(box, Qt::Key_Space);
        // Clicking where the box is, through the window, as a pupil does.
        QTest::mouseClick(window.form.get(), Qt::LeftButton, {}, box->geometry().center());
    }
    QCOMPARE(shownState(window), before);
}

void TestMainWindow::bulgarianStandardTexts()
{
    MainWindowFixture window;
    QVERIFY(window.ready);

    std::unique_ptr<QMenu> menu(window.text()->createStandardContextMenu(QPoint(10, 10)));
    QStringList texts;
    for (const QAction *action : menu->actions()) {
        if (!action->isSeparator()) {
            texts << action->text().section(u'\t', 0, 0); // the key names after the tab stay
        }
    }
    // A locked box offers only what does not edit it.
    QCOMPARE(texts, (QStringList{u"&Копиране"_qs, u"Избиране на всичко"_qs}));

    QMessageBox box(QMessageBox::Critical, QString(), QString(), QMessageBox::Ok);
    QCOMPARE(box.button(QMessageBox::Ok)->text(), u"Добре"_qs);
}

void TestMainWindow::missingElementIsRunTimeError()
{
    MainWindowFixture window;
    const forms::ControlArray<forms::ListBox> list1(*window.form, window::kList1);
    const forms::ControlArray<forms::CheckBox> check1(*window.form, window::kCheck1);

    QCOMPARE(&list1(1), window.list(1));
    QCOMPARE(&check1(3), window.box(3));
    try {
        check1(4);
        QFAIL("Check1(4) does not exist");
    } catch (const forms::RunTimeError &error) {
        QCOMPARE(error.number(), forms::RunTimeError::NoSuchControlArrayElement);
        QVERIFY(error.description().contains(u"Check1(4)"_qs));
    }
    // An element of another kind is no element of this array either.
    QVERIFY_THROWS_EXCEPTION(forms::RunTimeError,
                             forms::ControlArray<forms::CheckBox>(*window.form, window::kList1)(0));
    QVERIFY_THROWS_EXCEPTION(forms::RunTimeError, list1(-1));
    QVERIFY_THROWS_EXCEPTION(forms::RunTimeError, window.list(0)->itemText(8));
    QVERIFY_THROWS_EXCEPTION(forms::RunTimeError, window.box(0)->setValue(2));
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
