// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form.h"

#include "check_box.h"
#include "list_box.h"
#include "motif_wm_hints.h"
#include "qt_text.h"
#include "resource_icon.h"
#include "text_box.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>

#include <algorithm>

namespace forms {

namespace {

QFont toQFont(const FontSpec &definition)
{
    QFont font(toQString(definition.family), definition.pointSize,
               definition.weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setItalic(definition.italic);
    font.setUnderline(definition.underline);
    font.setStrikeOut(definition.strikeOut);
    // Where the family is missing, fontconfig's metric-compatible stand-in
    // (Liberation Serif for Times New Roman) keeps the layout.
    font.setStyleHint(QFont::Serif);
    return font;
}

// Disabled text keeps at least this contrast on a background of our own.
constexpr double kReadableContrast = 4.5;

// Paints the control's own background in every colour group: Qt draws a
// disabled widget from the disabled group, which would otherwise show the
// system's grey.
void applyBackColour(QWidget *widget, StoredColour stored)
{
    const QColor colour = toQColor(stored);
    QPalette palette = widget->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, colour);
        palette.setColor(group, QPalette::Button, colour);
    }
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        palette.setColor(
            QPalette::Disabled, role,
            readableOn(palette.color(QPalette::Disabled, role), colour, kReadableContrast));
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

Form::Form(const FormSpec &definition, QWidget *parent) : QWidget(parent, Qt::Window)
{
    applyFrame(definition);
    for (const ControlSpec &control : definition.controls) {
        QWidget *widget = createControl(control);
        widget->setGeometry(toPixelRect(control.left, control.top, control.width, control.height));
        if (control.font) {
            widget->setFont(toQFont(*control.font));
        }
        if (control.backColour) {
            applyBackColour(widget, *control.backColour);
        }
        if (!control.accessibleName.empty()) {
            widget->setAccessibleName(toQString(control.accessibleName));
        }
        widget->setEnabled(control.enabled);
        widget->setVisible(control.visible);
        widget->setObjectName(u"%1(%2)"_qs.arg(toQString(control.name)).arg(control.index));
        m_elements.emplace(Key{std::string(control.name), control.index}, widget);
    }
    applyTabOrder(definition);
}

void Form::applyFrame(const FormSpec &definition)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (definition.minButton) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (definition.maxButton && definition.border == BorderStyle::Sizable) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    if (definition.border == BorderStyle::FixedSingle) {
        flags |= Qt::MSWindowsFixedSizeDialogHint;
    }
    setWindowFlags(flags);
    setWindowTitle(toQString(definition.caption));
    if (!definition.icon.empty()) {
        setWindowIcon(resourceIcon(toQString(definition.icon)));
    }

    const QSize client(toPixels(definition.clientWidth), toPixels(definition.clientHeight));
    if (definition.border == BorderStyle::FixedSingle) {
        setFixedSize(client);
    } else {
        resize(client);
    }

    QPalette palette = this->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, toQColor(definition.backColour));
    }
    setPalette(palette);
    setAutoFillBackground(true);
    setFont(toQFont(definition.font));

    m_centreWhenShown = definition.startUpPosition != StartUpPosition::Manual;
    if (m_centreWhenShown) {
        centreOnScreen();
    }
}

// The whole window is centred, its frame included. The frame is known only
// once the platform has made the native window, which it has by the first
// show: centring again then keeps the title bar from pushing the window
// below the centre.
void Form::centreOnScreen()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect placed = frameGeometry();
        placed.moveCenter(screen->availableGeometry().center());
        move(placed.topLeft());
    }
}

void Form::showEvent(QShowEvent *event)
{
    if (m_centreWhenShown && !event->spontaneous()) {
        m_centreWhenShown = false;
        centreOnScreen();
    }
    QWidget::showEvent(event);
}

bool Form::event(QEvent *event)
{
    // Each new native window gets the frame of the flags, before it is shown.
    if (event->type() == QEvent::WinIdChange) {
        applyMotifWmHints(*this);
    }
    return QWidget::event(event);
}

QWidget *Form::createControl(const ControlSpec &definition)
{
    switch (definition.kind) {
    case ControlKind::Label: {
        auto *label = new QLabel(toQString(definition.caption), this);
        label->setAlignment(definition.alignment == Alignment::Centre
                                ? Qt::AlignCenter
                                : Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case ControlKind::CheckBox: {
        auto *box = new CheckBox(this);
        box->setCaption(toQString(definition.caption));
        return box;
    }
    case ControlKind::ListBox: {
        auto *list = new ListBox(this);
        for (const std::u16string_view item : definition.items) {
            list->addItem(toQString(item));
        }
        list->setSortingEnabled(definition.sorted);
        return list;
    }
    case ControlKind::TextBox: {
        auto *box = new TextBox(this);
        box->setLineWrapMode(definition.multiLine ? QPlainTextEdit::WidgetWidth
                                                  : QPlainTextEdit::NoWrap);
        box->setVerticalScrollBarPolicy(definition.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                                     : Qt::ScrollBarAlwaysOff);
        box->setLocked(definition.locked);
        box->setText(toQString(definition.text));
        return box;
    }
    }
    Q_UNREACHABLE();
}

void Form::applyTabOrder(const FormSpec &definition)
{
    std::vector<const ControlSpec *> order;
    for (const ControlSpec &control : definition.controls) {
        order.push_back(&control);
    }
    std::stable_sort(order.begin(), order.end(), [](const ControlSpec *a, const ControlSpec *b) {
        return a->tabIndex < b->tabIndex;
    });
    QWidget *previous = nullptr;
    QWidget *first = nullptr;
    for (const ControlSpec *control : order) {
        QWidget *widget = element(control->name, control->index);
        if (previous) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
        const bool canFocus =
            control->visible && control->enabled && widget->focusPolicy() & Qt::TabFocus;
        if (!first && canFocus) {
            first = widget;
        }
    }
    // The focus starts in the first control of the tab order that takes it.
    if (first) {
        first->setFocus(Qt::OtherFocusReason);
    }
}

QWidget *Form::element(std::string_view name, std::int16_t index) const
{
    const auto found = m_elements.find(Key{std::string(name), index});
    return found == m_elements.end() ? nullptr : found->second;
}

std::vector<std::int16_t> Form::indexes(std::string_view name) const
{
    std::vector<std::int16_t> result;
    for (const auto &[key, widget] : m_elements) {
        if (key.first == name) {
            result.push_back(key.second);
        }
    }
    return result;
}

void Form::unloadElement(std::string_view name, std::int16_t index)
{
    const auto found = m_elements.find(Key{std::string(name), index});
    if (found != m_elements.end()) {
        delete found->second;
        m_elements.erase(found);
    }
}

} // namespace forms
