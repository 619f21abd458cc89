#include "app/balloon.h"
#include "app/menue_f.h"
#include "app/messageboxes.h"
#include "app/numberedit.h"
#include "app/page_gkf.h"
#include "app/sectionbox.h"
#include "app/spinarrows.h"
#include "app/statecombo.h"
#include "support/guitest.h"

#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

using testsupport::Gui;

namespace {

const QColor kNavy(0, 0, 128);
const QColor kRed(255, 0, 0);

const QStringList kResults{
    QStringLiteral("le_GKF_Stunden_Tag"),          QStringLiteral("le_GKF_Feiertage_Stunden"),
    QStringLiteral("le_GKF_Gesamtstunden"),        QStringLiteral("le_GKF_Produktiv_Urlaub"),
    QStringLiteral("le_GKF_Produktivverhaeltnis"), QStringLiteral("le_GKF_Produktivstunden"),
    QStringLiteral("le_GKF_Unproduktivstunden"),   QStringLiteral("le_GKF_Ausfallfaktor")};

QString textOf(Gui &gui, const QString &name)
{
    auto *e = gui.find<QLineEdit>(name);
    return e ? e->text() : QStringLiteral("<missing %1>").arg(name);
}

QStringList resultTexts(Gui &gui)
{
    QStringList texts;
    for (const QString &name : kResults)
        texts << textOf(gui, name);
    return texts;
}

// Types a value into a field and leaves it with Tab, as the user does.
void enter(Gui &gui, const QString &name, const QString &text)
{
    gui.typeInto(name, text);
    gui.pressTab();
}

// Clicks the check box in a section's caption.
void clickCaption(Gui &gui, const QString &box)
{
    auto *b = gui.find<SectionBox>(box);
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton, {}, b->checkBoxRect().center());
}

QString balloonText(Gui &gui, const QString &field)
{
    const Balloon *b = BalloonService::balloonOf(gui.find<NumberEdit>(field));
    return b ? b->balloonText() : QString();
}

QColor captionColor(Gui &gui, const QString &box)
{
    return gui.find(box)->property("captionColor").value<QColor>();
}

// Whether the caption's text is drawn in the colour: its darkest pixel (antialiased text on a
// light ground) has that colour's hue.
bool captionDrawnIn(SectionBox *box, const QColor &color)
{
    const QImage image = box->grab().toImage();
    const QRect check = box->checkBoxRect();
    QColor darkest = Qt::white;
    for (int y = 0; y < qMin(image.height(), 18); ++y)
        for (int x = check.right() + 3; x < image.width() / 2; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.lightness() < darkest.lightness())
                darkest = c;
        }
    const bool red = darkest.red() - qMax(darkest.green(), darkest.blue()) > 100;
    const bool navy = darkest.blue() - qMax(darkest.red(), darkest.green()) > 50;
    return color == QColor(255, 0, 0) ? red : navy;
}

void enterWorkingTime(Gui &gui, const QString &weekly, const QString &days)
{
    enter(gui, QStringLiteral("le_GKF_Wochenstunden"), weekly);
    enter(gui, QStringLiteral("le_GKF_Arbeitstage"), days);
}

} // namespace

class TestDowntimePage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void fields_start_as_designed_data();
    void fields_start_as_designed();
    void start_collapses_sections_and_result_box();
    void tab_skips_the_result_fields();
    void worked_examples_data();
    void worked_examples();
    void working_days_back_to_zero_show_zero_everywhere();
    void texts_being_typed_raise_no_error_box_data();
    void texts_being_typed_raise_no_error_box();
    void billed_hours_clamp_to_the_weekly_hours_data();
    void billed_hours_clamp_to_the_weekly_hours();
    void billed_hours_hint_names_the_weekly_hours_data();
    void billed_hours_hint_names_the_weekly_hours();
    void school_weeks_and_days_exclude_each_other_data();
    void school_weeks_and_days_exclude_each_other();
    void result_box_opens_and_collapses();
    void deleting_the_holidays_puts_zero_back_at_once();
    void input_checks_data();
    void input_checks();
    void impossible_working_days_are_used_and_take_the_focus_back();
    void federal_state_sets_the_holidays_data();
    void federal_state_sets_the_holidays();
    void click_and_close_up_set_the_table_value_again();
    void spin_arrows_step_by_half_days_data();
    void spin_arrows_step_by_half_days();
    void sections_open_and_collapse_data();
    void sections_open_and_collapse();
    void collapsed_caption_colour_data();
    void collapsed_caption_colour();
    void collapsing_at_the_minimum_height_loses_the_full_step();
};

