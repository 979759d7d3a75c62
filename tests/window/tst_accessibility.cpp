// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_fixture.h"

#include "forms/application.h"

#include <QAccessible>
#include <QtTest>

#include <array>
#include <functional>
#include <set>

using namespace std::string_view_literals;

namespace {

const QString kTitle = u"arche.example.org  Философия - начален елемент"_qs;
const QStringList kNames = {u"Талес"_qs,   u"Хипо"_qs,     u"Анаксимен"_qs, u"Идей Гимерийски"_qs,
                            u"Диоген "_qs, u"Хераклит"_qs, u"Хипас"_qs,     u"Енопид Хиоски"_qs};
const QStringList kCodes = {u"0002"_qs, u"0003"_qs, u"0004"_qs, u"0043"_qs};

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QList<QObject *> childObjects(const QAccessibleInterface *parent)
{
    QList<QObject *> objects;
    for (int i = 0; i < parent->childCount(); ++i) {
        const QAccessibleInterface *child = parent->child(i);
        objects << (child ? child->object() : nullptr);
    }
    return objects;
}

// Every node under root, depth first, as a screen reader walks the tree.
void walk(QAccessibleInterface *root, const std::function<void(QAccessibleInterface *)> &visit)
{
    visit(root);
    for (int i = 0; i < root->childCount(); ++i) {
        if (QAccessibleInterface *child = root->child(i)) {
            walk(child, visit);
        }
    }
}

// A form that knows nothing of the program: three labels, the middle one
// never shown, and a text box.
constexpr std::array kSmallControls = {
    forms::ControlSpec{.kind = forms::ControlKind::Label,
                       .name = "Shown",
                       .index = 0,
                       .width = 300,
                       .height = 300,
                       .caption = u"един"},
    forms::ControlSpec{.kind = forms::ControlKind::Label,
                       .name = "Hidden",
                       .index = 0,
                       .top = 300,
                       .width = 300,
                       .height = 300,
                       .caption = u"скрит",
                       .visible = false},
    forms::ControlSpec{.kind = forms::ControlKind::Label,
                       .name = "Shown",
                       .index = 1,
                       .top = 600,
                       .width = 300,
                       .height = 300,
                       .caption = u"два"},
    forms::ControlSpec{.kind = forms::ControlKind::TextBox,
                       .name = "Box",
                       .index = 0,
                       .top = 900,
                       .width = 1500,
                       .height = 600,
                       .text = u"стара дума"},
};
const forms::FormSpec kSmallForm{.caption = u"малка форма",
                                 .clientWidth = 1500,
                                 .clientHeight = 1500,
                                 .controls = kSmallControls};

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void windowIsNamedByItsTitle();
    void windowIsReachedFromTheApplication();
    void childrenAreTheShownControlsOnly();
    void hiddenCodeListIsNowhereInTheTree();
    void controls_data();
    void controls();
    void checkBoxesFollowTheSelection_data();
    void checkBoxesFollowTheSelection();
    void listItemsAreTheNamesInOrder();
    void textBoxIsReadOnly();
    void textBoxEditing_data();
    void textBoxEditing();
    void hiddenControlLeavesTheTreeOfAnyForm();
    void controlsOfAFormNotYetShownAreInTheTree();
};

void TestAccessibility::windowIsNamedByItsTitle()
{
    MainWindowFixture window;
    QVERIFY(window.ready);
    QAccessibleInterface *iface = accessible(window.form.get());
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::Window);
    QCOMPARE(iface->text(QAccessible::Name), kTitle);
    QVERIFY(!iface->state().invisible);
}

void TestAccessibility::windowIsReachedFromTheApplication()
{
    MainWindowFixture window;
    QVERIFY(window.ready);
    QAccessibleInterface *app = accessible(qApp);
    QVERIFY(app);
    QVERIFY(childObjects(app).contains(window.form.get()));
    QCOMPARE(accessible(window.form.get())->parent(), app);
}

void TestAccessibility::childrenAreTheShownControlsOnly()
{
    MainWindowFixture window;
    QVERIFY(window.ready);
    QAccessibleInterface *iface = accessible(window.form.get());
    const QList<QObject *> expected = {
        window.text(), window.label(), window.box(0),  window.box(1),
        window.box(2), window.box(3),  window.list(0),
    };
    QCOMPARE(childObjects(iface), expected);
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface *child = iface->child(i);
        QCOMPARE(iface->indexOfChild(child), i);
        QCOMPARE(child->parent(), iface);
    }
    QCOMPARE(iface->child(iface->childCount()), nullptr);
    QCOMPARE(iface->child(-1), nullptr);
    QCOMPARE(iface->indexOfChild(accessible(window.list(1))), -1);
}

