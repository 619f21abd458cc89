#include "app/helpwindow.h"
#include "app/menue_f.h"
#include "app/programicon.h"
#include "app/statusbar.h"
#include "app/tabpager.h"
#include "support/guitest.h"

#include <QFile>
#include <QHelpContentModel>
#include <QHelpEngineCore>
#include <QHelpLink>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeView>

using testsupport::Gui;

namespace {

// Settings without the update check, so the tab "Update" stays as the test leaves it.
StartupSettings helpSettings()
{
    StartupSettings s = testsupport::testSettings();
    s.startUpdateCheck = false;
    return s;
}

// Every context number the help window is put on, from its creation on.
struct HelpRecorder
{
    explicit HelpRecorder(Tf_Menue *menue)
    {
        QObject::connect(menue, &Tf_Menue::helpWindowCreated, &context, [this](HelpWindow *w) {
            QObject::connect(w, &HelpWindow::contextIdChanged, &context,
                             [this](int id) { ids << id; });
        });
    }
    QObject context;
    QList<int> ids;
};

void clickTab(Gui &gui, int page)
{
    auto *pager = gui.find<TabPager>(QStringLiteral("stp_Gesamt"));
    if (!pager->isTabVisible(page))
        QTest::keyClick(gui.menue(), Qt::Key_U, Qt::ControlModifier);
    QVERIFY(pager->isTabVisible(page));
    QTest::mouseClick(pager->tabBar(), Qt::LeftButton, {}, pager->tabBar()->tabRect(page).center());
    QCOMPARE(pager->currentIndex(), page);
}

void clickHelpPanel(Gui &gui)
{
    QWidget *panel = gui.find<StatusBar>(QStringLiteral("osb_Statusbar"))
                         ->findChild<QWidget *>(QStringLiteral("panel3"));
    QVERIFY(panel);
    QTest::mouseClick(panel, Qt::LeftButton, {}, panel->rect().center());
}

QString plainText(const QByteArray &html)
{
    QTextDocument doc;
    doc.setHtml(QString::fromUtf8(html));
    return doc.toPlainText();
}

QString shownPage(HelpWindow *w)
{
    return w->browser()->source().fileName();
}

} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { testsupport::pinGermanLocale(); }
    void help_panel_shows_the_active_pages_topic_data();
    void help_panel_shows_the_active_pages_topic();
    void every_request_passes_the_contents_first();
    void f1_shows_the_contents_data();
    void f1_shows_the_contents();
    void contents_tree_opens_a_topic();
    void help_file_holds_the_topics_and_names_their_fields_data();
    void help_file_holds_the_topics_and_names_their_fields();
    void unusable_help_file_is_reported_in_the_window_data();
    void unusable_help_file_is_reported_in_the_window();
    void unknown_topic_is_reported_in_the_window();
    void windows_carry_the_program_icon();
};

void TestHelp::help_panel_shows_the_active_pages_topic_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QList<int>>("ids");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("heading");
    QTest::newRow("Ausfallfaktoren → 30") << 0 << QList<int>{0, 30} << "ausfallfaktoren.html"
                                          << "Ausfallfaktoren";
    QTest::newRow("Stundenlohnberechnung → 13") << 1 << QList<int>{0, 13} << "stundenlohn.html"
                                                << "Stundenlohnberechnung";
    QTest::newRow("Urlaub → 100") << 2 << QList<int>{0, 100} << "urlaub.html"
                                  << "Urlaub";
    QTest::newRow("Update → nothing") << 3 << QList<int>{} << ""
                                      << "";
}

void TestHelp::help_panel_shows_the_active_pages_topic()
{
    QFETCH(int, page);
    QFETCH(QList<int>, ids);
    QFETCH(QString, file);
    QFETCH(QString, heading);
    Gui gui(helpSettings());
    HelpRecorder recorder(gui.menue());
    if (page != 0)
        clickTab(gui, page);
    QVERIFY(!gui.menue()->helpWindow());
    clickHelpPanel(gui);
    QCOMPARE(recorder.ids, ids);
    auto *help = gui.menue()->findChild<HelpWindow *>(QStringLiteral("help_viewer"));
    if (ids.isEmpty()) {
        QVERIFY(!help); // nothing was requested, so nothing was created
        return;
    }
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QVERIFY(help->isWindow());
    QCOMPARE(help->property("contextId").toInt(), ids.last());
    QCOMPARE(shownPage(help), file);
    QVERIFY(help->browser()->toPlainText().startsWith(heading));
}

