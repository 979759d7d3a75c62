// SPDX-FileCopyrightText: 2026 The arche developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/main_window_definition.h"

#include "forms/qt_text.h"
#include "tests/support/tool_run.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

#include <map>
#include <vector>

// What `cmake --install` lays out and what `cpack -G DEB` packs, checked
// with the validators that desktops and software centres trust.
namespace {

const QString kBuild = QStringLiteral(ARCHE_BUILD_DIR);
const QString kStage = QStringLiteral(ARCHE_STAGE_DIR);
const QString kPackages = QStringLiteral(ARCHE_PACKAGE_DIR);
const QString kVersion = QStringLiteral(ARCHE_VERSION);
const QString kSource = QStringLiteral(ARCHE_SOURCE_DIR);
const QString kManPages = QStringLiteral(ARCHE_MAN_DIR);

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString applicationId()
{
    return fromView(window::kApplicationInfo.desktopFileName);
}

QString desktopEntryPath()
{
    return kStage + u"/share/applications/"_qs + applicationId() + u".desktop"_qs;
}

QString metainfoPath()
{
    return kStage + u"/share/metainfo/"_qs + applicationId() + u".metainfo.xml"_qs;
}

// The keys of the [Desktop Entry] group, as written.
std::map<QString, QString> desktopEntryKeys()
{
    std::map<QString, QString> keys;
    QFile file(desktopEntryPath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return keys;
    }
    bool inGroup = false;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.startsWith(u'[')) {
            inGroup = line == u"[Desktop Entry]"_qs;
        } else if (inGroup && line.contains(u'=')) {
            const qsizetype at = line.indexOf(u'=');
            keys[line.left(at)] = line.mid(at + 1);
        }
    }
    return keys;
}

// The metainfo's elements, as "path[lang]" (path from the component, lang
// empty for the untranslated text) with their text or, for empty
// elements, their attributes.
std::multimap<QString, QString> metainfo()
{
    std::multimap<QString, QString> found;
    QFile file(metainfoPath());
    if (!file.open(QIODevice::ReadOnly)) {
        return found;
    }
    QXmlStreamReader xml(&file);
    QStringList path;
    std::vector<std::multimap<QString, QString>::iterator> open;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            path << xml.name().toString();
            const QString key =
                path.join(u'/') + u'[' + xml.attributes().value(u"xml:lang"_qs).toString() + u']';
            QStringList attributes;
            for (const QXmlStreamAttribute &a : xml.attributes()) {
                if (a.qualifiedName() != u"xml:lang"_qs) {
                    attributes << a.qualifiedName().toString() + u'=' + a.value().toString();
                }
            }
            open.push_back(found.emplace(key, attributes.join(u' ')));
        } else if (xml.isCharacters() && !xml.isWhitespace() && !open.empty()) {
            QString &value = open.back()->second;
            value += (value.isEmpty() ? QString() : u" "_qs) + xml.text().toString().simplified();
        } else if (xml.isEndElement()) {
            path.removeLast();
            open.pop_back();
        }
    }
    if (xml.hasError()) {
        found.clear();
    }
    return found;
}

QString only(const std::multimap<QString, QString> &map, const QString &key)
{
    return map.count(key) == 1 ? map.find(key)->second : u"<%1 times>"_qs.arg(map.count(key));
}

bool isCyrillic(const QString &text)
{
    return text.contains(QRegularExpression(u"\\p{Cyrillic}"_qs)) &&
           !text.contains(QRegularExpression(u"[A-Za-z]"_qs));
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installedFiles_data();
    void installedFiles();
    void validators_data();
    void validators();
    void desktopEntry_data();
    void desktopEntry();
    void desktopEntryNamesWhatIsInstalled();
    void metainfoTexts_data();
    void metainfoTexts();
    void metainfoSpeaksBulgarianWithEnglish();
    void icons();
    void debianPackage();
    void debianPackageFiles_data();
    void debianPackageFiles();
    void compressedAsDebianDoes_data();
    void compressedAsDebianDoes();
    void copyrightCoversWhatIsShipped();
    void lintianFindsNothing();

private:
    QString m_deb;
};

