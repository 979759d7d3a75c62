// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window with the least plain Qt code: the same controls, places,
// colours, fonts and texts as arche's, built by hand, without the form run
// time, translation, icon or accessible names. arche must start no slower
// than this.
#include "first_paint_probe.h"

#include "core/element_table.h"
#include "core/philosopher_table.h"
#include "window/exercise_text.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>

namespace {

QString text(std::u16string_view s)
{
    return QString(reinterpret_cast<const QChar *>(s.data()), qsizetype(s.size()));
}

QFont times12(bool bold)
{
    QFont font(u"Times New Roman"_qs, 12, bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::Serif);
    return font;
}

void paintBackground(QWidget *widget, QColor colour, bool button)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    if (button) {
        palette.setColor(QPalette::Button, colour);
        // Disabled text dark enough to read on the green, as arche draws it.
        for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
            palette.setColor(QPalette::Disabled, role, QColor(0x5f, 0x5f, 0x5f));
        }
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    bench::FirstPaintProbe probe;

    QWidget form(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint);
    form.setWindowTitle(u"arche.example.org  Философия - начален елемент"_qs);
    form.setFixedSize(461, 345);
    paintBackground(&form, QColor(0xC0, 0xC0, 0xFF), false);
    form.setFont(times12(false));

    auto *text1 = new QPlainTextEdit(&form);
    text1->setGeometry(8, 192, 449, 121);
    text1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1->setTabChangesFocus(true);
    text1->setReadOnly(true);
    text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text1->setUndoRedoEnabled(false);
    text1->setPlainText(text(window::kExerciseText).replace(u"\r\n"_qs, u"\n"_qs));

    auto *label1 = new QLabel(u"Гръцки философи и основен елемент"_qs, &form);
    label1->setGeometry(64, 0, 305, 25);
    label1->setAlignment(Qt::AlignCenter);
    paintBackground(label1, QColor(0xFF, 0xC0, 0x80), false);

    for (int element = 0; element < 4; ++element) {
        auto *box =
            new QCheckBox(text(core::kElementCaptions[std::size_t(element)]).trimmed(), &form);
        box->setGeometry(48, 56 + 32 * element, 121, 25);
        box->setFont(times12(true));
        paintBackground(box, QColor(0x80, 0xFF, 0x80), true);
        box->setEnabled(false);
    }

    auto *list1 = new QListWidget(&form);
    list1->setGeometry(192, 56, 201, 118);
    for (const auto &philosopher : core::kPhilosophers) {
        list1->addItem(text(philosopher.name));
    }
    list1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list1->setUniformItemSizes(true);

    auto *codes = new QListWidget(&form);
    codes->setGeometry(368, 80, 89, 118);
    for (const auto &philosopher : core::kPhilosophers) {
        codes->addItem(text(philosopher.code));
    }
    codes->hide();

    text1->setFocus();
    QRect placed(QPoint(), form.size());
    placed.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
    form.move(placed.topLeft());
    form.show();
    return QApplication::exec();
}
