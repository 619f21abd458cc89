#include "about/about_dlg.h"
#include "about/about_pager.h"
#include "about/picturebox.h"
#include "about/program_page.h"
#include "about/screenshot_page.h"
#include "about_helpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <memory>

using abouttest::clickStatusPanel;
using abouttest::openAbout;
using testsupport::Gui;

namespace {

const QColor kNavy(0, 0, 128);

const QStringList kModules = {
    "Register: Ausfallfaktoren",
    "  Arbeitszeit",
    "  Urlaub und Krankheit",
    "  Schule",
    "  Feiertage",
    "  Ergebnis",
    "  sonstiges",
    "Register: Stundenlohnberechnung",
    "  Stunden",
    "  pro Bereich",
    "  Ausfallfaktoren",
    "  Soziallasten",
    "  Sachkosten",
    "  Wagnis udn Gewinn",
    "  sonstiges",
    "Register: Urlaub",
    "  sonstiges",
    "Register: Update",
    "Hilfe",
    "sonstiges",
};

const QString kDescription = QStringLiteral(
    "Mit diesem Programm können nicht nur die Ausfallzeiten berechnet werden, sondern auch die "
    "einzelnen Aufschläge auf den Bruttostundenlohn. Hierzu gibt man einfachen den Bruttolohn und "
    "die Wochenstunden ein und das Programm rechnet den Stundenlohn aus. Nach Eingabe der "
    "Aufschläge, rechnet das Programm die Stundenverrechnungssatz aus. In der Pro-Version können "
    "die Daten aus der Quelvast-Datenbank eingelesen werden. In der neusten Version ist es auch "
    "möglich, den Urlaubsanspruch zu berechnen.");

QStringList comboItems(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

void verifyBoldNavy(const QLabel *label, int pointSize)
{
    QVERIFY(label->font().bold());
    QCOMPARE(label->font().pointSize(), pointSize);
    QCOMPARE(label->palette().color(QPalette::WindowText), kNavy);
}

} // namespace

class TestAboutDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void the_dialog_as_created();
    void status_bar_clicks_then_info_fill_the_dialog_and_open_it_modally();
    void a_click_on_the_version_panel_fills_the_labels_but_opens_nothing();
    void closing_only_hides_and_keeps_what_the_dialog_holds();
    void version_field_takes_the_text_after_the_first_colon_data();
    void version_field_takes_the_text_after_the_first_colon();
    void the_feedback_page_reads_the_dialog();

private:
    std::unique_ptr<QTemporaryDir> m_data;
};

void TestAboutDialog::init()
{
    testsupport::pinGermanLocale();
    // screenshots go to a folder of the test's own
    m_data = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", m_data->path().toLocal8Bit());
}

void TestAboutDialog::cleanup()
{
    qunsetenv("XDG_DATA_HOME");
    m_data.reset();
}