void TestAccessibility::hiddenCodeListIsNowhereInTheTree()
{
    MainWindowFixture window;
    QVERIFY(window.ready);
    window.list(0)->setCurrentRow(7);
    std::set<QObject *> objects;
    QStringList names;
    walk(accessible(qApp), [&](QAccessibleInterface *node) {
        objects.insert(node->object());
        names << node->text(QAccessible::Name);
    });
    // The walk itself reaches the visible list and its rows.
    QVERIFY(objects.count(window.list(0)));
    QVERIFY(names.contains(kNames[7]));
    QVERIFY(!objects.count(window.list(1)));
    for (const QString &code : kCodes) {
        QVERIFY2(!names.contains(code), qPrintable(code));
    }
}

void TestAccessibility::controls_data()
{
    QTest::addColumn<QString>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");

    QTest::newRow("Label1(0)") << u"Label1"_qs << 0 << QAccessible::StaticText
                               << u"Гръцки философи и основен елемент"_qs;
    QTest::newRow("Check1(0)") << u"Check1"_qs << 0 << QAccessible::CheckBox << u"земя"_qs;
    QTest::newRow("Check1(1)") << u"Check1"_qs << 1 << QAccessible::CheckBox << u"вода"_qs;
    QTest::newRow("Check1(2)") << u"Check1"_qs << 2 << QAccessible::CheckBox << u"въздух"_qs;
    QTest::newRow("Check1(3)") << u"Check1"_qs << 3 << QAccessible::CheckBox << u"огън"_qs;
    QTest::newRow("List1(0)") << u"List1"_qs << 0 << QAccessible::List << u"Философи"_qs;
    QTest::newRow("Text1(0)") << u"Text1"_qs << 0 << QAccessible::EditableText << u"Резултат"_qs;
}

void TestAccessibility::controls()
{
    QFETCH(QString, array);
    QFETCH(int, index);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);

    MainWindowFixture window;
    QVERIFY(window.ready);
    QWidget *control = window.form->element(array.toStdString(), std::int16_t(index));
    QVERIFY(control);
    QAccessibleInterface *iface = accessible(control);
    QVERIFY(iface);
    QCOMPARE(iface->role(), role);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QVERIFY(!iface->state().invisible);
    // Only the element boxes are disabled: they show, the pupil does not tick.
    QCOMPARE(bool(iface->state().disabled), role == QAccessible::CheckBox);
}

void TestAccessibility::checkBoxesFollowTheSelection_data()
{
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QList<bool>>("checked");

    QTest::newRow("nobody chosen") << QList<int>{} << QList<bool>{false, false, false, false};
    QTest::newRow("Талес") << QList<int>{0} << QList<bool>{false, true, false, false};
    QTest::newRow("Анаксимен") << QList<int>{2} << QList<bool>{false, false, true, false};
    QTest::newRow("Хераклит") << QList<int>{5} << QList<bool>{false, false, false, true};
    QTest::newRow("Енопид Хиоски") << QList<int>{7} << QList<bool>{false, false, true, true};
    QTest::newRow("Енопид Хиоски, then Талес")
        << QList<int>{7, 0} << QList<bool>{false, true, false, false};
}

void TestAccessibility::checkBoxesFollowTheSelection()
{
    QFETCH(QList<int>, rows);
    QFETCH(QList<bool>, checked);

    MainWindowFixture window;
    QVERIFY(window.ready);
    for (const int row : rows) {
        window.list(0)->setCurrentRow(row);
    }
    for (std::int16_t i = 0; i < 4; ++i) {
        const QAccessible::State state = accessible(window.box(i))->state();
        QVERIFY(state.checkable);
        QCOMPARE(bool(state.checked), checked[i]);
        QVERIFY(state.disabled);
    }
}

void TestAccessibility::listItemsAreTheNamesInOrder()
{
    MainWindowFixture window;
    QVERIFY(window.ready);
    window.list(0)->setCurrentRow(7);
    QAccessibleInterface *list = accessible(window.list(0));
    QStringList items;
    QList<int> selected;
    for (int i = 0; i < list->childCount(); ++i) {
        QAccessibleInterface *item = list->child(i);
        QCOMPARE(item->role(), QAccessible::ListItem);
        items << item->text(QAccessible::Name);
        if (item->state().selected) {
            selected << i;
        }
    }
    QCOMPARE(items, kNames);
    QCOMPARE(selected, QList<int>{7});
}