void TestInstall::initTestCase()
{
    QVERIFY(QDir(kStage).removeRecursively());
    const ToolRun install = runTool(QStringLiteral(ARCHE_CMAKE_COMMAND),
                                    {u"--install"_qs, kBuild, u"--prefix"_qs, kStage});
    QVERIFY2(install.status == 0, qPrintable(install.output));

    // The package is made as `cpack -G DEB` in the build folder makes it,
    // into a folder of the test's own.
    QVERIFY(QDir(kPackages).removeRecursively());
    const ToolRun pack = runTool(QStringLiteral(ARCHE_CPACK_COMMAND),
                                 {u"-G"_qs, u"DEB"_qs, u"--config"_qs,
                                  kBuild + u"/CPackConfig.cmake"_qs, u"-B"_qs, kPackages});
    QVERIFY2(pack.status == 0, qPrintable(pack.output));
    const QStringList debs = QDir(kPackages).entryList({u"*.deb"_qs}, QDir::Files);
    QVERIFY2(debs.size() == 1, qPrintable(debs.join(u", "_qs)));
    m_deb = kPackages + u'/' + debs.first();
}

void TestInstall::installedFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("executable");

    const QString id = applicationId();
    QTest::newRow("program") << u"bin/arche"_qs << true;
    QTest::newRow("desktop entry") << u"share/applications/%1.desktop"_qs.arg(id) << false;
    QTest::newRow("metainfo") << u"share/metainfo/%1.metainfo.xml"_qs.arg(id) << false;
    QTest::newRow("icon 32x32") << u"share/icons/hicolor/32x32/apps/%1.png"_qs.arg(id) << false;
    QTest::newRow("icon scalable")
        << u"share/icons/hicolor/scalable/apps/%1.svg"_qs.arg(id) << false;
    QTest::newRow("manual page") << u"share/man/man1/arche.1.gz"_qs << false;
    QTest::newRow("manual page bg") << u"share/man/bg/man1/arche.1.gz"_qs << false;
    QTest::newRow("copyright") << u"share/doc/arche/copyright"_qs << false;
    QTest::newRow("changelog") << u"share/doc/arche/changelog.gz"_qs << false;
    QTest::newRow("lintian overrides") << u"share/lintian/overrides/arche"_qs << false;
}

void TestInstall::installedFiles()
{
    QFETCH(QString, path);
    QFETCH(bool, executable);

    const QFileInfo file(kStage + u'/' + path);
    QVERIFY2(file.isFile(), qPrintable(file.filePath()));
    QVERIFY(file.size() > 0);
    QCOMPARE(file.isExecutable(), executable);
}

void TestInstall::validators_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("desktop-file-validate")
        << u"desktop-file-validate"_qs << QStringList{desktopEntryPath()};
    QTest::newRow("appstreamcli validate")
        << u"appstreamcli"_qs << QStringList{u"validate"_qs, u"--no-net"_qs, metainfoPath()};
    // The whole tree: the metainfo's launchable must be a desktop entry
    // that is really installed beside it.
    QTest::newRow("appstreamcli validate-tree")
        << u"appstreamcli"_qs << QStringList{u"validate-tree"_qs, u"--no-net"_qs, kStage};
}

void TestInstall::validators()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);

    const ToolRun check = runTool(program, arguments);
    QVERIFY2(check.status == 0, qPrintable(check.output));
    // desktop-file-validate passes files with hints; they are faults too.
    QVERIFY2(!check.output.contains(u"error:"_qs) && !check.output.contains(u"warning:"_qs),
             qPrintable(check.output));
}

void TestInstall::desktopEntry_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("Type") << u"Type"_qs << u"Application"_qs;
    QTest::newRow("Name") << u"Name"_qs << u"Философия - начален елемент"_qs;
    QTest::newRow("Exec") << u"Exec"_qs << u"arche"_qs;
    QTest::newRow("Icon") << u"Icon"_qs << applicationId();
    QTest::newRow("Terminal") << u"Terminal"_qs << u"false"_qs;
}

void TestInstall::desktopEntry()
{
    QFETCH(QString, key);
    QFETCH(QString, value);

    const auto keys = desktopEntryKeys();
    QVERIFY2(keys.count(key), qPrintable(key));
    QCOMPARE(keys.at(key), value);
}

