#include "about/about_dlg.h"
#include "about/video_page.h"
#include "about_helpers.h"
#include "app/messageboxes.h"

#include <QDir>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QVideoWidget>

using abouttest::clickTab;
using abouttest::openAbout;
using testsupport::Gui;

class TestVideo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { MessageBoxes::clearShown(); }
    void cleanup() { MessageBoxes::setAnswerer({}); }
    void the_help_video_lies_beside_the_executable();
    void first_opening_does_not_start_the_video();
    void video_tab_starts_from_the_beginning_and_leaving_starts_again();
    void quick_page_changes_leave_the_video_playing_from_its_beginning();
    void without_the_file_page_changes_do_nothing();
    void a_player_error_reaches_the_error_report();
};

void TestVideo::the_help_video_lies_beside_the_executable()
{
    Gui gui;
    Tdlg_about *dlg = gui.startup().dlg_about();
    const QString expected =
        QFileInfo(QStringLiteral(TARVOLO_EXECUTABLE)).absolutePath() + "/Hilfedatei/pelvar.avi";
    QCOMPARE(dlg->videoFile(), expected);
    QVERIFY2(QFileInfo(expected).size() > 0, qPrintable(expected));
    QCOMPARE(dlg->f_Verzeichnis(0),
             QFileInfo(QStringLiteral(TARVOLO_EXECUTABLE)).absolutePath() + "/");
}

void TestVideo::first_opening_does_not_start_the_video()
{
    Gui gui;
    Tdlg_about *dlg = gui.startup().dlg_about();
    QVERIFY(!dlg->stp_Video()->mp_Video()); // not made at start
    openAbout(gui, [&](QWidget *modal) {
        QCOMPARE(modal, dlg);
        QCOMPARE(dlg->stp_about()->currentIndex(), int(Tdlg_about::PageWunsch));
        QVERIFY(!dlg->stp_Video()->mp_Video());
    });
    QVERIFY(!dlg->stp_Video()->mp_Video());
}

void TestVideo::video_tab_starts_from_the_beginning_and_leaving_starts_again()
{
    Gui gui;
    Tdlg_about *dlg = gui.startup().dlg_about();
    openAbout(gui, [&](QWidget *) {
        clickTab(dlg->stp_about(), Tdlg_about::PageVideo);
        QCOMPARE(dlg->stp_about()->currentIndex(), int(Tdlg_about::PageVideo));
        QMediaPlayer *player = dlg->stp_Video()->mp_Video();
        QVERIFY(player);
        QCOMPARE(player->objectName(), QStringLiteral("mp_Video"));
        QCOMPARE(player->source(), QUrl::fromLocalFile(dlg->videoFile()));
        auto *screen = qobject_cast<QVideoWidget *>(player->videoOutput());
        QVERIFY(screen);
        QCOMPARE(screen->parentWidget(), dlg->stp_Video()->p_Video());
        QTRY_COMPARE_WITH_TIMEOUT(player->playbackState(), QMediaPlayer::PlayingState, 20000);
        QVERIFY2(player->position() < 2000, "not from the beginning");
        QTRY_VERIFY_WITH_TIMEOUT(player->position() >= 1500, 20000);
        const qint64 before = player->position();

        clickTab(dlg->stp_about(), Tdlg_about::PageProgramm);
        QCOMPARE(player, dlg->stp_Video()->mp_Video()); // one player for the run
        QTRY_VERIFY_WITH_TIMEOUT(player->playbackState() == QMediaPlayer::PlayingState &&
                                     player->position() < before,
                                 20000);
    });
    // closing the dialog stops nothing
    QMediaPlayer *player = dlg->stp_Video()->mp_Video();
    QVERIFY(player);
    QCOMPARE(player->playbackState(), QMediaPlayer::PlayingState);
    QVERIFY(MessageBoxes::shown().isEmpty());
}

void TestVideo::quick_page_changes_leave_the_video_playing_from_its_beginning()
{
    Gui gui;
    Tdlg_about *dlg = gui.startup().dlg_about();
    openAbout(gui, [&](QWidget *) {
        // tab clicks faster than the video loads: each asks for a restart while the pipeline is
        // still being built, which must neither freeze the window nor get lost
        for (int round = 0; round < 6; ++round) {
            clickTab(dlg->stp_about(), Tdlg_about::PageVideo);
            QCoreApplication::processEvents();
            clickTab(dlg->stp_about(), Tdlg_about::PageProgramm);
        }
        QMediaPlayer *player = dlg->stp_Video()->mp_Video();
        QVERIFY(player);
        QTRY_COMPARE_WITH_TIMEOUT(player->playbackState(), QMediaPlayer::PlayingState, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(player->position() >= 1000, 20000);
        const qint64 before = player->position();
        clickTab(dlg->stp_about(), Tdlg_about::PageVideo);
        QTRY_VERIFY_WITH_TIMEOUT(player->playbackState() == QMediaPlayer::PlayingState &&
                                     player->position() < before,
                                 20000);
    });
    QVERIFY(MessageBoxes::shown().isEmpty());
}

void TestVideo::without_the_file_page_changes_do_nothing()
{
    QTemporaryDir folder;
    Gui gui(abouttest::linkedProgram(folder, QStringLiteral("tarvolo")));
    Tdlg_about *dlg = gui.startup().dlg_about();
    QVERIFY(!QFileInfo::exists(dlg->videoFile()));
    QCOMPARE(dlg->videoFile(), folder.filePath(QStringLiteral("Hilfedatei/pelvar.avi")));
    openAbout(gui, [&](QWidget *) {
        for (int page : {1, 0, 3, 1, 2})
            clickTab(dlg->stp_about(), page);
        QCOMPARE(dlg->stp_about()->currentIndex(), int(Tdlg_about::PageWunsch));
    });
    QVERIFY(!dlg->stp_Video()->mp_Video());
    QVERIFY(MessageBoxes::shown().isEmpty());
}

void TestVideo::a_player_error_reaches_the_error_report()
{
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Hilfedatei")));
    QFile broken(folder.filePath(QStringLiteral("Hilfedatei/pelvar.avi")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("kein Video, nur Text\n");
    broken.close();
    MessageBoxes::setAnswerer([](const MessageBoxInfo &) { return QMessageBox::Ok; });
    Gui gui(abouttest::linkedProgram(folder, QStringLiteral("tarvolo")));
    Tdlg_about *dlg = gui.startup().dlg_about();
    openAbout(gui, [&](QWidget *) {
        clickTab(dlg->stp_about(), Tdlg_about::PageVideo);
        // the page change has happened; the error comes from the player later
        QCOMPARE(dlg->stp_about()->currentIndex(), int(Tdlg_about::PageVideo));
        QTRY_VERIFY_WITH_TIMEOUT(!MessageBoxes::shown().isEmpty(), 20000);
        const MessageBoxInfo box = MessageBoxes::shown().first();
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.caption, QStringLiteral("Tarvolo"));
        QVERIFY(!box.text.isEmpty());
    });
}

QTEST_MAIN(TestVideo)
#include "test_video.moc"
