// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_fixture.h"

#include <QScreen>
#include <QtTest>

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

QTEST_MAIN(TestHighDpi)
#include "tst_high_dpi.moc"