// The menu finds the program under Education, by the name the running
// program gives itself, with a Bulgarian comment and an icon and a
// command that are really installed.
void TestInstall::desktopEntryNamesWhatIsInstalled()
{
    const auto keys = desktopEntryKeys();
    QVERIFY(!keys.empty());
    QCOMPARE(keys.at(u"Name"_qs), forms::toQString(window::kApplicationInfo.displayName));
    QVERIFY2(isCyrillic(keys.at(u"Comment"_qs)), qPrintable(keys.at(u"Comment"_qs)));
    QVERIFY(keys.at(u"Categories"_qs).split(u';').contains(u"Education"_qs));
    QVERIFY(QFileInfo(kStage + u"/bin/"_qs + keys.at(u"Exec"_qs)).isExecutable());
    for (const QString &size : {u"32x32"_qs, u"scalable"_qs}) {
        const QDir apps(kStage + u"/share/icons/hicolor/"_qs + size + u"/apps"_qs);
        QCOMPARE(apps.entryList({keys.at(u"Icon"_qs) + u".*"_qs}, QDir::Files).size(), 1);
    }
}

void TestInstall::metainfoTexts_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("value"); // what the element's attributes and text begin with

    const QString id = applicationId();
    QTest::newRow("id") << u"component/id[]"_qs << id;
    QTest::newRow("type") << u"component[]"_qs << u"type=desktop-application"_qs;
    QTest::newRow("launchable") << u"component/launchable[]"_qs
                                << u"type=desktop-id "_qs + id + u".desktop"_qs;
    QTest::newRow("release") << u"component/releases/release[]"_qs
                             << u"version=%1 date="_qs.arg(kVersion);
    QTest::newRow("content rating") << u"component/content_rating[]"_qs << u"type=oars-1.1"_qs;
    QTest::newRow("screenshot")
        << u"component/screenshots/screenshot/image[]"_qs
        << u"type=source width=461 height=345 https://arche.example.org/"_qs;
    QTest::newRow("name") << u"component/name[]"_qs << u"Философия - начален елемент"_qs;
}

void TestInstall::metainfoTexts()
{
    QFETCH(QString, element);
    QFETCH(QString, value);

    const auto found = metainfo();
    QVERIFY2(!found.empty(), "the metainfo is well-formed XML");
    QVERIFY2(only(found, element).startsWith(value),
             qPrintable(element + u": "_qs + only(found, element)));
}

// Summary and description speak Bulgarian, with English beside them.
void TestInstall::metainfoSpeaksBulgarianWithEnglish()
{
    const auto found = metainfo();
    QVERIFY2(!found.empty(), "the metainfo is well-formed XML");
    QVERIFY(isCyrillic(only(found, u"component/summary[]"_qs)));
    QVERIFY(!only(found, u"component/summary[en]"_qs).isEmpty());
    QVERIFY(!isCyrillic(only(found, u"component/summary[en]"_qs)));
    QVERIFY(found.count(u"component/description/p[]"_qs) > 0);
    QCOMPARE(found.count(u"component/description/p[en]"_qs),
             found.count(u"component/description/p[]"_qs));
}

void TestInstall::icons()
{
    const QString apps = kStage + u"/share/icons/hicolor/%1/apps/"_qs;
    const QImage png(apps.arg(u"32x32"_qs) + applicationId() + u".png"_qs);
    QCOMPARE(png.size(), QSize(32, 32));
    // The program's own window icon is the same picture.
    QCOMPARE(png.convertToFormat(QImage::Format_ARGB32),
             QImage(u":/icons/arche.png"_qs).convertToFormat(QImage::Format_ARGB32));

    QFile svg(apps.arg(u"scalable"_qs) + applicationId() + u".svg"_qs);
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(xml.name().toString(), u"svg"_qs);
    QVERIFY(!xml.attributes().value(u"viewBox"_qs).isEmpty());
}