void TestAccessibility::textBoxIsReadOnly()
{
    MainWindowFixture window;
    QVERIFY(window.ready);
    const QString shown = window.text()->toPlainText();
    QAccessibleInterface *iface = accessible(window.text());
    QVERIFY(iface->state().readOnly);
    QVERIFY(!iface->state().editable);
    QCOMPARE(iface->editableTextInterface(), nullptr);
    // What a screen reader reads is the text as shown, line for line.
    QAccessibleTextInterface *text = iface->textInterface();
    QVERIFY(text);
    QCOMPARE(text->characterCount(), shown.size());
    QCOMPARE(text->text(0, text->characterCount()), shown);
    QCOMPARE(iface->text(QAccessible::Value), shown);
    int start = -1;
    int end = -1;
    QCOMPARE(text->textAtOffset(2, QAccessible::WordBoundary, &start, &end), u"Опитите"_qs);
    QCOMPARE(std::pair(start, end), std::pair(0, 7));
}

void TestAccessibility::textBoxEditing_data()
{
    QTest::addColumn<bool>("locked");
    QTest::addColumn<QString>("afterEdits");

    QTest::newRow("locked") << true << u"стара дума"_qs;
    QTest::newRow("not locked") << false << u"нова дума!"_qs;
}

// Reading and selecting work on both; only the box that is not locked
// takes text from assistive technology.
void TestAccessibility::textBoxEditing()
{
    QFETCH(bool, locked);
    QFETCH(QString, afterEdits);

    forms::Form form(kSmallForm);
    auto *box = qobject_cast<forms::TextBox *>(form.element("Box"sv, 0));
    QVERIFY(box);
    box->setLocked(locked);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QAccessibleInterface *iface = accessible(box);
    QCOMPARE(bool(iface->state().readOnly), locked);
    QCOMPARE(bool(iface->state().editable), !locked);

    QAccessibleTextInterface *text = iface->textInterface();
    QVERIFY(text);
    text->setSelection(0, 6, 10);
    QCOMPARE(box->textCursor().selectedText(), u"дума"_qs);
    int start = -1;
    int end = -1;
    text->selection(0, &start, &end);
    QCOMPARE(std::pair(start, end), std::pair(6, 10));
    text->removeSelection(0);
    QCOMPARE(text->selectionCount(), 0);

    if (QAccessibleEditableTextInterface *editing = iface->editableTextInterface()) {
        editing->replaceText(0, 5, u"нова"_qs);
        editing->insertText(9, u"!"_qs);
    }
    // The interface refuses as well when asked through a pointer kept
    // from before the box was locked.
    auto *kept = static_cast<QAccessibleEditableTextInterface *>(
        iface->interface_cast(QAccessible::EditableTextInterface));
    box->setLocked(true);
    if (kept) {
        kept->deleteText(0, 4);
    }
    QCOMPARE(box->toPlainText(), afterEdits);
}

void TestAccessibility::hiddenControlLeavesTheTreeOfAnyForm()
{
    forms::Form form(kSmallForm);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QAccessibleInterface *iface = accessible(&form);
    QCOMPARE(iface->role(), QAccessible::Window);
    QCOMPARE(iface->text(QAccessible::Name), u"малка форма"_qs);
    QWidget *first = form.element("Shown"sv, 0);
    QWidget *hidden = form.element("Hidden"sv, 0);
    QWidget *second = form.element("Shown"sv, 1);
    QWidget *box = form.element("Box"sv, 0);
    QCOMPARE(childObjects(iface), (QList<QObject *>{first, second, box}));
    QCOMPARE(iface->indexOfChild(accessible(second)), 1);
    QCOMPARE(iface->indexOfChild(accessible(hidden)), -1);

    // A control hidden while the form is open leaves the tree, and comes
    // back when shown again.
    first->hide();
    QCOMPARE(childObjects(iface), (QList<QObject *>{second, box}));
    first->show();
    QCOMPARE(childObjects(iface), (QList<QObject *>{first, second, box}));
}

void TestAccessibility::controlsOfAFormNotYetShownAreInTheTree()
{
    forms::Form form(kSmallForm);
    QVERIFY(!form.isVisible());
    QCOMPARE(childObjects(accessible(&form)),
             (QList<QObject *>{form.element("Shown"sv, 0), form.element("Shown"sv, 1),
                               form.element("Box"sv, 0)}));
}

// The program's own start-up, so that the tree is the one a screen reader
// gets from arche: forms::Application installs the accessible form.
int main(int argc, char *argv[])
{
    forms::Application application(argc, argv, window::kApplicationInfo);
    TestAccessibility test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_accessibility.moc"
