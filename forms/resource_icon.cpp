// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resource_icon.h"

#include <QIconEngine>
#include <QPainter>

namespace forms {

namespace {

class ResourceIconEngine : public QIconEngine
{
public:
    explicit ResourceIconEngine(const QString &path) : m_path(path) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return loaded().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return loaded().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return loaded().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return loaded().availableSizes(mode, state);
    }
    bool isNull() override { return loaded().isNull(); }
    QString key() const override { return u"forms::ResourceIconEngine"_qs; }
    QIconEngine *clone() const override { return new ResourceIconEngine(*this); }

private:
    const QIcon &loaded()
    {
        if (!m_read) {
            m_icon = QIcon(m_path);
            m_read = true;
        }
        return m_icon;
    }

    QString m_path;
    QIcon m_icon;
    bool m_read = false;
};

} // namespace

QIcon resourceIcon(const QString &path)
{
    return QIcon(new ResourceIconEngine(path));
}

} // namespace forms
