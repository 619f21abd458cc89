#include "app/menue_f.h"
#include "app/messageboxes.h"
#include "app/statusbar.h"
#include "app/tabpager.h"
#include "support/guitest.h"
#include "support/servers.h"
#include "update/update_fr.h"
#include "update/webupdate.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <memory>

using testsupport::Gui;
using testsupport::LoopbackServer;

namespace {

const QString kPassword = QStringLiteral("0123456789abcdefghijklm"); // 23 characters
using Files = QList<QPair<QString, QByteArray>>;

// An FTP server on loopback serving files from a folder of its own.
struct FtpPeer
{
    QTemporaryDir root;
    std::unique_ptr<LoopbackServer> server;

    FtpPeer(const Files &files, const QStringList &options = {})
    {
        for (const auto &[name, data] : files) {
            QFile f(root.filePath(name));
            f.open(QIODevice::WriteOnly);
            f.write(data);
        }
        server = std::make_unique<LoopbackServer>(
            QStringLiteral("ftpserver.py"), QStringList{QStringLiteral("--root"), root.path(),
                                                        QStringLiteral("--password"), kPassword} +
                                                options);
    }
    int connections() const { return int(server->output().count(QStringLiteral("CONNECTED"))); }
};

StartupSettings settingsFor(int port)
{
    StartupSettings s = testsupport::testSettings();
    s.updatePort = port;
    s.updateUser = QStringLiteral("tarvolo");
    s.updatePassword = kPassword;
    return s;
}

QStringList infoLines(Gui &gui)
{
    return gui.find<QTextEdit>(QStringLiteral("re_UpdateInfo"))->toPlainText().split(u'\n');
}

QByteArray newerInf(bool whatsNew)
{
    QByteArray inf = "[Version]\r\nText=Tarvolo 2.0\r\nNumber=2.0.0.0\r\n";
    if (whatsNew)
        inf += "[WhatsNew]\r\nFile=whatsnew.txt\r\n";
    return inf;
}

const QString kExe = QStringLiteral(TARVOLO_EXECUTABLE);

} // namespace

class TestUpdateCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void frame_has_its_controls();
    void newer_version_shows_panel_and_tab();
    void check_ending_false_data();
    void check_ending_false();
    void ctrl_u_before_the_end_data();
    void ctrl_u_before_the_end();
    void nothing_starts_a_second_check();

private:
    void verifyTempFolderEmpty();
    QTemporaryDir m_temp;
};

void TestUpdateCheck::initTestCase()
{
    // the component downloads into the temporary folder: a folder of this test's own
    QVERIFY(m_temp.isValid());
    qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
    QCOMPARE(QDir::tempPath(), QDir(m_temp.path()).canonicalPath());
}

void TestUpdateCheck::init()
{
    testsupport::pinGermanLocale();
    MessageBoxes::setAnswerer({});
    MessageBoxes::clearShown();
}

void TestUpdateCheck::cleanup()
{
    QVERIFY2(MessageBoxes::shown().isEmpty(), "the update check showed a message box");
}

void TestUpdateCheck::verifyTempFolderEmpty()
{
    const QStringList left = QDir(m_temp.path()).entryList(QDir::Files | QDir::NoDotAndDotDot);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(u',')));
}

