// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_fixture.h"

#include <QScreen>
#include <QScrollBar>
#include <QtTest>

#include <cmath>

// The window at the scale factor the test is run with (CTest runs it at 1
// and, as tst_high_dpi_x2, at QT_SCALE_FACTOR=2): the same layout in
// logical pixels, every device pixel drawn, the same colours at the same
// logical points as a rendering at scale 1 of the same window.
namespace {

const QColor kLightBlue(192, 192, 255);
const QColor kLightOrange(255, 192, 128);
const QColor kLightGreen(128, 255, 128);
const QColor kWhite(255, 255, 255);

constexpr QSize kClientSize(461, 345);

double expectedScale()
{
    bool ok = false;
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? scale : 1.0;
}

// The window as drawn at one device pixel per logical pixel, whatever the
// screen's scale.
QImage renderedAtScaleOne(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32);
    image.setDevicePixelRatio(1.0);
    image.fill(Qt::black);
    widget->render(&image);
    return image;
}

// Every device pixel that one logical pixel covers.
QList<QColor> devicePixels(const QImage &image, QPoint logical)
{
    const int scale = qRound(image.devicePixelRatio());
    QList<QColor> colours;
    for (int dy = 0; dy < scale; ++dy) {
        for (int dx = 0; dx < scale; ++dx) {
            colours << image.pixelColor(logical.x() * scale + dx, logical.y() * scale + dy);
        }
    }
    return colours;
}

// The device rows, top and bottom, of the band drawn over the background
// in `area` (logical pixels), seen down its last columns but four and five:
// the focus rectangle's dots on a band's edges can match the background in
// every other pixel of one column.
std::pair<int, int> band(const QImage &image, const QRect &area, const QColor &background)
{
    const int scale = qRound(image.devicePixelRatio());
    const int x = area.right() - 4;
    int top = -1;
    int bottom = -1;
    for (int y = area.top() * scale; y < (area.bottom() + 1) * scale; ++y) {
        if (image.pixelColor(x * scale, y) != background ||
            image.pixelColor((x - 1) * scale, y) != background) {
            top = top < 0 ? y : top;
            bottom = y;
        }
    }
    return {top, bottom};
}

} // namespace

class TestHighDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void windowSize();
    void colours_data();
    void colours();
    void controlEdges_data();
    void controlEdges();
    void sharpText();
    void wholeRows_data();
    void wholeRows();

private:
    QImage grabbed(const MainWindowFixture &window) const;
};

void TestHighDpi::initTestCase()
{
    QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), expectedScale());
}

QImage TestHighDpi::grabbed(const MainWindowFixture &window) const
{
    return window.form->grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

void TestHighDpi::windowSize()
{
    MainWindowFixture window;
    QVERIFY(window.ready);
    const QPixmap pixmap = window.form->grab();
    QCOMPARE(pixmap.devicePixelRatio(), expectedScale());
    QCOMPARE(pixmap.size(), kClientSize * expectedScale());
    QCOMPARE(pixmap.deviceIndependentSize().toSize(), kClientSize);
    QCOMPARE(window.form->size(), kClientSize);
}

void TestHighDpi::colours_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("window, top left") << QPoint(20, 20) << kLightBlue;
    QTest::newRow("window, between the boxes and the list") << QPoint(180, 100) << kLightBlue;
    QTest::newRow("window, bottom right") << QPoint(455, 340) << kLightBlue;
    QTest::newRow("Label1(0), left end") << QPoint(70, 4) << kLightOrange;
    QTest::newRow("Check1(0), right end") << QPoint(165, 60) << kLightGreen;
    QTest::newRow("Check1(3), right end") << QPoint(165, 156) << kLightGreen;
    QTest::newRow("List1(0), beside the rows") << QPoint(370, 160) << kWhite;
    QTest::newRow("Text1(0), left margin") << QPoint(10, 250) << kWhite;
}

void TestHighDpi::colours()
{
    QFETCH(QPoint, point);
    QFETCH(QColor, colour);

    MainWindowFixture window;
    QVERIFY(window.ready);
    const QImage image = grabbed(window);
    const QImage atOne = renderedAtScaleOne(window.form.get());
    QCOMPARE(atOne.pixelColor(point), colour);
    const QList<QColor> covered = devicePixels(image, point);
    QCOMPARE(covered.size(), qRound(expectedScale() * expectedScale()));
    for (const QColor &pixel : covered) {
        QCOMPARE(pixel, colour);
    }
}

void TestHighDpi::controlEdges_data()
{
    QTest::addColumn<QString>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("Label1(0)") << u"Label1"_qs << 0 << kLightOrange;
    QTest::newRow("Check1(0)") << u"Check1"_qs << 0 << kLightGreen;
    QTest::newRow("Check1(1)") << u"Check1"_qs << 1 << kLightGreen;
    QTest::newRow("Check1(2)") << u"Check1"_qs << 2 << kLightGreen;
    QTest::newRow("Check1(3)") << u"Check1"_qs << 3 << kLightGreen;
}