void TestDowntimePage::init()
{
    testsupport::pinGermanLocale();
    // no box may block a test; every box that would come up is recorded
    MessageBoxes::setAnswerer([](const MessageBoxInfo &) { return QMessageBox::Ok; });
    MessageBoxes::clearShown();
}

void TestDowntimePage::cleanup()
{
    // nothing on this page raises an error box
    QStringList texts;
    for (const MessageBoxInfo &box : MessageBoxes::shown())
        texts << box.text;
    QCOMPARE(texts, QStringList());
    MessageBoxes::setAnswerer({});
}

void TestDowntimePage::fields_start_as_designed_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("result");
    QTest::addColumn<bool>("left");
    QTest::addColumn<QString>("hint");
    QTest::newRow("W") << "le_GKF_Wochenstunden"
                       << "0,00" << false << false
                       << "Wie viele Stunden pro Woche werden gearbeitet?";
    QTest::newRow("A") << "le_GKF_Arbeitstage"
                       << "0,00" << false << false << "Wie viele Tage pro Woche werden gearbeitet?";
    QTest::newRow("S") << "le_GKF_Stunden_Tag"
                       << "0,00" << true << false << "";
    QTest::newRow("U") << "le_GKF_Urlaubstage"
                       << "0,0" << false << true
                       << "Wie viele Tage im Jahr hat der Mitarbeiter Urlaub?";
    QTest::newRow("K") << "le_GKF_Krank"
                       << "0,0" << false << true
                       << "Wie viele Tage im Jahr ist der Mitarbeiter krank?";
    QTest::newRow("SW") << "le_GKF_Schulwochen"
                        << "0,0" << false << true
                        << "Wie viele Wochen im Jahr sind Schule (Blockunterricht)?";
    QTest::newRow("ST") << "le_GKF_Schultage"
                        << "0,0" << false << true << "Wie viele Tage im Jahr sind Schule?";
    QTest::newRow("H") << "le_GKF_Feiertage"
                       << "0,0" << false << true << "";
    QTest::newRow("FS") << "le_GKF_Feiertage_Stunden"
                        << "0,0" << true << false << "";
    QTest::newRow("G") << "le_GKF_Gesamtstunden"
                       << "0,0" << true << false << "";
    QTest::newRow("P") << "le_GKF_Produktiv_Urlaub"
                       << "0,0" << true << false << "Gesamtstunden-Urlaub-Krank-Schule";
    QTest::newRow("V") << "le_GKF_verrechnet"
                       << "1,0" << false << false
                       << "Wie viele der 40 Wochenstunden werden an den Kunden verrechnet?";
    QTest::newRow("R") << "le_GKF_Produktivverhaeltnis"
                       << "0,0" << true << false << "verr. Std. / Wochenstd.";
    QTest::newRow("PS") << "le_GKF_Produktivstunden"
                        << "0,0" << true << false << "Produktivstd. * Produktivverhältnis";
    QTest::newRow("F") << "le_GKF_Ausfallfaktor"
                       << "0,0" << true << false << "Gesamtstd. / Produktivstd.";
    QTest::newRow("N") << "le_GKF_Unproduktivstunden"
                       << "0,0" << true << false << "";
}

void TestDowntimePage::fields_start_as_designed()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(bool, result);
    QFETCH(bool, left);
    QFETCH(QString, hint);
    Gui gui;
    auto *e = gui.find<NumberEdit>(name);
    QVERIFY(e);
    QCOMPARE(e->text(), text);
    QCOMPARE(e->isReadOnly(), result);
    if (result)
        QCOMPARE(e->property("background").value<QColor>(), QColor(192, 192, 192));
    else // the fields of a collapsed section show the disabled look until it opens
        QCOMPARE(e->palette().color(QPalette::Active, QPalette::Base),
                 QPalette().color(QPalette::Active, QPalette::Base));
    QCOMPARE(e->focusPolicy(), result ? Qt::ClickFocus : Qt::StrongFocus);
    QCOMPARE(bool(e->alignment() & Qt::AlignLeft), left);
    QCOMPARE(bool(e->alignment() & Qt::AlignRight), !left);
    QCOMPARE(e->toolTip(), hint);
    if (!e->hasFocus())
        QCOMPARE(e->palette().color(QPalette::Text), kNavy);
}