void TestAboutDialog::the_dialog_as_created()
{
    Gui gui;
    Tdlg_about *dlg = gui.startup().dlg_about();
    QCOMPARE(dlg->objectName(), QStringLiteral("dlg_about"));
    QCOMPARE(dlg->windowTitle(), QStringLiteral("Über das Programm"));
    QCOMPARE(dlg->size(), QSize(667, 368));
    QCOMPARE(dlg->minimumSize(), dlg->maximumSize());
    QVERIFY(dlg->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(dlg->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                                    Qt::WindowContextHelpButtonHint)));
    QCOMPARE(dlg->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(dlg->font().pointSize(), 8);
    QVERIFY(!dlg->isVisible());

    auto *pager = gui.find<AboutPager>(QStringLiteral("stp_about"));
    QVERIFY(pager);
    QCOMPARE(pager->count(), 4);
    const QStringList captions = {"Bildschirmfoto", "Video", "Fehler/Wunsch", "Über das Programm"};
    const QStringList pages = {"stp_Bildschirmfoto", "stp_Video", "stp_Wunsch", "stp_Programm"};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(pager->tabText(i), captions[i]);
        QCOMPARE(pager->widget(i)->objectName(), pages[i]);
    }
    QCOMPARE(pager->boldTab(), 2);
    QCOMPARE(pager->currentIndex(), 2);

    // "Bildschirmfoto"
    QCOMPARE(gui.find(QStringLiteral("p_Bild_oben"))->height(), 23);
    QCOMPARE(gui.find(QStringLiteral("p_Bildschirm_unten"))->height(), 28);
    auto *strech = gui.find<QCheckBox>(QStringLiteral("cb_Strech"));
    auto *proportional = gui.find<QCheckBox>(QStringLiteral("cb_proportional"));
    QCOMPARE(strech->text(), QStringLiteral("Bild einpassen"));
    QCOMPARE(proportional->text(), QStringLiteral("Proportion beibehalten"));
    QVERIFY(!strech->isChecked() && !proportional->isChecked());
    QCOMPARE(strech->palette().color(QPalette::WindowText), kNavy);
    QCOMPARE(proportional->palette().color(QPalette::WindowText), kNavy);
    auto *box = gui.find<PictureBox>(QStringLiteral("i_Bildschirmfoto"));
    QCOMPARE(box->size(), QSize(661, 269));
    QVERIFY(box->picture().isNull());
    auto *button = gui.find<QPushButton>(QStringLiteral("b_Bildschirmfoto"));
    QCOMPARE(button->text(), QStringLiteral("Bildschirmfoto"));
    QCOMPARE(button->palette().color(QPalette::ButtonText), kNavy);
    auto *path = gui.find<QLineEdit>(QStringLiteral("e_Bildverzeichnis"));
    QVERIFY(path->text().isEmpty());
    QVERIFY(path->isHidden());

    // "Video"
    QVERIFY(gui.find(QStringLiteral("p_Video")));

    // "Über das Programm"
    auto *icon = gui.find<QLabel>(QStringLiteral("ProgramIcon"));
    QCOMPARE(icon->size(), QSize(65, 57));
    QVERIFY(icon->hasScaledContents());
    QCOMPARE(icon->pixmap().size(), QSize(48, 48));
    auto *product = gui.find<QLabel>(QStringLiteral("l_ProductName"));
    QCOMPARE(product->text(), QStringLiteral("Tarvolo"));
    verifyBoldNavy(product, 12);
    auto *version = gui.find<QLabel>(QStringLiteral("l_Version"));
    QCOMPARE(version->text(), QStringLiteral("Version: "));
    verifyBoldNavy(version, 8);
    auto *copyright = gui.find<QLabel>(QStringLiteral("Copyright"));
    QVERIFY(copyright->text().contains(QStringLiteral("Pelvar")));
    verifyBoldNavy(copyright, 8);
    auto *comments = gui.find<QLabel>(QStringLiteral("Comments"));
    QCOMPARE(comments->text(), QStringLiteral("Programmbeschreibung"));
    verifyBoldNavy(comments, 8);
    auto *kommentar = gui.find<QTextBrowser>(QStringLiteral("re_Kommentar"));
    QVERIFY(kommentar->isReadOnly());
    QCOMPARE(kommentar->size(), QSize(657, 233));
    QVERIFY(kommentar->toPlainText().isEmpty());
    QVERIFY(gui.find(QStringLiteral("p_Programminfo")));
}

void TestAboutDialog::status_bar_clicks_then_info_fill_the_dialog_and_open_it_modally()
{
    Gui gui;
    Tdlg_about *dlg = gui.startup().dlg_about();
    for (int panel : {StatusBar::Version, StatusBar::Empty, StatusBar::Version})
        clickStatusPanel(gui, panel);
    const QString versionText = gui.menue()->osb_Statusbar()->versionText();
    QVERIFY(versionText.startsWith(QStringLiteral("Version: ")));
    const QString bareVersion = versionText.mid(9);
    QVERIFY(!bareVersion.isEmpty());

    for (int opening = 0; opening < 2; ++opening) {
        openAbout(gui, [&](QWidget *modal) {
            QCOMPARE(modal, dlg);
            QVERIFY(dlg->isModal());
            QCOMPARE(dlg->stp_about()->currentIndex(), int(Tdlg_about::PageWunsch));
            FeedbackPage *wunsch = dlg->stp_Wunsch();
            QCOMPARE(wunsch->le_Programmname()->text(), QStringLiteral("tarvolo"));
            QCOMPARE(wunsch->le_Programmversion()->text(), bareVersion);
            QCOMPARE(comboItems(wunsch->cb_Modul()), kModules);
            QCOMPARE(wunsch->cb_Modul()->currentIndex(), -1);
            QVERIFY(wunsch->cb_Modul()->currentText().isEmpty());
            ProgramInfoPage *info = dlg->stp_Programm();
            QCOMPARE(info->re_Kommentar()->toPlainText(), kDescription);
            QCOMPARE(info->l_ProductName()->text(), QStringLiteral("tarvolo"));
            QCOMPARE(info->l_Version()->text(), versionText);
        });
        if (QTest::currentTestFailed())
            return;
        QVERIFY(!dlg->isVisible());
        // a choice in the combo box is gone at the next opening
        dlg->stp_Wunsch()->cb_Modul()->setCurrentIndex(3);
    }
    QCOMPARE(gui.menue()->moduleList(), kModules);
    QCOMPARE(gui.menue()->programDescription(), kDescription);
}

