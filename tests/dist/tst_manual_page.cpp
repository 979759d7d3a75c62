// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/event_dispatch.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <set>

// arche(1), in English and in Bulgarian, as it is installed: clean for the
// formatters that `man` and the BSDs use, true to the program's exit
// status, and the two languages one page.
namespace {

const QString kManPages = QStringLiteral(ARCHE_MAN_DIR);

QString english()
{
    return kManPages + u"/man1/arche.1"_qs;
}

QString bulgarian()
{
    return kManPages + u"/bg/man1/arche.1"_qs;
}

QStringList lines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll()).split(u'\n');
}

// The lines of the section headed `heading`, up to the next section.
QStringList section(const QStringList &page, const QString &heading)
{
    QStringList found;
    bool inside = false;
    for (const QString &line : page) {
        if (line.startsWith(u".SH "_qs)) {
            inside = QString(line).remove(0, 4).remove(u'"') == heading;
        } else if (inside) {
            found << line;
        }
    }
    return found;
}

} // namespace

class TestManualPage : public QObject
{
    Q_OBJECT

private slots:
    void lint_data();
    void lint();
    void exitStatus_data();
    void exitStatus();
    void languagesAgree();
};

void TestManualPage::lint_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments"); // the page is added last

    // groff as `man` runs it, with every warning; mandoc at its strictest,
    // down to style; man-db itself, as lintian runs it.
    const QStringList groff{u"-ww"_qs, u"-z"_qs, u"-K"_qs, u"utf8"_qs, u"-Tutf8"_qs, u"-man"_qs};
    const QStringList mandoc{u"-T"_qs, u"lint"_qs, u"-W"_qs, u"style"_qs};
    const QStringList man{u"--warnings"_qs, u"-E"_qs,     u"UTF-8"_qs,
                          u"-l"_qs,         u"-Tutf8"_qs, u"-Z"_qs};
    for (const auto &[language, page] : {std::pair{"en", english()}, {"bg", bulgarian()}}) {
        QTest::addRow("groff %s", language) << u"groff"_qs << (groff + QStringList{page});
        QTest::addRow("mandoc %s", language) << u"mandoc"_qs << (mandoc + QStringList{page});
        QTest::addRow("man %s", language) << u"man"_qs << (man + QStringList{page});
    }
}

void TestManualPage::lint()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);

    QVERIFY2(QFile::exists(arguments.last()), qPrintable(arguments.last()));
    QProcess process;
    // man writes the typeset page, the others nothing but their findings,
    // mandoc to standard output, groff and man to standard error. Either
    // way a finding is not a failing status: the output itself must be empty.
    if (program == u"man"_qs) {
        process.setStandardOutputFile(QProcess::nullDevice());
    }
    process.start(program, arguments);
    QVERIFY2(process.waitForFinished(60'000), qPrintable(process.errorString()));
    const QString findings =
        QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
    QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
             qPrintable(findings));
    QVERIFY2(findings.isEmpty(), qPrintable(findings));
}

void TestManualPage::exitStatus_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("heading");

    QTest::newRow("en") << english() << u"EXIT STATUS"_qs;
    QTest::newRow("bg") << bulgarian() << u"КОД ПРИ ЗАВЪРШВАНЕ"_qs;
}

// The statuses the page lists are the ones the program ends with.
void TestManualPage::exitStatus()
{
    QFETCH(QString, page);
    QFETCH(QString, heading);

    const QStringList text = section(lines(page), heading);
    std::set<int> listed;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u".TP"_qs && text[i + 1].startsWith(u".B "_qs)) {
            listed.insert(text[i + 1].mid(3).toInt());
        }
    }
    QCOMPARE(listed, (std::set<int>{0, forms::kRunTimeErrorExitStatus}));
}

// The translation keeps the original's sections, subsections and items,
// in the same order.
void TestManualPage::languagesAgree()
{
    static const QRegularExpression structure(u"^\\.(SH|SS|TP|TH)\\b"_qs);
    const auto outline = [](const QStringList &page) {
        QStringList macros;
        for (const QString &line : page) {
            if (const auto match = structure.match(line); match.hasMatch()) {
                macros << match.captured(1);
            }
        }
        return macros;
    };
    const QStringList en = outline(lines(english()));
    QVERIFY(en.count(u"SH"_qs) >= 8);
    QCOMPARE(outline(lines(bulgarian())), en);
}

QTEST_MAIN(TestManualPage)
#include "tst_manual_page.moc"