void TestDowntimePage::start_collapses_sections_and_result_box()
{
    Gui gui;
    QCOMPARE(gui.menue()->size(), QSize(398, 480));
    QCOMPARE(gui.find(QStringLiteral("gb_GKF_Arbeitszeit"))->height(), 60);
    for (const char *box : {"gb_GKF_Urlaub", "gb_GKF_Schule", "gb_GKF_Feiertage"}) {
        auto *b = gui.find<SectionBox>(QString::fromLatin1(box));
        QCOMPARE(b->height(), 20);
        QVERIFY(b->isCheckable());
        QVERIFY(!b->isChecked());
        QCOMPARE(captionColor(gui, b->objectName()), kNavy);
    }
    QCOMPARE(gui.find(QStringLiteral("gb_GKF_Ergebnis"))->height(), 20);
    QVERIFY(!gui.find<SectionBox>(QStringLiteral("gb_GKF_Ergebnis"))->isCheckable());
    // stacked from the top in their order
    int bottom = -1;
    for (const char *box : {"gb_GKF_Arbeitszeit", "gb_GKF_Urlaub", "gb_GKF_Schule",
                            "gb_GKF_Feiertage", "gb_GKF_Ergebnis"}) {
        QWidget *b = gui.find(QString::fromLatin1(box));
        QVERIFY2(b->y() > bottom, box);
        bottom = b->geometry().bottom();
    }
    auto *combo = gui.find<StateCombo>(QStringLiteral("cb_GKF_Bundesland"));
    QCOMPARE(combo->count(), 16);
    QCOMPARE(combo->currentText(), QString());
    QCOMPARE(combo->lineEdit()->placeholderText(), QStringLiteral("Bundesland auswählen"));
    QCOMPARE(combo->toolTip(), QStringLiteral("In welchem Bundesland sitzt die Firma?"));
    QVERIFY(!combo->isEnabled());
    QCOMPARE(gui.find(QStringLiteral("sb_GKF_Zwischenablage"))->toolTip(),
             QStringLiteral("In die Zwischenablage kopieren."));
    QCOMPARE(gui.find(QStringLiteral("gb_GKF_Urlaub"))->toolTip(),
             QStringLiteral("Uralub und Krankheit eintragen"));
}

void TestDowntimePage::tab_skips_the_result_fields()
{
    Gui gui;
    enterWorkingTime(gui, QStringLiteral("40"), QStringLiteral("5"));
    QCOMPARE(QApplication::focusWidget(), gui.find(QStringLiteral("gb_GKF_Urlaub")));
    gui.typeInto(QStringLiteral("le_GKF_verrechnet"), QStringLiteral("10"));
    for (int i = 0; i < 12; ++i) {
        gui.pressTab();
        auto *e = qobject_cast<NumberEdit *>(QApplication::focusWidget());
        QVERIFY(!e || !e->isReadOnly());
    }
}

void TestDowntimePage::worked_examples_data()
{
    QTest::addColumn<QStringList>("inputs"); // W A U K SW ST H V ("" leaves V at 1,0)
    QTest::addColumn<QStringList>("shown");  // S FS G P R PS N F
    QTest::newRow("40 h, 5 days, 30 vacation, 10 sick, 10 holidays, 30 billed")
        << QStringList{"40", "5", "30", "10", "0", "0", "10", "30"}
        << QStringList{"8,00", "80,0", "2080,0", "1680,0", "75,0", "1260,0", "420,0", "39,4"};
    QTest::newRow("38,5 h, billed hours left at 1,0")
        << QStringList{"38,5", "5", "28", "12", "0", "0", "12", ""}
        << QStringList{"7,70", "92,4", "2002,0", "1601,6", "2,6", "41,6", "1560,0", "97,9"};
    QTest::newRow("40 h on 6 days with 20 school days")
        << QStringList{"40", "6", "30", "0", "0", "20", "11", "32"}
        << QStringList{"6,67", "73,4", "2080,0", "1673,1", "80,0", "1338,5", "334,6", "35,6"};
}

void TestDowntimePage::worked_examples()
{
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, shown);
    Gui gui;
    enterWorkingTime(gui, inputs[0], inputs[1]);
    clickCaption(gui, QStringLiteral("gb_GKF_Urlaub"));
    enter(gui, QStringLiteral("le_GKF_Urlaubstage"), inputs[2]);
    enter(gui, QStringLiteral("le_GKF_Krank"), inputs[3]);
    clickCaption(gui, QStringLiteral("gb_GKF_Schule"));
    enter(gui, QStringLiteral("le_GKF_Schulwochen"), inputs[4]);
    enter(gui, QStringLiteral("le_GKF_Schultage"), inputs[5]);
    clickCaption(gui, QStringLiteral("gb_GKF_Feiertage"));
    enter(gui, QStringLiteral("le_GKF_Feiertage"), inputs[6]);
    if (!inputs[7].isEmpty())
        enter(gui, QStringLiteral("le_GKF_verrechnet"), inputs[7]);
    QCOMPARE(resultTexts(gui), shown);

    QGuiApplication::clipboard()->clear();
    gui.click(QStringLiteral("sb_GKF_Zwischenablage"));
    QCOMPARE(QGuiApplication::clipboard()->text(), shown.last());
}

