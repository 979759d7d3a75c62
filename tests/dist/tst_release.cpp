// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/tool_run.h"

#include <QDateTime>
#include <QFile>
#include <QXmlStreamReader>
#include <QtTest>

// What a release carries beside the program: one version, written once in
// CMake's project() and repeated by the changelog and the metainfo, and a
// licence for every file of the source tree.
namespace {

const QString kSource = QStringLiteral(ARCHE_SOURCE_DIR);
const QString kVersion = QStringLiteral(ARCHE_VERSION);

struct Release
{
    QString version;
    QString date; // yyyy-MM-dd
};

// The top entry of the changelog, as dpkg reads it.
Release changelogRelease()
{
    const QString changelog = kSource + u"/dist/changelog"_qs;
    const ToolRun version =
        runTool(u"dpkg-parsechangelog"_qs, {u"-l"_qs, changelog, u"-S"_qs, u"Version"_qs});
    const ToolRun time =
        runTool(u"dpkg-parsechangelog"_qs, {u"-l"_qs, changelog, u"-S"_qs, u"Timestamp"_qs});
    if (version.status != 0 || time.status != 0) {
        return {u"<unreadable: "_qs + version.output + time.output + u'>', {}};
    }
    const QDateTime released =
        QDateTime::fromSecsSinceEpoch(time.output.trimmed().toLongLong(), Qt::UTC);
    return {version.output.trimmed(), released.toString(u"yyyy-MM-dd"_qs)};
}

// The first <release> of the metainfo: the newest, as AppStream orders them.
Release metainfoRelease()
{
    QFile file(kSource + u"/dist/org.example.arche.metainfo.xml"_qs);
    if (!file.open(QIODevice::ReadOnly)) {
        return {u"<unreadable>"_qs, {}};
    }
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"release"_qs) {
            return {xml.attributes().value(u"version"_qs).toString(),
                    xml.attributes().value(u"date"_qs).toString()};
        }
    }
    return {u"<no release>"_qs, {}};
}

} // namespace

class TestRelease : public QObject
{
    Q_OBJECT

private slots:
    void oneVersion();
    void everyFileHasALicence();
};

// lintian wants the changelog's top entry to be the package's version, and
// software centres show the metainfo's; both are project()'s.
void TestRelease::oneVersion()
{
    const Release changelog = changelogRelease();
    const Release metainfo = metainfoRelease();
    QCOMPARE(changelog.version, kVersion);
    QCOMPARE(metainfo.version, kVersion);
    QVERIFY(!metainfo.date.isEmpty());
    QCOMPARE(metainfo.date, changelog.date);
}

// The REUSE way: every file says, or .reuse/dep5 says for it, who holds its
// copyright and under which licence, and LICENSES/ holds each licence text.
void TestRelease::everyFileHasALicence()
{
    const ToolRun lint = runTool(u"reuse"_qs, {u"--root"_qs, kSource, u"lint"_qs}, kSource);
    QVERIFY2(lint.status == 0, qPrintable(lint.output));
}

QTEST_MAIN(TestRelease)
#include "tst_release.moc"