void TestUpdateCheck::frame_has_its_controls()
{
    Gui gui;
    auto *frame = gui.find<Tfr_update>(QStringLiteral("fr_update1"));
    QVERIFY(frame);
    QCOMPARE(frame->parentWidget(), gui.find(QStringLiteral("stp_Update")));
    QCOMPARE(gui.find(QStringLiteral("p_UD_open"))->height(), 58);
    auto *button = gui.find<QPushButton>(QStringLiteral("b_Neue_Version"));
    QCOMPARE(button->text(), QStringLiteral("Update"));
    QCOMPARE(button->geometry(), QRect(10, 10, 82, 25));
    auto *bar = gui.find<QProgressBar>(QStringLiteral("pb_Update"));
    QCOMPARE(bar->geometry(), QRect(98, 13, 249, 16));
    QCOMPARE(bar->minimum(), 0);
    const struct
    {
        const char *name;
        const char *label;
        int x;
    } edits[] = {{"le_neue_Versionsnummer", "Server", 98}, {"le_Lokalversion", "Lokale", 248}};
    for (const auto &e : edits) {
        auto *edit = gui.find<QLineEdit>(QString::fromLatin1(e.name));
        QCOMPARE(edit->pos(), QPoint(e.x, 35));
        QCOMPARE(edit->width(), 99);
        QVERIFY(edit->isReadOnly());
        QVERIFY(!(edit->focusPolicy() & Qt::TabFocus));
        auto *label = gui.find<QLabel>(QString::fromLatin1(e.name) + QStringLiteral("_EditLabel"));
        QCOMPARE(label->text(), QString::fromLatin1(e.label));
        QCOMPARE(label->buddy(), edit);
        QVERIFY(label->geometry().right() < e.x);
    }
    auto *pc = gui.find<QTabWidget>(QStringLiteral("pc_Update"));
    QCOMPARE(pc->count(), 1);
    QCOMPARE(pc->tabText(0), QStringLiteral("Update Info"));
    QCOMPARE(pc->widget(0)->objectName(), QStringLiteral("ts_UpdateInfo"));
    auto *info = gui.find<QTextEdit>(QStringLiteral("re_UpdateInfo"));
    QVERIFY(!info->isReadOnly());
    QCOMPARE(info->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(info->font().pointSize(), 8);
    QVERIFY(gui.waitForUpdateCheck());
    // a click on "Update" changes nothing
    const QString before = info->toPlainText();
    gui.find<TabPager>(QStringLiteral("stp_Gesamt"))->setPageVisible(Tf_Menue::PageUpdate, true);
    gui.find<TabPager>(QStringLiteral("stp_Gesamt"))->selectPage(Tf_Menue::PageUpdate);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(info->toPlainText(), before);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void TestUpdateCheck::newer_version_shows_panel_and_tab()
{
    const QByteArray inf = newerInf(true);
    const QByteArray whatsNew = "Neu in 2.0:\r\n<b>schneller</b> & <i>besser</i>\r\n";
    FtpPeer peer(
        {{QStringLiteral("Tarvolo.INF"), inf}, {QStringLiteral("whatsnew.txt"), whatsNew}});
    QVERIFY2(peer.server->isReady(), qPrintable(peer.server->output()));
    Gui gui(settingsFor(peer.server->port()));
    QSignalSpy ended(&gui.startup(), &Startup::updateCheckFinished);
    QVERIFY(gui.waitForUpdateCheck());
    QCOMPARE(ended.count(), 1);
    QCOMPARE(ended.at(0).at(0).toBool(), true);

    auto *panel1 = gui.find<QLabel>(QStringLiteral("panel1"));
    QCOMPARE(panel1->text(), QStringLiteral("neue Version"));
    QCOMPARE(panel1->width(), 70);
    QVERIFY(panel1->isVisible());
    auto *pager = gui.find<TabPager>(QStringLiteral("stp_Gesamt"));
    QVERIFY(pager->isTabVisible(Tf_Menue::PageUpdate));
    QCOMPARE(pager->currentIndex(), int(Tf_Menue::PageAusfall));
    QCOMPARE(gui.find<QLineEdit>(QStringLiteral("le_Lokalversion"))->text(),
             QStringLiteral("1.0.0.0"));
    QCOMPARE(gui.find<QLineEdit>(QStringLiteral("le_neue_Versionsnummer"))->text(),
             QStringLiteral("Tarvolo 2.0"));
    auto *bar = gui.find<QProgressBar>(QStringLiteral("pb_Update"));
    QCOMPARE(bar->maximum(), int(whatsNew.size())); // the last file fetched
    QCOMPARE(bar->value(), int(whatsNew.size()));

    // the what's-new lines between the status lines, all as plain text
    const QStringList expected = {
        QStringLiteral("Connected : 220 Tarvolo test server ready."),
        QStringLiteral("Logged in : 230 Login successful."),
        QStringLiteral("Downloading : Tarvolo.INF"),
        QStringLiteral("Downloaded : Tarvolo.INF (%1 bytes)").arg(inf.size()),
        QStringLiteral("Version check : Version compare of ") + kExe +
            QStringLiteral(":1.0.0.0 with Tarvolo 2.0:2.0.0.0"),
        QStringLiteral("Version check : newer version available"),
        QStringLiteral("Downloading : whatsnew.txt"),
        QStringLiteral("Downloaded : whatsnew.txt (%1 bytes)").arg(whatsNew.size()),
        QStringLiteral("Neu in 2.0:"),
        QStringLiteral("<b>schneller</b> & <i>besser</i>"),
        QStringLiteral("Disconnected from server"),
    };
    QCOMPARE(infoLines(gui), expected);
    const QString html = gui.find<QTextEdit>(QStringLiteral("re_UpdateInfo"))->toHtml();
    QVERIFY(!html.contains(QStringLiteral("<b>schneller")));
    verifyTempFolderEmpty();
}

void TestUpdateCheck::check_ending_false_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<QStringList>("options"); // empty list and "none": nothing listening
    QTest::addColumn<int>("totalMs");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("local");
    QTest::addColumn<QString>("server");

    const QString inf = QStringLiteral("Tarvolo.INF");
    const QString none = QStringLiteral("none");
    QTest::newRow("equal versions")
        << Files{{inf, "[Version]\nText=1.0.0.0\nNumber=1.0.0.0\n"}} << QStringList() << 5000
        << "Version check : no newer version available"
        << "1.0.0.0"
        << "1.0.0.0";
    QTest::newRow("older version announced")
        << Files{{inf, "[Version]\nText=0.9\nNumber=0.9.0.0\n"}} << QStringList() << 5000
        << "Version check : no newer version available"
        << "1.0.0.0"
        << "0.9";
    QTest::newRow("login refused")
        << Files{{inf, newerInf(false)}} << QStringList{QStringLiteral("--refuse-login")} << 5000
        << "Login failed : user tarvolo (530 Authentication failed.)"
        << ""
        << "";
    QTest::newRow("nothing listening") << Files{} << QStringList{none} << 5000
                                       << "Connection failed : the server refused the connection"
                                       << ""
                                       << "";
    QTest::newRow("accepts and never answers")
        << Files{} << QStringList{QStringLiteral("--bare")} << 1500
        << "Connection failed : the server did not answer in time"
        << ""
        << "";
    QTest::newRow("control file missing")
        << Files{} << QStringList() << 5000 << "File not found : Tarvolo.INF (550 "
        << ""
        << "";
    QTest::newRow("malformed INI")
        << Files{{inf, "<html><body>Version 9</body></html>"}} << QStringList() << 5000
        << "Control file malformed : /Tarvolo.INF: line 1 is no key=value in a section"
        << ""
        << "";
    QTest::newRow("control file over 1 MiB")
        << Files{{inf, "[Version]\nNumber=2.0.0.0\n" + QByteArray(1024 * 1024, ';')}}
        << QStringList() << 5000 << "Download refused : Tarvolo.INF is larger than 1048576 bytes"
        << ""
        << "";
    QTest::newRow("version number full of colons")
        << Files{{inf, "[Version]\nText=::::\nNumber=2:0:0:0\n"}} << QStringList() << 5000
        << "Control file malformed : /Tarvolo.INF: version number \"2:0:0:0\" is not four numbers"
        << ""
        << "";
    QTest::newRow("what's-new text over 1 MiB")
        << Files{{inf, newerInf(true)},
                 {QStringLiteral("whatsnew.txt"), QByteArray(1024 * 1024 + 1, 'x')}}
        << QStringList() << 5000 << "Download refused : whatsnew.txt is larger than 1048576 bytes"
        << "1.0.0.0"
        << "Tarvolo 2.0";
    const QFileInfo exe(kExe);
    QTest::newRow("every listed file already here")
        << Files{{inf, newerInf(false) + "[Files]\nCount=1\nFile1=" + exe.fileName().toUtf8() +
                           "\nSize1=" + QByteArray::number(exe.size()) + "\n"}}
        << QStringList() << 5000 << "Version check : every file of the update is already here"
        << "1.0.0.0"
        << "Tarvolo 2.0";
}

void TestUpdateCheck::check_ending_false()
{
    QFETCH(Files, files);
    QFETCH(QStringList, options);
    QFETCH(int, totalMs);
    QFETCH(QString, line);
    QFETCH(QString, local);
    QFETCH(QString, server);

    std::unique_ptr<FtpPeer> peer;
    int port = testsupport::closedPort();
    if (options != QStringList{QStringLiteral("none")}) {
        peer = std::make_unique<FtpPeer>(files, options);
        QVERIFY2(peer->server->isReady(), qPrintable(peer->server->output()));
        port = peer->server->port();
    }
    StartupSettings s = settingsFor(port);
    s.updateTotalTimeoutMs = totalMs;
    Gui gui(s);
    QSignalSpy ended(&gui.startup(), &Startup::updateCheckFinished);
    QVERIFY(gui.waitForUpdateCheck());
    QCOMPARE(ended.count(), 1);
    QCOMPARE(ended.at(0).at(0).toBool(), false);

    auto *pager = gui.find<TabPager>(QStringLiteral("stp_Gesamt"));
    QVERIFY(!pager->isTabVisible(Tf_Menue::PageUpdate));
    QCOMPARE(pager->currentIndex(), int(Tf_Menue::PageAusfall));
    QCOMPARE(gui.find<QLabel>(QStringLiteral("panel1"))->width(), 0);
    QVERIFY(!gui.find<QLabel>(QStringLiteral("panel1"))->isVisible());
    QCOMPARE(gui.find<QLineEdit>(QStringLiteral("le_Lokalversion"))->text(), local);
    QCOMPARE(gui.find<QLineEdit>(QStringLiteral("le_neue_Versionsnummer"))->text(), server);

    const QStringList lines = infoLines(gui);
    bool found = false;
    for (const QString &l : lines) {
        QVERIFY2(!l.contains(QStringLiteral("Connect to host :")), qPrintable(l));
        QVERIFY2(!l.contains(QStringLiteral("127.0.0.1")), qPrintable(l));
        found = found || l.startsWith(line);
    }
    QVERIFY2(found, qPrintable(lines.join(u'\n')));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    verifyTempFolderEmpty();
}

void TestUpdateCheck::ctrl_u_before_the_end_data()
{
    QTest::addColumn<QByteArray>("inf");
    QTest::addColumn<int>("presses");
    QTest::addColumn<bool>("answer");
    QTest::newRow("hidden, then a newer version shows it again") << newerInf(false) << 1 << true;
    QTest::newRow("hidden and shown, then nothing newer hides it")
        << QByteArray("[Version]\nNumber=1.0.0.0\n") << 2 << false;
    QTest::newRow("hidden, then nothing newer keeps it hidden")
        << QByteArray("[Version]\nNumber=1.0.0.0\n") << 1 << false;
}

void TestUpdateCheck::ctrl_u_before_the_end()
{
    QFETCH(QByteArray, inf);
    QFETCH(int, presses);
    QFETCH(bool, answer);
    // the server greets after a second, so the keys come while the check waits
    FtpPeer peer({{QStringLiteral("Tarvolo.INF"), inf}},
                 {QStringLiteral("--greeting-delay"), QStringLiteral("1")});
    QVERIFY2(peer.server->isReady(), qPrintable(peer.server->output()));
    Gui gui(settingsFor(peer.server->port()));
    auto *pager = gui.find<TabPager>(QStringLiteral("stp_Gesamt"));

    // while the check runs: tab visible, panel hidden, fields empty, bar at 0
    QVERIFY(pager->isTabVisible(Tf_Menue::PageUpdate));
    QCOMPARE(gui.find<QLabel>(QStringLiteral("panel1"))->width(), 0);
    QVERIFY(gui.find<QLineEdit>(QStringLiteral("le_Lokalversion"))->text().isEmpty());
    QVERIFY(gui.find<QLineEdit>(QStringLiteral("le_neue_Versionsnummer"))->text().isEmpty());
    QCOMPARE(gui.find<QProgressBar>(QStringLiteral("pb_Update"))->value(), 0);

    for (int i = 0; i < presses; ++i)
        QTest::keyClick(gui.menue(), Qt::Key_U, Qt::ControlModifier);
    QCOMPARE(pager->isTabVisible(Tf_Menue::PageUpdate), presses % 2 == 0);
    QVERIFY(gui.waitForUpdateCheck());
    QCOMPARE(pager->isTabVisible(Tf_Menue::PageUpdate), answer);
    QCOMPARE(gui.find<QLabel>(QStringLiteral("panel1"))->width(), answer ? 70 : 0);
}

void TestUpdateCheck::nothing_starts_a_second_check()
{
    FtpPeer peer({{QStringLiteral("Tarvolo.INF"), newerInf(false)}});
    QVERIFY2(peer.server->isReady(), qPrintable(peer.server->output()));
    Gui gui(settingsFor(peer.server->port()));
    QVERIFY(gui.waitForUpdateCheck());
    QSignalSpy ended(&gui.startup(), &Startup::updateCheckFinished);
    auto *info = gui.find<QTextEdit>(QStringLiteral("re_UpdateInfo"));
    const QString report = info->toPlainText();
    QVERIFY(!report.isEmpty());
    QTRY_COMPARE(peer.connections(), 1);

    auto *pager = gui.find<TabPager>(QStringLiteral("stp_Gesamt"));
    for (int page : {1, 2, 3, 0})
        pager->selectPage(page);
    QTest::keyClick(gui.menue(), Qt::Key_U, Qt::ControlModifier);
    QTest::keyClick(gui.menue(), Qt::Key_U, Qt::ControlModifier);
    // the about dialog from the panel "Info", closed again
    bool opened = false;
    QTimer::singleShot(200, gui.menue(), [&opened] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            opened = true;
            w->close();
        }
    });
    auto *info4 = gui.find<QLabel>(QStringLiteral("panel4"));
    QTest::mouseClick(gui.find(QStringLiteral("osb_Statusbar")), Qt::LeftButton, {},
                      info4->geometry().center());
    QVERIFY(opened);
    gui.menue()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(gui.menue()));
    gui.menue()->hide();
    gui.menue()->show(); // a second showing runs no first-show handling
    QTest::qWait(500);

    QCOMPARE(ended.count(), 0);
    QCOMPARE(peer.connections(), 1);
    QCOMPARE(info->toPlainText(), report);
}

QTEST_MAIN(TestUpdateCheck)
#include "test_update_check.moc"