void TestDowntimePage::working_days_back_to_zero_show_zero_everywhere()
{
    Gui gui;
    enterWorkingTime(gui, QStringLiteral("40"), QStringLiteral("5"));
    clickCaption(gui, QStringLiteral("gb_GKF_Feiertage"));
    enter(gui, QStringLiteral("le_GKF_Feiertage"), QStringLiteral("10"));
    enter(gui, QStringLiteral("le_GKF_verrechnet"), QStringLiteral("30"));
    QCOMPARE(textOf(gui, QStringLiteral("le_GKF_Ausfallfaktor")), QStringLiteral("27,9"));
    enter(gui, QStringLiteral("le_GKF_Arbeitstage"), QStringLiteral("0"));
    QCOMPARE(resultTexts(gui),
             (QStringList{"0,00", "0,0", "0,0", "0,0", "0,0", "0,0", "0,0", "0,0"}));
    // leaving the working days at 0,00 also resets the billed hours
    QCOMPARE(textOf(gui, QStringLiteral("le_GKF_verrechnet")), QStringLiteral("0,0"));
}

void TestDowntimePage::texts_being_typed_raise_no_error_box_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stundenTag");
    QTest::addColumn<QString>("verhaeltnis");
    QTest::addColumn<QString>("verhaeltnisAfter");
    QTest::newRow("working days before the weekly hours") << "le_GKF_Arbeitstage"
                                                          << "5"
                                                          << "0,00"
                                                          << "0,0"
                                                          << "2,5";
    QTest::newRow("working days ending in a comma") << "le_GKF_Arbeitstage"
                                                    << "5,"
                                                    << "0,00"
                                                    << "0,0"
                                                    << "2,5";
    QTest::newRow("a lone comma in the weekly hours") << "le_GKF_Wochenstunden"
                                                      << ","
                                                      << "0,00"
                                                      << "0,0"
                                                      << "0,0";
    // (there the working days are left at 0,00 when the weekly hours are typed again, which
    // resets the billed hours)
}

void TestDowntimePage::texts_being_typed_raise_no_error_box()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, stundenTag);
    QFETCH(QString, verhaeltnis);
    QFETCH(QString, verhaeltnisAfter);
    Gui gui;
    gui.typeInto(field, typed);
    QCOMPARE(MessageBoxes::shown().size(), 0);
    QCOMPARE(textOf(gui, QStringLiteral("le_GKF_Stunden_Tag")), stundenTag);
    QCOMPARE(textOf(gui, QStringLiteral("le_GKF_Produktivverhaeltnis")), verhaeltnis);
    gui.pressTab();
    // with the weekly hours typed afterwards everything follows
    enterWorkingTime(gui, QStringLiteral("40"), QStringLiteral("5"));
    QCOMPARE(textOf(gui, QStringLiteral("le_GKF_Stunden_Tag")), QStringLiteral("8,00"));
    QCOMPARE(textOf(gui, QStringLiteral("le_GKF_Produktivverhaeltnis")), verhaeltnisAfter);
}

void TestDowntimePage::billed_hours_clamp_to_the_weekly_hours_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("verhaeltnis");
    QTest::newRow("40 keeps 40,0") << "40"
                                   << "40,0"
                                   << "100,0";
    QTest::newRow("45 shows the maximum 40,0") << "45"
                                               << "40,0"
                                               << "100,0";
    QTest::newRow("0 shows the minimum 1,0") << "0"
                                             << "1,0"
                                             << "2,5";
}

void TestDowntimePage::billed_hours_clamp_to_the_weekly_hours()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, verhaeltnis);
    Gui gui;
    enterWorkingTime(gui, QStringLiteral("40"), QStringLiteral("5"));
    enter(gui, QStringLiteral("le_GKF_verrechnet"), typed);
    QCOMPARE(textOf(gui, QStringLiteral("le_GKF_verrechnet")), shown);
    QCOMPARE(textOf(gui, QStringLiteral("le_GKF_Produktivverhaeltnis")), verhaeltnis);
}

void TestDowntimePage::billed_hours_hint_names_the_weekly_hours_data()
{
    QTest::addColumn<QString>("weekly");
    QTest::addColumn<QString>("named");
    QTest::addColumn<double>("maximum");
    QTest::newRow("38,5 passes") << "38,5"
                                 << "38,50" << 38.5;
    QTest::newRow("60 is questionable and passes") << "60"
                                                   << "60,00" << 60.0;
    QTest::newRow("200 is impossible: hint and maximum stay") << "200"
                                                              << "40" << 100.0;
}