void TestHelp::every_request_passes_the_contents_first()
{
    Gui gui(helpSettings());
    HelpRecorder recorder(gui.menue());
    clickHelpPanel(gui);
    clickTab(gui, 2);
    clickHelpPanel(gui);
    clickTab(gui, 1);
    clickHelpPanel(gui);
    clickTab(gui, 3);
    clickHelpPanel(gui); // on "Update" nothing is requested
    QCOMPARE(recorder.ids, (QList<int>{0, 30, 0, 100, 0, 13}));
    auto *help = gui.menue()->helpWindow();
    QCOMPARE(help->contextId(), 13);
    QCOMPARE(shownPage(help), QStringLiteral("stundenlohn.html"));
}

void TestHelp::f1_shows_the_contents_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("on Ausfallfaktoren") << 0;
    QTest::newRow("on Urlaub") << 2;
}

void TestHelp::f1_shows_the_contents()
{
    QFETCH(int, page);
    Gui gui(helpSettings());
    HelpRecorder recorder(gui.menue());
    if (page != 0)
        clickTab(gui, page);
    QTest::keyClick(gui.menue(), Qt::Key_F1);
    QCOMPARE(recorder.ids, QList<int>{0});
    HelpWindow *help = gui.menue()->helpWindow();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->contextId(), 0);
    QCOMPARE(shownPage(help), QStringLiteral("index.html"));
    QVERIFY(help->browser()->toPlainText().startsWith(QStringLiteral("Tarvolo – Hilfe")));
    // a second F1 from the main window asks again, the window does not multiply
    gui.menue()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(gui.menue()));
    QTest::keyClick(gui.menue(), Qt::Key_F1);
    QCOMPARE(recorder.ids, (QList<int>{0, 0}));
    QCOMPARE(gui.menue()->findChildren<HelpWindow *>().size(), 1);
}

void TestHelp::contents_tree_opens_a_topic()
{
    Gui gui(helpSettings());
    QTest::keyClick(gui.menue(), Qt::Key_F1);
    HelpWindow *help = gui.menue()->helpWindow();
    QVERIFY(help);
    QVERIFY(QTest::qWaitForWindowExposed(help));
    QTreeView *tree = help->contentsTree();
    // the engine fills its contents model in the background
    QVERIFY(QTest::qWaitFor([&] { return tree->model()->rowCount() > 0; }, 10000));
    const QModelIndex root = tree->model()->index(0, 0);
    QCOMPARE(root.data().toString(), QStringLiteral("Tarvolo-Hilfe"));
    QStringList topics;
    QModelIndex urlaub;
    for (int row = 0; row < tree->model()->rowCount(root); ++row) {
        const QModelIndex index = tree->model()->index(row, 0, root);
        topics << index.data().toString();
        if (topics.last() == QStringLiteral("Urlaub"))
            urlaub = index;
    }
    QVERIFY2(topics.contains(QStringLiteral("Ausfallfaktoren")), qPrintable(topics.join('|')));
    QVERIFY(topics.contains(QStringLiteral("Stundenlohnberechnung")));
    QVERIFY(urlaub.isValid());
    tree->scrollTo(urlaub);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(urlaub).center());
    QCOMPARE(shownPage(help), QStringLiteral("urlaub.html"));
    QCOMPARE(tree->currentIndex(), urlaub);
    // a requested topic is marked in the tree as well
    help->showTopic(13);
    QCOMPARE(tree->currentIndex().data().toString(), QStringLiteral("Stundenlohnberechnung"));
}

void TestHelp::help_file_holds_the_topics_and_names_their_fields_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("0: contents") << "0"
                                 << QStringList{"Tarvolo – Hilfe",
                                                "Ausfallfaktoren",
                                                "Stundenlohnberechnung",
                                                "Urlaub",
                                                "„Wirklich?“",
                                                "„Unmöglich?“",
                                                "Hilfe",
                                                "Info",
                                                "F1",
                                                "Strg+U"};
    QTest::newRow("30: Ausfallfaktoren") << "30"
                                         << QStringList{"Stunden pro Woche",
                                                        "Arbeitstage pro Woche",
                                                        "Stunden pro Tag",
                                                        "Urlaub und Krankheit",
                                                        "Urlaubstage",
                                                        "Krankheitstage",
                                                        "Schule",
                                                        "Schulwochen pro Jahr",
                                                        "Schultage pro Jahr",
                                                        "Feiertage",
                                                        "Bundesland",
                                                        "Stunden",
                                                        "Ergebnis",
                                                        "Gesamtstunden pro Jahr",
                                                        "Produktivstunden (nach Urlaub/Schule)",
                                                        "verrechnete Stunden (pro Woche)",
                                                        "Produktivverhältnis",
                                                        "verrechenbare Stunden",
                                                        "Ausfallfaktor in %",
                                                        "nicht verrechenbare Stunden",
                                                        "8,00",
                                                        "80,0",
                                                        "2080,0",
                                                        "1680,0",
                                                        "75,0",
                                                        "1260,0",
                                                        "420,0",
                                                        "39,4",
                                                        "„Wirklich?“",
                                                        "„Unmöglich?“"};
    QTest::newRow("13: Stundenlohnberechnung") << "13"
                                               << QStringList{"Bruttolohn",
                                                              "Wochenarbeitsstunden",
                                                              "Stundenlohn",
                                                              "pro Bereich nur Euro oder %",
                                                              "Euro",
                                                              "%",
                                                              "Ausfallfaktoren",
                                                              "Soziallasten",
                                                              "Sachkosten",
                                                              "Wagnis & Gewinn",
                                                              "Verrechnungssatz",
                                                              "3.000,00",
                                                              "40,00",
                                                              "17,31",
                                                              "23,27",
                                                              "12,00",
                                                              "„Wirklich?“",
                                                              "„Unmöglich?“"};
    QTest::newRow("100: Urlaub") << "100"
                                 << QStringList{"Urlaub (Standard)",
                                                "Arbeitstage/Woche",
                                                "Arbeitstage (MA)",
                                                "eingestellt am",
                                                "beschäftigt bis",
                                                "Monate",
                                                "Schwerbehinter nach §208",
                                                "rechnen",
                                                "Urlaubsanspruch",
                                                "27.03.",
                                                "31.12.",
                                                "9,00",
                                                "18,00",
                                                "13,50",
                                                "18,50",
                                                "„Wirklich?“"};
}