void TestInstall::debianPackage()
{
    const ToolRun architecture = runTool(u"dpkg"_qs, {u"--print-architecture"_qs});
    QCOMPARE(architecture.status, 0);
    QCOMPARE(QFileInfo(m_deb).fileName(),
             u"arche_%1_%2.deb"_qs.arg(kVersion, architecture.output.trimmed()));

    const ToolRun fields = runTool(u"dpkg-deb"_qs, {u"-f"_qs, m_deb, u"Package"_qs, u"Version"_qs,
                                                    u"Architecture"_qs, u"Depends"_qs});
    QVERIFY2(fields.status == 0, qPrintable(fields.output));
    std::map<QString, QString> control;
    for (const QString &line : fields.output.split(u'\n', Qt::SkipEmptyParts)) {
        control[line.section(u": "_qs, 0, 0)] = line.section(u": "_qs, 1);
    }
    QCOMPARE(control[u"Package"_qs], u"arche"_qs);
    QCOMPARE(control[u"Version"_qs], kVersion);
    QCOMPARE(control[u"Architecture"_qs], architecture.output.trimmed());
    // dpkg-shlibdeps computed the libraries, each with the version it needs.
    const QString depends = control[u"Depends"_qs];
    for (const QString &library : {u"libc6 ("_qs, u"libstdc++6 ("_qs, u"libqt6core6 ("_qs,
                                   u"libqt6gui6 ("_qs, u"libqt6widgets6 ("_qs}) {
        QVERIFY2(depends.contains(library), qPrintable(library + u" in "_qs + depends));
    }
    QVERIFY2(depends.contains(u"qt6-qpa-plugins"_qs), qPrintable(depends));
}

void TestInstall::debianPackageFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("mode");

    const QString id = applicationId();
    QTest::newRow("program") << u"./usr/bin/arche"_qs << u"-rwxr-xr-x"_qs;
    QTest::newRow("desktop entry")
        << u"./usr/share/applications/%1.desktop"_qs.arg(id) << u"-rw-r--r--"_qs;
    QTest::newRow("metainfo") << u"./usr/share/metainfo/%1.metainfo.xml"_qs.arg(id)
                              << u"-rw-r--r--"_qs;
    QTest::newRow("icon 32x32") << u"./usr/share/icons/hicolor/32x32/apps/%1.png"_qs.arg(id)
                                << u"-rw-r--r--"_qs;
    QTest::newRow("icon scalable")
        << u"./usr/share/icons/hicolor/scalable/apps/%1.svg"_qs.arg(id) << u"-rw-r--r--"_qs;
    QTest::newRow("manual page") << u"./usr/share/man/man1/arche.1.gz"_qs << u"-rw-r--r--"_qs;
    QTest::newRow("manual page bg") << u"./usr/share/man/bg/man1/arche.1.gz"_qs << u"-rw-r--r--"_qs;
    QTest::newRow("copyright") << u"./usr/share/doc/arche/copyright"_qs << u"-rw-r--r--"_qs;
    QTest::newRow("changelog") << u"./usr/share/doc/arche/changelog.gz"_qs << u"-rw-r--r--"_qs;
    QTest::newRow("lintian overrides")
        << u"./usr/share/lintian/overrides/arche"_qs << u"-rw-r--r--"_qs;
}

void TestInstall::debianPackageFiles()
{
    QFETCH(QString, path);
    QFETCH(QString, mode);

    const ToolRun contents = runTool(u"dpkg-deb"_qs, {u"-c"_qs, m_deb});
    QVERIFY2(contents.status == 0, qPrintable(contents.output));
    QStringList modes;
    for (const QString &line : contents.output.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList columns = line.split(u' ', Qt::SkipEmptyParts);
        // Everything lies under /usr, where Debian's packages put theirs.
        QVERIFY2(columns.last().startsWith(u"./usr/"_qs) || columns.last() == u"./"_qs,
                 qPrintable(line));
        if (columns.last() == path) {
            modes << columns.first();
        }
    }
    QCOMPARE(modes, QStringList{mode});
}

void TestInstall::compressedAsDebianDoes_data()
{
    QTest::addColumn<QString>("installed");
    QTest::addColumn<QString>("original");

    QTest::newRow("manual page") << u"share/man/man1/arche.1.gz"_qs
                                 << kManPages + u"/man1/arche.1"_qs;
    QTest::newRow("manual page bg")
        << u"share/man/bg/man1/arche.1.gz"_qs << kManPages + u"/bg/man1/arche.1"_qs;
    QTest::newRow("changelog") << u"share/doc/arche/changelog.gz"_qs
                               << kSource + u"/dist/changelog"_qs;
}

