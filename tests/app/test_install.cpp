#include "app/fileversion.h"
#include "app/helpwindow.h"
#include "app/menue_f.h"
#include "app/statusbar.h"
#include "support/guitest.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using testsupport::Gui;

namespace {

// The value of a key in the [Desktop Entry] group; a quoted Exec argument is unquoted.
QString entryValue(const QString &entry, const QString &key)
{
    for (const QString &line : entry.split(QLatin1Char('\n'))) {
        if (!line.startsWith(key + QLatin1Char('=')))
            continue;
        QString value = line.mid(key.size() + 1);
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) &&
            value.endsWith(QLatin1Char('"'))) {
            value = value.mid(1, value.size() - 2);
            value.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
        }
        return value;
    }
    return QString();
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void install_puts_program_help_entry_and_icon_in_place_data();
    void install_puts_program_help_entry_and_icon_in_place();
    void desktop_entry_starts_the_installed_program();
    void installed_program_finds_its_help();

private:
    // a space in the prefix: the entry has to quote the program's path
    QTemporaryDir m_prefix{QDir::tempPath() + QStringLiteral("/tarvolo install-XXXXXX")};
};

void TestInstall::initTestCase()
{
    testsupport::pinGermanLocale();
    QVERIFY(m_prefix.isValid());
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(TARVOLO_CMAKE_COMMAND),
                  {QStringLiteral("--install"), QStringLiteral(TARVOLO_BUILD_DIR),
                   QStringLiteral("--prefix"), m_prefix.path()});
    QVERIFY(install.waitForFinished(60000));
    QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0,
             install.readAll().constData());
}

void TestInstall::install_puts_program_help_entry_and_icon_in_place_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("program") << "tarvolo";
    QTest::newRow("help file") << "Hilfedatei/tarvolo.qch";
    QTest::newRow("desktop entry") << "share/applications/tarvolo.desktop";
    QTest::newRow("icon 48 px") << "share/icons/hicolor/48x48/apps/tarvolo.png";
    QTest::newRow("icon scalable") << "share/icons/hicolor/scalable/apps/tarvolo.svg";
}

void TestInstall::install_puts_program_help_entry_and_icon_in_place()
{
    QFETCH(QString, path);
    const QFileInfo file(m_prefix.filePath(path));
    QVERIFY2(file.isFile(), qPrintable(file.filePath()));
    QVERIFY(file.size() > 0);
    if (path == QStringLiteral("tarvolo")) {
        QVERIFY(file.isExecutable());
        QCOMPARE(GetFileVersion(file.filePath()), QStringLiteral("1.0.0.0"));
    } else if (path.endsWith(QStringLiteral(".png"))) {
        QCOMPARE(QImage(file.filePath()).size(), QSize(48, 48));
    } else if (path.endsWith(QStringLiteral(".svg"))) {
        QFile f(file.filePath());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().contains("<svg"));
    }
}

void TestInstall::desktop_entry_starts_the_installed_program()
{
    QFile f(m_prefix.filePath(QStringLiteral("share/applications/tarvolo.desktop")));
    QVERIFY(f.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString entry = QString::fromUtf8(f.readAll());
    QVERIFY(entry.startsWith(QStringLiteral("[Desktop Entry]\n")));
    QCOMPARE(entryValue(entry, QStringLiteral("Type")), QStringLiteral("Application"));
    QCOMPARE(entryValue(entry, QStringLiteral("Name")), QStringLiteral("Tarvolo"));
    QVERIFY(entryValue(entry, QStringLiteral("Comment")).contains(QStringLiteral("Stundenlohn")));
    QCOMPARE(entryValue(entry, QStringLiteral("Icon")), QStringLiteral("tarvolo"));
    QCOMPARE(entryValue(entry, QStringLiteral("Categories")), QStringLiteral("Office;Finance;"));
    QCOMPARE(entryValue(entry, QStringLiteral("Exec")),
             QFileInfo(m_prefix.filePath(QStringLiteral("tarvolo"))).absoluteFilePath());
}

void TestInstall::installed_program_finds_its_help()
{
    StartupSettings s = testsupport::testSettings();
    s.startUpdateCheck = false;
    s.programFile = m_prefix.filePath(QStringLiteral("tarvolo"));
    Gui gui(s);
    QWidget *panel = gui.find<StatusBar>(QStringLiteral("osb_Statusbar"))
                         ->findChild<QWidget *>(QStringLiteral("panel3"));
    QTest::mouseClick(panel, Qt::LeftButton, {}, panel->rect().center());
    HelpWindow *help = gui.menue()->helpWindow();
    QVERIFY(help);
    QCOMPARE(help->helpFile(), m_prefix.filePath(QStringLiteral("Hilfedatei/tarvolo.qch")));
    QCOMPARE(help->contextId(), 30);
    QCOMPARE(help->browser()->source().fileName(), QStringLiteral("ausfallfaktoren.html"));
    QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("Stunden pro Woche")));
}

QTEST_MAIN(TestInstall)
#include "test_install.moc"