void TestHelp::help_file_holds_the_topics_and_names_their_fields()
{
    QFETCH(QString, id);
    QFETCH(QStringList, texts);
    const QString file = helpFilePath(QStringLiteral(TARVOLO_EXECUTABLE));
    QVERIFY2(QFile::exists(file), qPrintable(file));
    QTemporaryDir dir;
    QHelpEngineCore engine(dir.filePath(QStringLiteral("check.qhc")));
    engine.setReadOnly(false);
    QVERIFY(engine.setupData());
    QVERIFY2(engine.registerDocumentation(file), qPrintable(engine.error()));
    const QList<QHelpLink> links = engine.documentsForIdentifier(id);
    QCOMPARE(links.size(), 1);
    const QString text = plainText(engine.fileData(links.first().url));
    for (const QString &t : texts)
        QVERIFY2(text.contains(t), qPrintable(QStringLiteral("missing: ") + t));
}

void TestHelp::unusable_help_file_is_reported_in_the_window_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    QTest::newRow("no help file") << QByteArray() << "wurde nicht gefunden";
    QTest::newRow("not a help file") << QByteArray("kein SQLite") << "keine lesbare Hilfedatei";
}

void TestHelp::unusable_help_file_is_reported_in_the_window()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("tarvolo"));
    if (!content.isEmpty()) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Hilfedatei")));
        QFile f(helpFilePath(program));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    StartupSettings s = helpSettings();
    s.programFile = program;
    Gui gui(s);
    HelpRecorder recorder(gui.menue());
    clickHelpPanel(gui);
    QCOMPARE(recorder.ids, (QList<int>{0, 30}));
    HelpWindow *help = gui.menue()->helpWindow();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->helpFile(), dir.filePath(QStringLiteral("Hilfedatei/tarvolo.qch")));
    const QString shown = help->browser()->toPlainText();
    QVERIFY2(shown.contains(message), qPrintable(shown));
    QVERIFY(shown.contains(help->helpFile()));
    QVERIFY(!QApplication::activeModalWidget());
    // F1 meets the same report
    gui.menue()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(gui.menue()));
    QTest::keyClick(gui.menue(), Qt::Key_F1);
    QCOMPARE(help->contextId(), 0);
    QVERIFY(help->browser()->toPlainText().contains(message));
}

void TestHelp::unknown_topic_is_reported_in_the_window()
{
    Gui gui(helpSettings());
    QTest::keyClick(gui.menue(), Qt::Key_F1);
    HelpWindow *help = gui.menue()->helpWindow();
    QVERIFY(help);
    help->showTopic(55);
    QCOMPARE(help->contextId(), 55);
    QVERIFY2(help->browser()->toPlainText().contains(QStringLiteral("Hilfethema Nummer 55")),
             qPrintable(help->browser()->toPlainText()));
    // the window recovers with the next request
    help->showTopic(100);
    QCOMPARE(shownPage(help), QStringLiteral("urlaub.html"));
}

void TestHelp::windows_carry_the_program_icon()
{
    const QIcon icon = programIcon();
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(48, 48)});
    Gui gui(helpSettings());
    QVERIFY(!gui.menue()->windowIcon().isNull());
    QCOMPARE(gui.menue()->windowIcon().pixmap(48).toImage(), icon.pixmap(48).toImage());
    QTest::keyClick(gui.menue(), Qt::Key_F1);
    QCOMPARE(gui.menue()->helpWindow()->windowIcon().pixmap(48).toImage(),
             icon.pixmap(48).toImage());
}

QTEST_MAIN(TestHelp)
#include "test_help.moc"