void TestDowntimePage::billed_hours_hint_names_the_weekly_hours()
{
    QFETCH(QString, weekly);
    QFETCH(QString, named);
    QFETCH(double, maximum);
    Gui gui;
    enter(gui, QStringLiteral("le_GKF_Wochenstunden"), weekly);
    auto *v = gui.find<NumberEdit>(QStringLiteral("le_GKF_verrechnet"));
    QCOMPARE(v->toolTip(), QStringLiteral("Wie viele der %1 Wochenstunden werden an den Kunden "
                                          "verrechnet?")
                               .arg(named));
    QCOMPARE(v->maximum(), maximum);
    QCOMPARE(v->minimum(), 1.0);
}

void TestDowntimePage::school_weeks_and_days_exclude_each_other_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("firstValue");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("secondValue");
    QTest::addColumn<QString>("produktiv");
    QTest::newRow("school weeks after school days clear the days") << "le_GKF_Schultage"
                                                                   << "20"
                                                                   << "le_GKF_Schulwochen"
                                                                   << "10"
                                                                   << "1680,0";
    QTest::newRow("school days after school weeks clear the weeks") << "le_GKF_Schulwochen"
                                                                    << "10"
                                                                    << "le_GKF_Schultage"
                                                                    << "20"
                                                                    << "1920,0";
}

void TestDowntimePage::school_weeks_and_days_exclude_each_other()
{
    QFETCH(QString, first);
    QFETCH(QString, firstValue);
    QFETCH(QString, second);
    QFETCH(QString, secondValue);
    QFETCH(QString, produktiv);
    Gui gui;
    enterWorkingTime(gui, QStringLiteral("40"), QStringLiteral("5"));
    clickCaption(gui, QStringLiteral("gb_GKF_Schule"));
    enter(gui, first, firstValue);
    QCOMPARE(textOf(gui, first), firstValue + QStringLiteral(",0"));
    enter(gui, second, secondValue);
    QCOMPARE(textOf(gui, first), QStringLiteral("0,0"));
    QCOMPARE(textOf(gui, second), secondValue + QStringLiteral(",0"));
    QCOMPARE(textOf(gui, QStringLiteral("le_GKF_Produktiv_Urlaub")), produktiv);
}

void TestDowntimePage::result_box_opens_and_collapses()
{
    Gui gui;
    QWidget *page = gui.find(QStringLiteral("stp_GFK"));
    QWidget *box = gui.find(QStringLiteral("gb_GKF_Ergebnis"));
    QWidget *above = gui.find(QStringLiteral("gb_GKF_Feiertage"));
    enter(gui, QStringLiteral("le_GKF_Wochenstunden"), QStringLiteral("40"));
    QCOMPARE(box->height(), 20);
    enter(gui, QStringLiteral("le_GKF_Arbeitstage"), QStringLiteral("5"));
    // open, it fills the page below the sections
    QTRY_VERIFY(box->height() > 100);
    QVERIFY(page->height() - box->geometry().bottom() <= 6);
    QVERIFY(box->y() - above->geometry().bottom() <= 4);
    QVERIFY(gui.find(QStringLiteral("le_GKF_verrechnet"))->isVisible());
    enter(gui, QStringLiteral("le_GKF_Wochenstunden"), QStringLiteral("0"));
    QTRY_COMPARE(box->height(), 20);
    QVERIFY(box->y() - above->geometry().bottom() <= 4);
    QVERIFY(!gui.find(QStringLiteral("le_GKF_verrechnet"))->isVisible());
}