// `gzip -9n`: the best compression, and neither the file's name nor a time
// in the header, so that the same sources always give the same package.
void TestInstall::compressedAsDebianDoes()
{
    QFETCH(QString, installed);
    QFETCH(QString, original);

    QFile file(kStage + u'/' + installed);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray header = file.read(10);
    QCOMPARE(header.size(), 10);
    QCOMPARE(header.left(3), QByteArray("\x1f\x8b\x08")); // gzip, deflate
    QCOMPARE(int(header[3]), 0);                          // no name, no comment
    QCOMPARE(header.mid(4, 4), QByteArray(4, '\0'));      // no time
    QCOMPARE(int(header[8]), 2);                          // the slowest, best compression

    const ToolRun unpacked = runTool(u"gzip"_qs, {u"-dc"_qs, file.fileName()});
    QCOMPARE(unpacked.status, 0);
    QFile source(original);
    QVERIFY2(source.open(QIODevice::ReadOnly), qPrintable(original));
    QCOMPARE(unpacked.output, QString::fromUtf8(source.readAll()));
}

// A machine-readable copyright file in which every licence named has its
// text, and which speaks for what the program carries of others' work: Qt's
// Bulgarian translation.
void TestInstall::copyrightCoversWhatIsShipped()
{
    QFile file(kStage + u"/share/doc/arche/copyright"_qs);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList paragraphs =
        QString::fromUtf8(file.readAll()).split(u"\n\n"_qs, Qt::SkipEmptyParts);
    QVERIFY(!paragraphs.isEmpty());
    QVERIFY(paragraphs.first().startsWith(
        u"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"_qs));

    const auto field = [](const QString &paragraph, const QString &name) {
        for (const QString &line : paragraph.split(u'\n')) {
            if (line.startsWith(name + u": "_qs)) {
                return line.mid(name.size() + 2).trimmed();
            }
        }
        return QString();
    };
    std::map<QString, QString> licenceOfFiles; // Files: pattern -> licence
    QStringList licenceTexts;
    for (const QString &paragraph : paragraphs.sliced(1)) {
        const QString files = field(paragraph, u"Files"_qs);
        const QString licence = field(paragraph, u"License"_qs);
        QVERIFY2(!licence.isEmpty(), qPrintable(paragraph));
        if (files.isEmpty()) {
            QVERIFY2(paragraph.count(u'\n') > 2, qPrintable(paragraph)); // the text itself
            licenceTexts << licence;
        } else {
            QVERIFY2(!field(paragraph, u"Copyright"_qs).isEmpty(), qPrintable(paragraph));
            for (const QString &pattern : files.split(u' ', Qt::SkipEmptyParts)) {
                licenceOfFiles[pattern] = licence;
            }
        }
    }
    for (const auto &[files, licence] : licenceOfFiles) {
        QVERIFY2(licenceTexts.contains(licence), qPrintable(files + u": "_qs + licence));
    }
    QCOMPARE(licenceOfFiles[u"*"_qs], u"GPL-3.0-or-later"_qs);
    QCOMPARE(licenceOfFiles[u"dist/%1.metainfo.xml"_qs.arg(applicationId())], u"CC0-1.0"_qs);
    // The translation really is in the program, and the file names its terms.
    QVERIFY(QFile::exists(u":/forms/i18n/qtbase_bg.qm"_qs));
    QCOMPARE(licenceOfFiles[u"qtbase_bg.qm"_qs], u"GPL-3 with Qt-1.0 exception"_qs);
}

// Debian's own checker has nothing to say of the package: no error, no
// warning. What it misreads is answered by an override in the package,
// each with its reason above it.
void TestInstall::lintianFindsNothing()
{
    // Not with --show-overrides: lintian then counts the overridden tags
    // as findings too.
    const ToolRun lintian = runTool(u"lintian"_qs, {u"--fail-on"_qs, u"error,warning"_qs, m_deb});
    QVERIFY2(lintian.status == 0, qPrintable(lintian.output));
    static const QRegularExpression finding(u"^[EW]: "_qs, QRegularExpression::MultilineOption);
    QVERIFY2(!lintian.output.contains(finding), qPrintable(lintian.output));

    QFile overrides(kStage + u"/share/lintian/overrides/arche"_qs);
    QVERIFY(overrides.open(QIODevice::ReadOnly));
    QString previous;
    for (const QString &line : QString::fromUtf8(overrides.readAll()).split(u'\n')) {
        if (!line.isEmpty() && !line.startsWith(u'#')) {
            QVERIFY2(previous.startsWith(u"# "_qs), qPrintable(u"no reason for: "_qs + line));
        }
        previous = line;
    }
}

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
