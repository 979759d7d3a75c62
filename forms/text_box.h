// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPlainTextEdit>

namespace forms {

// A multi-line text box. Its text value is exactly the string last set -
// CR LF stays two characters - while the screen shows each line break as
// one. A locked box can be read, selected, copied and scrolled, never edited.
// It scrolls by whole lines and no further than its last line reaching the
// bottom, and copies plain text only.
class TextBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit TextBox(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    // Shows the new text from its first line.
    void setText(const QString &text);

    bool isLocked() const { return isReadOnly(); }
    void setLocked(bool locked);

    // The highest scroll value: the first line shown once the last line
    // stands at the bottom.
    int lastTopLine() const;

protected:
    QMimeData *createMimeDataFromSelection() const override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void endAtLastLine();

    QString m_text;
    QString m_shown; // m_text as the document holds it, one LF per line break
};

} // namespace forms