void TestDowntimePage::deleting_the_holidays_puts_zero_back_at_once()
{
    Gui gui;
    clickCaption(gui, QStringLiteral("gb_GKF_Feiertage"));
    gui.typeInto(QStringLiteral("le_GKF_Feiertage"), QStringLiteral("12"));
    QWidget *h = gui.find(QStringLiteral("le_GKF_Feiertage"));
    QCOMPARE(textOf(gui, h->objectName()), QStringLiteral("12"));
    QTest::keyClick(h, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(h, Qt::Key_Delete);
    QCOMPARE(textOf(gui, h->objectName()), QStringLiteral("0,0"));
}

void TestDowntimePage::input_checks_data()
{
    QTest::addColumn<QString>("box"); // section to open first, or empty
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("balloon");
    QTest::addColumn<bool>("focusBack");
    QTest::newRow("weekly hours 49,99 pass") << ""
                                             << "le_GKF_Wochenstunden"
                                             << "49,99"
                                             << "" << false;
    QTest::newRow("weekly hours 50 questionable") << ""
                                                  << "le_GKF_Wochenstunden"
                                                  << "50"
                                                  << "Wirklich?" << false;
    QTest::newRow("weekly hours 168 impossible") << ""
                                                 << "le_GKF_Wochenstunden"
                                                 << "168"
                                                 << "Unmöglich?" << true;
    QTest::newRow("working days 6 questionable") << ""
                                                 << "le_GKF_Arbeitstage"
                                                 << "6"
                                                 << "Wirklich?" << false;
    QTest::newRow("working days 8 impossible") << ""
                                               << "le_GKF_Arbeitstage"
                                               << "8"
                                               << "Unmöglich?" << true;
    QTest::newRow("vacation 40 questionable") << "gb_GKF_Urlaub"
                                              << "le_GKF_Urlaubstage"
                                              << "40"
                                              << "Wirklich?" << false;
    QTest::newRow("sick days 366 impossible") << "gb_GKF_Urlaub"
                                              << "le_GKF_Krank"
                                              << "366"
                                              << "Unmöglich?" << true;
    QTest::newRow("school weeks 15 questionable") << "gb_GKF_Schule"
                                                  << "le_GKF_Schulwochen"
                                                  << "15"
                                                  << "Wirklich?" << false;
    QTest::newRow("school days 365 impossible") << "gb_GKF_Schule"
                                                << "le_GKF_Schultage"
                                                << "365"
                                                << "Unmöglich?" << true;
    QTest::newRow("holidays 14 pass") << "gb_GKF_Feiertage"
                                      << "le_GKF_Feiertage"
                                      << "14"
                                      << "" << false;
    QTest::newRow("holidays 15 questionable") << "gb_GKF_Feiertage"
                                              << "le_GKF_Feiertage"
                                              << "15"
                                              << "Wirklich?" << false;
    QTest::newRow("holidays 52 impossible") << "gb_GKF_Feiertage"
                                            << "le_GKF_Feiertage"
                                            << "52"
                                            << "Unmöglich?" << true;
}

void TestDowntimePage::input_checks()
{
    QFETCH(QString, box);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, balloon);
    QFETCH(bool, focusBack);
    Gui gui;
    if (!box.isEmpty())
        clickCaption(gui, box);
    enter(gui, field, typed);
    QCOMPARE(balloonText(gui, field), balloon);
    QCOMPARE(QApplication::focusWidget() == gui.find(field), focusBack);
    if (balloon.isEmpty())
        QCOMPARE(gui.find<NumberEdit>(field)->borderColor(), QColor(0, 128, 0));
}

void TestDowntimePage::impossible_working_days_are_used_and_take_the_focus_back()
{
    Gui gui;
    enterWorkingTime(gui, QStringLiteral("40"), QStringLiteral("8"));
    QCOMPARE(balloonText(gui, QStringLiteral("le_GKF_Arbeitstage")), QStringLiteral("Unmöglich?"));
    QCOMPARE(QApplication::focusWidget(), gui.find(QStringLiteral("le_GKF_Arbeitstage")));
    QCOMPARE(textOf(gui, QStringLiteral("le_GKF_Arbeitstage")), QStringLiteral("8,00"));
    QCOMPARE(textOf(gui, QStringLiteral("le_GKF_Stunden_Tag")), QStringLiteral("5,00"));
    QCOMPARE(textOf(gui, QStringLiteral("le_GKF_Gesamtstunden")), QStringLiteral("2080,0"));
}

void TestDowntimePage::federal_state_sets_the_holidays_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("holidays");
    QTest::addColumn<QString>("hours");
    QTest::newRow("Bayern → 14,0") << "Bayern"
                                   << "14,0"
                                   << "112,0";
    QTest::newRow("Nordrhein-Westfalen → 11,0") << "Nordrhein-Westfalen"
                                                << "11,0"
                                                << "88,0";
    QTest::newRow("Sachsen → 12,0") << "Sachsen"
                                    << "12,0"
                                    << "96,0";
    QTest::newRow("Sachsen-Anhalt → 11,0") << "Sachsen-Anhalt"
                                           << "11,0"
                                           << "88,0";
    QTest::newRow("Berlin → 10,0") << "Berlin"
                                   << "10,0"
                                   << "80,0";
    QTest::newRow("lower-case bayern changes nothing") << "bayern"
                                                       << "0,0"
                                                       << "0,0";
    QTest::newRow("a misspelt state changes nothing") << "Thueringen"
                                                      << "0,0"
                                                      << "0,0";
}

