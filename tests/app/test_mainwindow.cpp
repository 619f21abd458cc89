#include "app/balloon.h"
#include "app/fileversion.h"
#include "app/menue_f.h"
#include "app/numberedit.h"
#include "app/statusbar.h"
#include "app/tabpager.h"
#include "support/guitest.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QTabBar>
#include <QTcpServer>
#include <QTemporaryFile>
#include <QTest>

using testsupport::Gui;

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { testsupport::pinGermanLocale(); }
    void start_shows_page_zero_with_focus_and_version();
    void ctrl_u_toggles_the_update_tab();
    void status_bar_hit_test_data();
    void status_bar_hit_test();
    void clicks_on_version_or_empty_panel_open_nothing();
    void file_version_data();
    void file_version();
    void page_change_removes_the_balloons_of_the_page_left();
    void exit_during_a_page_change_is_silent();
    void keyboard_page_change_runs_the_same_handling();
};

void TestMainWindow::start_shows_page_zero_with_focus_and_version()
{
    // an update server that accepts and never answers keeps the check running meanwhile
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    StartupSettings settings = testsupport::testSettings();
    settings.updatePort = silent.serverPort();
    settings.updateTotalTimeoutMs = 1000;
    Gui gui(settings);
    Tf_Menue *m = gui.menue();
    QCOMPARE(m->windowTitle(), QStringLiteral("Tarvolo"));
    QCOMPARE(m->size(), QSize(398, 480));
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Tarvolo"));
    auto *pager = gui.find<TabPager>(QStringLiteral("stp_Gesamt"));
    QCOMPARE(pager->currentIndex(), 0);
    QCOMPARE(pager->tabText(0), QStringLiteral("Ausfallfaktoren"));
    QCOMPARE(pager->tabText(1), QStringLiteral("Stundenlohnberechnung"));
    QCOMPARE(pager->tabText(2), QStringLiteral("Urlaub"));
    QCOMPARE(pager->tabText(3), QStringLiteral("Update"));
    QVERIFY(!pager->tabBar()->isMovable());
    QCOMPARE(QApplication::focusWidget(), gui.find(QStringLiteral("le_GKF_Wochenstunden")));
    QCOMPARE(gui.find<QLabel>(QStringLiteral("panel0"))->text(),
             QStringLiteral("Version: 1.0.0.0"));
    QCOMPARE(gui.find<QLabel>(QStringLiteral("panel1"))->width(), 0);
    QVERIFY(pager->isTabVisible(3));
    QVERIFY(!gui.find<QCheckBox>(QStringLiteral("cb_GKF_Seitenwechsel"))->isChecked());
    QVERIFY(!gui.find<QCheckBox>(QStringLiteral("cb_GKF_Seitenwechsel"))->isVisible());
    // the four windows exist, only the main window is shown
    QVERIFY(gui.find(QStringLiteral("selcomp")) &&
            !gui.find(QStringLiteral("selcomp"))->isVisible());
    QVERIFY(gui.find(QStringLiteral("f_dbm")) && !gui.find(QStringLiteral("f_dbm"))->isVisible());
    QVERIFY(gui.find(QStringLiteral("dlg_about")) &&
            !gui.find(QStringLiteral("dlg_about"))->isVisible());
}

void TestMainWindow::ctrl_u_toggles_the_update_tab()
{
    // without a check that could end in between (the update tests cover Ctrl+U with one)
    StartupSettings settings = testsupport::testSettings();
    settings.startUpdateCheck = false;
    Gui gui(settings);
    auto *pager = gui.find<TabPager>(QStringLiteral("stp_Gesamt"));
    const bool before = pager->isTabVisible(3);
    QTest::keyClick(gui.menue(), Qt::Key_U, Qt::ControlModifier);
    QCOMPARE(pager->isTabVisible(3), !before);
    QTest::keyClick(gui.menue(), Qt::Key_U, Qt::ControlModifier);
    QCOMPARE(pager->isTabVisible(3), before);
    QCOMPARE(gui.menue()->a_Update()->text(), QStringLiteral("Update einblenden"));
}

void TestMainWindow::status_bar_hit_test_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("panel");
    QTest::newRow("middle of 0") << 75 << 0;
    QTest::newRow("last pixel of 0") << 149 << 0;
    QTest::newRow("edge 0|2 skips the zero-width 1") << 150 << 2;
    QTest::newRow("middle of 2") << 170 << 2;
    QTest::newRow("edge 2|3") << 190 << 3;
    QTest::newRow("middle of 3") << 215 << 3;
    QTest::newRow("middle of 4") << 265 << 4;
    QTest::newRow("middle of 5") << 315 << 5;
    QTest::newRow("last pixel of 5") << 339 << 5;
    QTest::newRow("right of all panels") << 340 << -1;
}