void TestAboutDialog::a_click_on_the_version_panel_fills_the_labels_but_opens_nothing()
{
    Gui gui;
    Tdlg_about *dlg = gui.startup().dlg_about();
    QWidget *opened = nullptr;
    // should anything open, it is recorded and closed instead of blocking the test
    QTimer::singleShot(0, gui.menue(), [&] {
        opened = QApplication::activeModalWidget();
        if (opened)
            opened->close();
    });
    clickStatusPanel(gui, StatusBar::Version);
    clickStatusPanel(gui, StatusBar::Version);
    QCoreApplication::processEvents();
    QVERIFY(!opened);
    QVERIFY(!dlg->isVisible());
    ProgramInfoPage *info = dlg->stp_Programm();
    QCOMPARE(info->l_ProductName()->text(), QStringLiteral("tarvolo"));
    QCOMPARE(info->l_Version()->text(), gui.menue()->osb_Statusbar()->versionText());
    QCOMPARE(info->re_Kommentar()->toPlainText(), kDescription);
    // the feedback page is filled by "Info" only
    QVERIFY(dlg->stp_Wunsch()->le_Programmname()->text().isEmpty());
    QCOMPARE(dlg->stp_Wunsch()->cb_Modul()->count(), 0);
}

void TestAboutDialog::closing_only_hides_and_keeps_what_the_dialog_holds()
{
    Gui gui;
    QPointer<Tdlg_about> dlg = gui.startup().dlg_about();
    openAbout(gui, [&](QWidget *) {
        dlg->stp_about()->setCurrentIndex(Tdlg_about::PageBildschirmfoto);
        QTest::mouseClick(dlg->stp_Bildschirmfoto()->cb_Strech(), Qt::LeftButton);
        QTest::mouseClick(dlg->stp_Bildschirmfoto()->b_Bildschirmfoto(), Qt::LeftButton);
    });
    QVERIFY(dlg);
    QVERIFY(!dlg->isVisible());
    const QString path = dlg->screenshotPath();
    QVERIFY(path.startsWith(m_data->path()));
    openAbout(gui, [&](QWidget *modal) {
        QCOMPARE(modal, dlg.data());
        QCOMPARE(dlg->stp_about()->currentIndex(), int(Tdlg_about::PageWunsch));
        QVERIFY(dlg->stp_Bildschirmfoto()->cb_Strech()->isChecked());
        QVERIFY(dlg->stp_Bildschirmfoto()->i_Bildschirmfoto()->stretch());
        QVERIFY(!dlg->stp_Bildschirmfoto()->i_Bildschirmfoto()->picture().isNull());
        QCOMPARE(dlg->screenshotPath(), path);
    });
}

void TestAboutDialog::version_field_takes_the_text_after_the_first_colon_data()
{
    QTest::addColumn<QString>("panelText");
    QTest::addColumn<QString>("expected");
    QTest::newRow("version number") << "Version: 1.0.3.12"
                                    << "1.0.3.12";
    QTest::newRow("no version resource") << "Version: "
                                         << "";
    QTest::newRow("missing file") << "Version: -1"
                                  << "-1";
    QTest::newRow("only the first colon counts") << "Version: 1:2"
                                                 << "1:2";
    QTest::newRow("no colon: from the second character") << "Version"
                                                         << "ersion";
    QTest::newRow("at most 200 characters")
        << QStringLiteral("Version: ") + QString(250, u'9') << QString(200, u'9');
}

void TestAboutDialog::version_field_takes_the_text_after_the_first_colon()
{
    QFETCH(QString, panelText);
    QFETCH(QString, expected);
    Gui gui;
    Tdlg_about *dlg = gui.startup().dlg_about();
    dlg->fillProgramFields(QStringLiteral("tarvolo"), panelText, kModules);
    QCOMPARE(dlg->stp_Wunsch()->le_Programmversion()->text(), expected);
    QCOMPARE(dlg->stp_Wunsch()->le_Programmname()->text(), QStringLiteral("tarvolo"));
}

void TestAboutDialog::the_feedback_page_reads_the_dialog()
{
    Gui gui;
    Tdlg_about *dlg = gui.startup().dlg_about();
    FeedbackContext &context = *dlg;
    QVERIFY(context.screenshotPath().isEmpty());
    QCOMPARE(context.productName(), QStringLiteral("Tarvolo"));
    QCOMPARE(context.versionLabel(), QStringLiteral("Version: "));
    clickStatusPanel(gui, StatusBar::Empty);
    QCOMPARE(context.productName(), QStringLiteral("tarvolo"));
    QCOMPARE(context.versionLabel(), gui.menue()->osb_Statusbar()->versionText());
    dlg->stp_Bildschirmfoto()->e_Bildverzeichnis()->setText(QStringLiteral("/tmp/x.jpg"));
    QCOMPARE(context.screenshotPath(), QStringLiteral("/tmp/x.jpg"));
    context.showScreenshotPage();
    QCOMPARE(dlg->stp_about()->currentIndex(), int(Tdlg_about::PageBildschirmfoto));
}

QTEST_MAIN(TestAboutDialog)
#include "test_aboutdialog.moc"