void TestDowntimePage::federal_state_sets_the_holidays()
{
    QFETCH(QString, typed);
    QFETCH(QString, holidays);
    QFETCH(QString, hours);
    Gui gui;
    enterWorkingTime(gui, QStringLiteral("40"), QStringLiteral("5"));
    clickCaption(gui, QStringLiteral("gb_GKF_Feiertage"));
    auto *combo = gui.find<StateCombo>(QStringLiteral("cb_GKF_Bundesland"));
    QCOMPARE(QApplication::focusWidget(), combo);
    gui.typeInto(combo->objectName(), typed);
    QTest::keyClick(combo, Qt::Key_Return);
    // Enter neither completes nor inserts the typed text
    QCOMPARE(combo->currentText(), typed);
    QCOMPARE(combo->count(), 16);
    QCOMPARE(textOf(gui, QStringLiteral("le_GKF_Feiertage")), holidays);
    QCOMPARE(textOf(gui, QStringLiteral("le_GKF_Feiertage_Stunden")), hours);
}

void TestDowntimePage::click_and_close_up_set_the_table_value_again()
{
    Gui gui;
    clickCaption(gui, QStringLiteral("gb_GKF_Feiertage"));
    auto *combo = gui.find<StateCombo>(QStringLiteral("cb_GKF_Bundesland"));
    combo->setCurrentIndex(combo->findText(QStringLiteral("Bayern")));
    QCOMPARE(textOf(gui, QStringLiteral("le_GKF_Feiertage")), QStringLiteral("14,0"));
    // the number is independent of the state afterwards
    enter(gui, QStringLiteral("le_GKF_Feiertage"), QStringLiteral("3"));
    QCOMPARE(textOf(gui, QStringLiteral("le_GKF_Feiertage")), QStringLiteral("3,0"));
    QCOMPARE(combo->currentText(), QStringLiteral("Bayern"));
    QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
    QCOMPARE(textOf(gui, QStringLiteral("le_GKF_Feiertage")), QStringLiteral("14,0"));
    enter(gui, QStringLiteral("le_GKF_Feiertage"), QStringLiteral("3"));
    combo->showPopup();
    combo->hidePopup();
    QCOMPARE(textOf(gui, QStringLiteral("le_GKF_Feiertage")), QStringLiteral("14,0"));
}

void TestDowntimePage::spin_arrows_step_by_half_days_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("down");
    QTest::addColumn<QString>("stepped");
    QTest::addColumn<QString>("hours");
    QTest::newRow("12,0 up gives 12,5") << "12" << false << "12,5"
                                        << "100,0";
    QTest::newRow("0,0 down stays 0,0") << "0" << true << "0,0"
                                        << "0,0";
    QTest::newRow("0,3 down gives 0,0") << "0,3" << true << "0,0"
                                        << "0,0";
    QTest::newRow("10,5 down gives 10,0") << "10,5" << true << "10,0"
                                          << "80,0";
}

void TestDowntimePage::spin_arrows_step_by_half_days()
{
    QFETCH(QString, typed);
    QFETCH(bool, down);
    QFETCH(QString, stepped);
    QFETCH(QString, hours);
    Gui gui;
    enterWorkingTime(gui, QStringLiteral("40"), QStringLiteral("5"));
    clickCaption(gui, QStringLiteral("gb_GKF_Feiertage"));
    enter(gui, QStringLiteral("le_GKF_Feiertage"), typed);
    auto *spin = gui.find<SpinArrows>(QStringLiteral("sb_Feiertage"));
    QTest::mouseClick(down ? spin->downButton() : spin->upButton(), Qt::LeftButton);
    QCOMPARE(textOf(gui, QStringLiteral("le_GKF_Feiertage")), stepped);
    QCOMPARE(textOf(gui, QStringLiteral("le_GKF_Feiertage_Stunden")), hours);
}

void TestDowntimePage::sections_open_and_collapse_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("controls"); // the first takes the focus on opening
    QTest::newRow("Urlaub und Krankheit")
        << "gb_GKF_Urlaub" << QStringList{"le_GKF_Urlaubstage", "le_GKF_Krank"};
    QTest::newRow("Schule") << "gb_GKF_Schule"
                            << QStringList{"le_GKF_Schulwochen", "le_GKF_Schultage"};
    QTest::newRow("Feiertage") << "gb_GKF_Feiertage"
                               << QStringList{"cb_GKF_Bundesland", "le_GKF_Feiertage",
                                              "sb_Feiertage", "le_GKF_Feiertage_Stunden"};
}