void TestMainWindow::status_bar_hit_test()
{
    QFETCH(int, x);
    QFETCH(int, panel);
    QCOMPARE(StatusBar::panelAt({150, 0, 40, 50, 50, 50}, x), panel);
}

void TestMainWindow::clicks_on_version_or_empty_panel_open_nothing()
{
    Gui gui;
    auto *bar = gui.find<StatusBar>(QStringLiteral("osb_Statusbar"));
    QCOMPARE(bar->height(), 19);
    for (const char *name : {"panel0", "panel5"}) {
        QWidget *panel = bar->findChild<QWidget *>(QString::fromLatin1(name));
        QTest::mouseClick(panel, Qt::LeftButton, {}, panel->rect().center());
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!gui.find(QStringLiteral("dlg_about"))->isVisible());
    }
}

void TestMainWindow::file_version_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("version");
    QTest::newRow("the built executable") << QStringLiteral(TARVOLO_EXECUTABLE) << "1.0.0.0";
    QTest::newRow("a file without a stamp") << QCoreApplication::applicationFilePath() << "";
    QTest::newRow("a missing path") << "/nonexistent/tarvolo"
                                    << "-1";
}

void TestMainWindow::file_version()
{
    QFETCH(QString, path);
    QFETCH(QString, version);
    QCOMPARE(GetFileVersion(path), version);
}

void TestMainWindow::page_change_removes_the_balloons_of_the_page_left()
{
    Gui gui;
    auto *field = gui.find<NumberEdit>(QStringLiteral("le_GKF_Wochenstunden"));
    field->setNumberText(QStringLiteral("60"));
    gui.menue()->p_Eingabe_Prüfen(field, 50, 168);
    QVERIFY(BalloonService::balloonOf(field));
    auto *pager = gui.find<TabPager>(QStringLiteral("stp_Gesamt"));
    QTest::mouseClick(pager->tabBar(), Qt::LeftButton, {}, pager->tabBar()->tabRect(1).center());
    QCOMPARE(pager->currentIndex(), 1);
    QVERIFY(!BalloonService::balloonOf(field));
    QCOMPARE(field->borderColor(), QColor());
}

void TestMainWindow::exit_during_a_page_change_is_silent()
{
    Gui gui;
    auto *pager = gui.find<TabPager>(QStringLiteral("stp_Gesamt"));
    auto *flag = gui.find<QCheckBox>(QStringLiteral("cb_GKF_Seitenwechsel"));
    QList<bool> flagDuringChange;
    bool changing = false;
    QObject context;
    // the flag is set before the pages swap and while the page's focus moves
    QObject::connect(pager, &TabPager::aboutToChange, &context, [&] {
        changing = true;
        flagDuringChange << flag->isChecked();
    });
    QObject::connect(qApp, &QApplication::focusChanged, &context, [&] {
        if (changing)
            flagDuringChange << flag->isChecked();
    });
    auto *field = gui.find<NumberEdit>(QStringLiteral("le_GKF_Wochenstunden"));
    bool checked = true;
    QObject::connect(field, &NumberEdit::exited, &context,
                     [&] { checked = gui.menue()->p_Eingabe_Prüfen(field, 50, 168); });
    pager->selectPage(2);
    changing = false;
    pager->selectPage(0);
    changing = false;
    QVERIFY(flagDuringChange.size() >= 4);
    QVERIFY(!flagDuringChange.contains(false));
    QVERIFY(!flag->isChecked());
    // a field left during a change (the Change handler moves the focus) is checked silently
    field->setNumberText(QStringLiteral("500"));
    pager->selectPage(1);
    QVERIFY(!checked);
    QVERIFY(!BalloonService::balloonOf(field));
    QVERIFY(!flag->isChecked());
}

void TestMainWindow::keyboard_page_change_runs_the_same_handling()
{
    Gui gui;
    auto *pager = gui.find<TabPager>(QStringLiteral("stp_Gesamt"));
    QList<int> froms;
    QObject context;
    QObject::connect(pager, &TabPager::aboutToChange, &context,
                     [&](int from, int) { froms << from; });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(pager->currentIndex(), 1);
    QCOMPARE(froms, QList<int>{0});
    QCOMPARE(QApplication::focusWidget(), gui.find(QStringLiteral("le_SLB_Bruttolohn")));
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