// A control's background starts at the device pixel its logical place
// scales to: the first device column and row inside it have its colour, the
// last ones before it the window's.
void TestHighDpi::controlEdges()
{
    QFETCH(QString, array);
    QFETCH(int, index);
    QFETCH(QColor, colour);

    MainWindowFixture window;
    QVERIFY(window.ready);
    const QWidget *control = window.form->element(array.toStdString(), std::int16_t(index));
    QVERIFY(control);
    const QImage image = grabbed(window);
    const int scale = qRound(expectedScale());
    const QRect device(control->geometry().topLeft() * scale, control->geometry().size() * scale);
    const int y = device.top() + 1;
    QCOMPARE(image.pixelColor(device.left(), y), colour);
    QCOMPARE(image.pixelColor(device.left() - 1, y), kLightBlue);
    QCOMPARE(image.pixelColor(device.right(), y), colour);
    QCOMPARE(image.pixelColor(device.right() + 1, y), kLightBlue);
    const int x = device.right() - 2;
    if (device.top() > 0) {
        QCOMPARE(image.pixelColor(x, device.top()), colour);
        QCOMPARE(image.pixelColor(x, device.top() - 1), kLightBlue);
    }
    QCOMPARE(image.pixelColor(x, device.bottom()), colour);
    QCOMPARE(image.pixelColor(x, device.bottom() + 1), kLightBlue);
}

// Text drawn at the device resolution has detail finer than a logical
// pixel; text drawn at scale 1 and enlarged would fill every block of
// scale × scale device pixels with one colour.
void TestHighDpi::sharpText()
{
    const int scale = qRound(expectedScale());
    if (scale < 2) {
        QSKIP("at scale 1 a logical pixel is one device pixel");
    }
    MainWindowFixture window;
    QVERIFY(window.ready);
    const QImage image = grabbed(window);
    const QRect label = window.label()->geometry();
    int finer = 0;
    int inked = 0;
    for (int y = label.top(); y <= label.bottom(); ++y) {
        for (int x = label.left(); x <= label.right(); ++x) {
            const QList<QColor> block = devicePixels(image, QPoint(x, y));
            inked += block.first() != kLightOrange ? 1 : 0;
            finer += block.count(block.first()) != block.size() ? 1 : 0;
        }
    }
    QVERIFY2(inked > 100, "the label's text is drawn");
    QVERIFY2(finer > inked / 4, qPrintable(u"%1 of %2 blocks"_qs.arg(finer).arg(inked)));
}

void TestHighDpi::wholeRows_data()
{
    QTest::addColumn<QFont>("font"); // none: the window's
    QTest::newRow("the window's font") << QFont();
    QTest::newRow("Liberation Serif 10") << QFont(u"Liberation Serif"_qs, 10);
    QTest::newRow("Liberation Serif 14") << QFont(u"Liberation Serif"_qs, 14);
    QTest::newRow("DejaVu Sans 11") << QFont(u"DejaVu Sans"_qs, 11);
    QTest::newRow("Liberation Sans 21") << QFont(u"Liberation Sans"_qs, 21);
}

// Whatever the font and the scale, the list shows whole rows only, each as
// tall as its text, and scrolls row by row through the rest.
void TestHighDpi::wholeRows()
{
    QFETCH(QFont, font);

    MainWindowFixture window;
    QVERIFY(window.ready);
    forms::ListBox *list = window.list(0);
    if (font != QFont()) {
        list->setFont(font);
    }
    const QFontMetricsF metrics(list->font(), list->viewport());
    const int row = int(std::ceil(metrics.ascent())) + int(std::ceil(metrics.descent()));
    const QRect port = list->viewport()->geometry();
    const int shown = port.height() / row;
    QCOMPARE(list->geometry(), QRect(192, 56, 201, 118));
    QCOMPARE(port.height(), shown * row);
    QVERIFY2(list->contentsRect().height() - port.height() < row, "as many rows as fit");
    QCOMPARE(list->sizeHintForRow(0), row);
    const QString family = QFontInfo(list->font()).family();
    if (font == QFont() && expectedScale() == 1.0 &&
        (family == u"Times New Roman"_qs || family == u"Liberation Serif"_qs)) {
        QCOMPARE(row, 19);
        QCOMPARE(shown, 6);
    }

    const int scale = qRound(expectedScale());
    const QColor base = list->palette().color(QPalette::Active, QPalette::Base);
    list->setFocus();
    for (int selected = 0; selected < list->count(); ++selected) {
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->selectedRow(), selected);
        int whole = 0;
        for (int r = 0; r < list->count(); ++r) {
            const QRect rect = list->visualItemRect(list->item(r));
            QCOMPARE(rect.height(), row);
            if (rect.bottom() >= 0 && rect.top() < port.height()) {
                QVERIFY2(rect.top() >= 0 && rect.bottom() < port.height(),
                         qPrintable(u"row %1 is cut off at %2"_qs.arg(r).arg(rect.top())));
                ++whole;
            }
        }
        QCOMPARE(whole, std::min(shown, int(list->count())));
        QCOMPARE(list->verticalScrollBar()->value(),
                 std::max(0, selected - shown + 1)); // row by row, as far as needed

        // As drawn: the selected row's band is one row tall and stands on
        // the rows' grid, and nothing is drawn under the last whole row (but
        // the style's frame, one device pixel into it above scale 1).
        const QImage image = list->grab().toImage();
        const auto [top, bottom] = band(image, port, base);
        QCOMPARE(bottom - top + 1, row * scale);
        QCOMPARE((top - port.top() * scale) % (row * scale), 0);
        QVERIFY(top >= port.top() * scale && bottom <= (port.bottom() + 1) * scale - 1);
        const int stripEnd = (list->contentsRect().bottom() + 1) * scale - (scale - 1);
        for (int y = (port.bottom() + 1) * scale; y < stripEnd; ++y) {
            for (int x = (port.left() + 1) * scale; x < port.right() * scale; ++x) {
                QVERIFY2(image.pixelColor(x, y) == base, qPrintable(u"%1,%2"_qs.arg(x).arg(y)));
            }
        }
    }
}

QTEST_MAIN(TestHighDpi)
#include "tst_high_dpi.moc"