void TestDowntimePage::sections_open_and_collapse()
{
    QFETCH(QString, box);
    QFETCH(QStringList, controls);
    Gui gui;
    QWidget *window = gui.menue()->window();
    const int height = window->height();
    for (const QString &c : controls)
        QVERIFY2(!gui.find(c)->isEnabled(), qPrintable(c));

    clickCaption(gui, box);
    QVERIFY(gui.find<SectionBox>(box)->isChecked());
    QCOMPARE(gui.find(box)->height(), 60);
    QCOMPARE(window->height(), height + 55);
    for (const QString &c : controls)
        QVERIFY2(gui.find(c)->isEnabled() && gui.find(c)->isVisible(), qPrintable(c));
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus == gui.find(controls.first()) || focus->focusProxy() == nullptr);
    QVERIFY(gui.find(controls.first())->hasFocus());

    clickCaption(gui, box);
    QVERIFY(!gui.find<SectionBox>(box)->isChecked());
    QCOMPARE(gui.find(box)->height(), 20);
    QCOMPARE(window->height(), height);
    for (const QString &c : controls)
        QVERIFY2(!gui.find(c)->isEnabled(), qPrintable(c));
    QCOMPARE(captionColor(gui, box), kNavy);
}

void TestDowntimePage::collapsed_caption_colour_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("entries"); // field=value, or state=name
    QTest::addColumn<QColor>("caption");
    QTest::addColumn<QString>("counted"); // field=text after collapsing
    QTest::newRow("25 vacation days: red, the days still count")
        << "gb_GKF_Urlaub" << QStringList{"le_GKF_Urlaubstage=25"} << kRed
        << "le_GKF_Produktiv_Urlaub=1880,0";
    QTest::newRow("0 vacation and 5 sick days: red")
        << "gb_GKF_Urlaub" << QStringList{"le_GKF_Urlaubstage=0", "le_GKF_Krank=5"} << kRed
        << "le_GKF_Produktiv_Urlaub=2040,0";
    QTest::newRow("vacation and sick days 0: navy")
        << "gb_GKF_Urlaub" << QStringList{"le_GKF_Urlaubstage=0", "le_GKF_Krank=0"} << kNavy
        << "le_GKF_Produktiv_Urlaub=2080,0";
    QTest::newRow("10 school weeks: red") << "gb_GKF_Schule" << QStringList{"le_GKF_Schulwochen=10"}
                                          << kRed << "le_GKF_Produktiv_Urlaub=1680,0";
    QTest::newRow("no school: navy")
        << "gb_GKF_Schule" << QStringList{} << kNavy << "le_GKF_Produktiv_Urlaub=2080,0";
    QTest::newRow("Bayern chosen: red, its 14 days count")
        << "gb_GKF_Feiertage" << QStringList{"state=Bayern"} << kRed
        << "le_GKF_Feiertage_Stunden=112,0";
    QTest::newRow("no holidays: navy")
        << "gb_GKF_Feiertage" << QStringList{} << kNavy << "le_GKF_Feiertage_Stunden=0,0";
}

void TestDowntimePage::collapsed_caption_colour()
{
    QFETCH(QString, box);
    QFETCH(QStringList, entries);
    QFETCH(QColor, caption);
    QFETCH(QString, counted);
    Gui gui;
    enterWorkingTime(gui, QStringLiteral("40"), QStringLiteral("5"));
    const int height = gui.menue()->window()->height();
    clickCaption(gui, box);
    for (const QString &entry : entries) {
        const QStringList kv = entry.split(u'=');
        if (kv[0] == QLatin1String("state")) {
            gui.typeInto(QStringLiteral("cb_GKF_Bundesland"), kv[1]);
            gui.pressTab();
        } else {
            enter(gui, kv[0], kv[1]);
        }
    }
    clickCaption(gui, box);
    QCOMPARE(gui.find(box)->height(), 20);
    QCOMPARE(gui.menue()->window()->height(), height);
    QCOMPARE(captionColor(gui, box), caption);
    const QStringList kv = counted.split(u'=');
    QCOMPARE(textOf(gui, kv[0]), kv[1]);
    QVERIFY(captionDrawnIn(gui.find<SectionBox>(box), caption));
}

void TestDowntimePage::collapsing_at_the_minimum_height_loses_the_full_step()
{
    Gui gui;
    enterWorkingTime(gui, QStringLiteral("40"), QStringLiteral("5"));
    QWidget *window = gui.menue()->window();
    QTRY_VERIFY(gui.find(QStringLiteral("gb_GKF_Ergebnis"))->height() > 20);
    window->resize(window->width(), window->minimumSizeHint().height());
    const int height = window->height();
    clickCaption(gui, QStringLiteral("gb_GKF_Urlaub"));
    QCOMPARE(window->height(), height + 55);
    clickCaption(gui, QStringLiteral("gb_GKF_Urlaub"));
    QCOMPARE(window->height(), height);
}

QTEST_MAIN(TestDowntimePage)
#include "test_downtime_page.moc"
