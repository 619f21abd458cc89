#include "app/menue_f.h"
#include "app/numberedit.h"
#include "app/tabpager.h"
#include "support/guitest.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

using testsupport::Gui;

namespace {

const QColor kMissingValue(255, 205, 155);
const QColor kNavy(0, 0, 128);

QColor windowColour()
{
    return QPalette().color(QPalette::Base);
}

void clickTab(Gui &gui, int index)
{
    auto *pager = gui.find<TabPager>(QStringLiteral("stp_Gesamt"));
    QTest::mouseClick(pager->tabBar(), Qt::LeftButton, {},
                      pager->tabBar()->tabRect(index).center());
    QCOMPARE(pager->currentIndex(), index);
}

void enterVacationPage(Gui &gui)
{
    clickTab(gui, Tf_Menue::PageUrlaub);
}

NumberEdit *field(Gui &gui, const char *name)
{
    return gui.find<NumberEdit>(QString::fromLatin1(name));
}

QDateEdit *dateField(Gui &gui, const char *name)
{
    return gui.find<QDateEdit>(QString::fromLatin1(name));
}

QString text(Gui &gui, const char *name)
{
    return field(gui, name)->text();
}

QColor background(Gui &gui, const char *name)
{
    return field(gui, name)->property("background").value<QColor>();
}

// Types a value into an input and leaves it with Tab, as the user does.
void typeAndLeave(Gui &gui, const char *name, const QString &value)
{
    gui.typeInto(QString::fromLatin1(name), value);
    gui.pressTab();
}

void fillInputs(Gui &gui, const QString &standard, const QString &sollTage, const QString &istTage)
{
    typeAndLeave(gui, "le_U_Standard", standard);
    typeAndLeave(gui, "le_U_SollTage", sollTage);
    typeAndLeave(gui, "le_U_IstTage_MA", istTage);
}

// Sets both dates as the program does; each change recounts the months on its own.
void setPeriod(Gui &gui, const QString &start, const QString &end)
{
    const QString format = QStringLiteral("dd.MM.yyyy");
    dateField(gui, "dtp_U_beschaeftigt_bis")->setDate(QDate::fromString(end, format));
    dateField(gui, "dtp_U_Start")->setDate(QDate::fromString(start, format));
}

QString dateText(Gui &gui, const char *name)
{
    return dateField(gui, name)->text();
}

QLabel *labelOf(Gui &gui, QWidget *w)
{
    const auto labels = gui.find(QStringLiteral("stp_Urlaub"))->findChildren<QLabel *>();
    for (QLabel *l : labels) {
        if (l->buddy() == w)
            return l;
    }
    return nullptr;
}

} // namespace

class TestVacationPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { testsupport::pinGermanLocale(); }
    void fields_start_as_designed_data();
    void fields_start_as_designed();
    void controls_carry_their_captions_and_colours();
    void entering_the_page_focuses_standard_and_counts_the_months();
    void tab_order_follows_the_layout();
    void entitlement_follows_inputs_and_period_data();
    void entitlement_follows_inputs_and_period();
    void schwerb_adds_and_removes_five_days_once();
    void schwerb_at_zero_waits_for_the_next_run();
    void company_days_zero_keeps_the_entitlement();
    void leaving_an_input_colours_it_without_recomputing_data();
    void leaving_an_input_colours_it_without_recomputing();
    void typing_a_date_recounts_the_months();
    void plus_adds_to_the_total_and_clipboard_copies_the_entitlement();
    void plus_moves_the_period_data();
    void plus_moves_the_period();
    void each_entry_sets_the_end_to_new_year_eve_data();
    void each_entry_sets_the_end_to_new_year_eve();
};

void TestVacationPage::fields_start_as_designed_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("result");
    QTest::newRow("le_U_Standard") << "le_U_Standard"
                                   << "Urlaub (Standard)" << false;
    QTest::newRow("le_U_SollTage") << "le_U_SollTage"
                                   << "Arbeitstage/Woche" << false;
    QTest::newRow("le_U_IstTage_MA") << "le_U_IstTage_MA"
                                     << "Arbeitstage (MA)" << false;
    QTest::newRow("le_U_Monate") << "le_U_Monate"
                                 << "Monate" << true;
    QTest::newRow("le_U_Anspruch") << "le_U_Anspruch"
                                   << "Urlaubsanspruch" << true;
    QTest::newRow("le_U_Summe") << "le_U_Summe"
                                << "Urlaubsanspruch" << true;
}

void TestVacationPage::fields_start_as_designed()
{
    QFETCH(QString, name);
    QFETCH(QString, label);
    QFETCH(bool, result);
    Gui gui;
    auto *e = gui.find<NumberEdit>(name);
    QVERIFY(e);
    QCOMPARE(e->text(), QStringLiteral("0,00"));
    QCOMPARE(e->isReadOnly(), result);
    QVERIFY(e->focusPolicy() & Qt::TabFocus);
    QCOMPARE(e->property("background").value<QColor>(),
             result ? QPalette().color(QPalette::Midlight) : windowColour());
    QCOMPARE(e->palette().color(QPalette::Text), QPalette().color(QPalette::Text));
    QVERIFY(e->toolTip().isEmpty());
    QLabel *l = labelOf(gui, e);
    QVERIFY(l);
    QCOMPARE(l->text(), label);
    QVERIFY(l->geometry().bottom() <= e->geometry().top()); // above the field
    QCOMPARE(l->palette().color(QPalette::WindowText),
             name == QLatin1String("le_U_Monate") ? QPalette().color(QPalette::WindowText) : kNavy);
}

void TestVacationPage::controls_carry_their_captions_and_colours()
{
    Gui gui;
    for (const char *name : {"dtp_U_Start", "dtp_U_beschaeftigt_bis"}) {
        QDateEdit *d = dateField(gui, name);
        QCOMPARE(d->displayFormat(), QStringLiteral("dd.MM.yyyy"));
        QCOMPARE(d->text(), QStringLiteral("27.03.2023"));
        QVERIFY(d->focusPolicy() & Qt::TabFocus);
    }
    QCOMPARE(labelOf(gui, dateField(gui, "dtp_U_Start"))->text(), QStringLiteral("eingestellt am"));
    QCOMPARE(labelOf(gui, dateField(gui, "dtp_U_beschaeftigt_bis"))->text(),
             QStringLiteral("beschäftigt bis"));
    auto *box = gui.find<QCheckBox>(QStringLiteral("cb_U_Schwerb"));
    QCOMPARE(box->text(), QStringLiteral("Schwerbehinter nach §208"));
    QVERIFY(!box->isChecked());
    QCOMPARE(box->palette().color(QPalette::WindowText), kNavy);
    auto *rechnen = gui.find<QPushButton>(QStringLiteral("b_Berechnen"));
    QCOMPARE(rechnen->text(), QStringLiteral("rechnen"));
    QVERIFY(!rechnen->icon().isNull());
    for (const char *name : {"sb_U_Plus", "sb_U_Zwischenablage"}) {
        auto *b = gui.find<QToolButton>(QString::fromLatin1(name));
        QVERIFY(!b->icon().isNull());
        QCOMPARE(b->focusPolicy(), Qt::NoFocus);
    }
    // the result row: entitlement, plus, total, clipboard from left to right
    auto x = [&](const char *name) {
        QWidget *w = gui.find(QString::fromLatin1(name));
        return w->mapTo(gui.menue(), QPoint(0, 0)).x();
    };
    QVERIFY(x("le_U_Anspruch") < x("sb_U_Plus"));
    QVERIFY(x("sb_U_Plus") < x("le_U_Summe"));
    QVERIFY(x("le_U_Summe") < x("sb_U_Zwischenablage"));
}

void TestVacationPage::entering_the_page_focuses_standard_and_counts_the_months()
{
    Gui gui;
    enterVacationPage(gui);
    QCOMPARE(QApplication::focusWidget(), field(gui, "le_U_Standard"));
    QCOMPARE(dateText(gui, "dtp_U_Start"), QStringLiteral("27.03.2023"));
    QCOMPARE(dateText(gui, "dtp_U_beschaeftigt_bis"), QStringLiteral("31.12.2026"));
    QCOMPARE(text(gui, "le_U_Monate"), QStringLiteral("12,00"));
    // inputs still at zero: all three are marked, nothing is computed
    for (const char *name : {"le_U_Standard", "le_U_SollTage", "le_U_IstTage_MA"})
        QCOMPARE(background(gui, name), kMissingValue);
    QCOMPARE(text(gui, "le_U_Anspruch"), QStringLiteral("0,00"));
}

void TestVacationPage::tab_order_follows_the_layout()
{
    Gui gui;
    enterVacationPage(gui);
    const QStringList expected = {
        "le_U_Standard",          "le_U_SollTage", "le_U_IstTage_MA", "dtp_U_Start",
        "dtp_U_beschaeftigt_bis", "le_U_Monate",   "cb_U_Schwerb",    "b_Berechnen",
        "le_U_Anspruch",          "le_U_Summe"};
    QStringList seen;
    for (int i = 0; i < expected.size(); ++i) {
        QWidget *w = QApplication::focusWidget();
        QVERIFY(w);
        seen << w->objectName();
        gui.pressTab();
    }
    QCOMPARE(seen, expected);
}

void TestVacationPage::entitlement_follows_inputs_and_period_data()
{
    QTest::addColumn<QString>("standard");
    QTest::addColumn<QString>("sollTage");
    QTest::addColumn<QString>("istTage");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("months");
    QTest::addColumn<QString>("anspruch");
    QTest::newRow("30/5/3 27.03.–31.12.2023 → 13,50") << "30"
                                                      << "5"
                                                      << "3"
                                                      << "27.03.2023"
                                                      << "31.12.2023"
                                                      << "9,00"
                                                      << "13,50";
    QTest::newRow("26/6/5 six months from rounded 21,67 → 10,84") << "26"
                                                                  << "6"
                                                                  << "5"
                                                                  << "01.01.2023"
                                                                  << "30.06.2023"
                                                                  << "6,00"
                                                                  << "10,84";
    QTest::newRow("start on the 14th counts its month") << "30"
                                                        << "5"
                                                        << "3"
                                                        << "14.03.2023"
                                                        << "31.12.2023"
                                                        << "10,00"
                                                        << "15,00";
    QTest::newRow("start on the 15th does not") << "30"
                                                << "5"
                                                << "3"
                                                << "15.03.2023"
                                                << "31.12.2023"
                                                << "9,00"
                                                << "13,50";
    QTest::newRow("end on the 15th counts its month") << "30"
                                                      << "5"
                                                      << "3"
                                                      << "01.01.2023"
                                                      << "15.06.2023"
                                                      << "6,00"
                                                      << "9,00";
    QTest::newRow("end on the 14th does not") << "30"
                                              << "5"
                                              << "3"
                                              << "01.01.2023"
                                              << "14.06.2023"
                                              << "5,00"
                                              << "7,50";
    QTest::newRow("15.03.–14.04. → 0,00") << "30"
                                          << "5"
                                          << "3"
                                          << "15.03.2023"
                                          << "14.04.2023"
                                          << "0,00"
                                          << "0,00";
    QTest::newRow("end before start → 0,00 not 254,00") << "30"
                                                        << "5"
                                                        << "3"
                                                        << "01.05.2023"
                                                        << "31.03.2023"
                                                        << "0,00"
                                                        << "0,00";
    QTest::newRow("November to January → 3 months") << "30"
                                                    << "5"
                                                    << "3"
                                                    << "01.11.2023"
                                                    << "31.01.2024"
                                                    << "3,00"
                                                    << "4,50";
    QTest::newRow("three years count 12 months") << "30"
                                                 << "5"
                                                 << "3"
                                                 << "01.01.2023"
                                                 << "31.12.2025"
                                                 << "12,00"
                                                 << "18,00";
    QTest::newRow("decimal inputs 28,5/5/2,5") << "28,5"
                                               << "5"
                                               << "2,5"
                                               << "01.01.2023"
                                               << "31.12.2023"
                                               << "12,00"
                                               << "14,25";
}

void TestVacationPage::entitlement_follows_inputs_and_period()
{
    QFETCH(QString, standard);
    QFETCH(QString, sollTage);
    QFETCH(QString, istTage);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, months);
    QFETCH(QString, anspruch);
    Gui gui;
    enterVacationPage(gui);
    fillInputs(gui, standard, sollTage, istTage);
    setPeriod(gui, start, end);
    QCOMPARE(text(gui, "le_U_Monate"), months);
    QCOMPARE(text(gui, "le_U_Anspruch"), anspruch);
    for (const char *name : {"le_U_Standard", "le_U_SollTage", "le_U_IstTage_MA"})
        QCOMPARE(background(gui, name), windowColour());
    // "rechnen" from the months as they stand gives the same
    gui.click(QStringLiteral("b_Berechnen"));
    QCOMPARE(text(gui, "le_U_Anspruch"), anspruch);
    QCOMPARE(text(gui, "le_U_Summe"), QStringLiteral("0,00"));
}

void TestVacationPage::schwerb_adds_and_removes_five_days_once()
{
    Gui gui;
    enterVacationPage(gui);
    fillInputs(gui, QStringLiteral("30"), QStringLiteral("5"), QStringLiteral("3"));
    setPeriod(gui, QStringLiteral("27.03.2023"), QStringLiteral("31.12.2023"));
    QCOMPARE(text(gui, "le_U_Anspruch"), QStringLiteral("13,50"));
    gui.click(QStringLiteral("cb_U_Schwerb"));
    QVERIFY(gui.find<QCheckBox>(QStringLiteral("cb_U_Schwerb"))->isChecked());
    QCOMPARE(text(gui, "le_U_Anspruch"), QStringLiteral("18,50"));
    gui.click(QStringLiteral("b_Berechnen"));
    QCOMPARE(text(gui, "le_U_Anspruch"), QStringLiteral("18,50"));
    gui.click(QStringLiteral("cb_U_Schwerb"));
    QCOMPARE(text(gui, "le_U_Anspruch"), QStringLiteral("13,50"));
    gui.click(QStringLiteral("b_Berechnen"));
    QCOMPARE(text(gui, "le_U_Anspruch"), QStringLiteral("13,50"));
}

void TestVacationPage::schwerb_at_zero_waits_for_the_next_run()
{
    Gui gui;
    enterVacationPage(gui);
    fillInputs(gui, QStringLiteral("30"), QStringLiteral("5"), QStringLiteral("3"));
    setPeriod(gui, QStringLiteral("15.03.2023"), QStringLiteral("14.04.2023"));
    QCOMPARE(text(gui, "le_U_Anspruch"), QStringLiteral("0,00"));
    gui.click(QStringLiteral("cb_U_Schwerb"));
    QCOMPARE(text(gui, "le_U_Anspruch"), QStringLiteral("0,00"));
    gui.click(QStringLiteral("b_Berechnen"));
    QCOMPARE(text(gui, "le_U_Anspruch"), QStringLiteral("5,00"));
}

void TestVacationPage::company_days_zero_keeps_the_entitlement()
{
    Gui gui;
    enterVacationPage(gui);
    fillInputs(gui, QStringLiteral("30"), QStringLiteral("5"), QStringLiteral("3"));
    setPeriod(gui, QStringLiteral("27.03.2023"), QStringLiteral("31.12.2023"));
    QCOMPARE(text(gui, "le_U_Anspruch"), QStringLiteral("13,50"));
    typeAndLeave(gui, "le_U_SollTage", QStringLiteral("0"));
    QCOMPARE(background(gui, "le_U_SollTage"), kMissingValue);
    // the colour is put back by hand so that only the run can have set it again
    field(gui, "le_U_SollTage")->setBackground(QColor());
    gui.click(QStringLiteral("b_Berechnen"));
    QCOMPARE(background(gui, "le_U_SollTage"), kMissingValue);
    QCOMPARE(background(gui, "le_U_Standard"), windowColour());
    QCOMPARE(background(gui, "le_U_IstTage_MA"), windowColour());
    QCOMPARE(text(gui, "le_U_Anspruch"), QStringLiteral("13,50"));
}

void TestVacationPage::leaving_an_input_colours_it_without_recomputing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("other");
    QTest::newRow("le_U_Standard 0 then 24") << "le_U_Standard"
                                             << "24";
    QTest::newRow("le_U_SollTage 0 then 6") << "le_U_SollTage"
                                            << "6";
    QTest::newRow("le_U_IstTage_MA 0 then 4,5") << "le_U_IstTage_MA"
                                                << "4,5";
}

void TestVacationPage::leaving_an_input_colours_it_without_recomputing()
{
    QFETCH(QString, name);
    QFETCH(QString, other);
    Gui gui;
    enterVacationPage(gui);
    fillInputs(gui, QStringLiteral("30"), QStringLiteral("5"), QStringLiteral("3"));
    setPeriod(gui, QStringLiteral("27.03.2023"), QStringLiteral("31.12.2023"));
    QCOMPARE(text(gui, "le_U_Anspruch"), QStringLiteral("13,50"));
    const QByteArray n = name.toLatin1();
    typeAndLeave(gui, n.constData(), QStringLiteral("0"));
    QCOMPARE(background(gui, n.constData()), kMissingValue);
    QCOMPARE(text(gui, "le_U_Anspruch"), QStringLiteral("13,50"));
    typeAndLeave(gui, n.constData(), other);
    QCOMPARE(background(gui, n.constData()), windowColour());
    QCOMPARE(text(gui, "le_U_Anspruch"), QStringLiteral("13,50"));
    QCOMPARE(text(gui, "le_U_Monate"), QStringLiteral("9,00"));
}

void TestVacationPage::typing_a_date_recounts_the_months()
{
    Gui gui;
    enterVacationPage(gui);
    fillInputs(gui, QStringLiteral("30"), QStringLiteral("5"), QStringLiteral("3"));
    setPeriod(gui, QStringLiteral("27.03.2023"), QStringLiteral("31.12.2023"));
    QCOMPARE(QApplication::focusWidget(), dateField(gui, "dtp_U_Start"));
    gui.pressTab(); // into the end date, its day selected
    QCOMPARE(QApplication::focusWidget(), dateField(gui, "dtp_U_beschaeftigt_bis"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("14"));
    QCOMPARE(dateText(gui, "dtp_U_beschaeftigt_bis"), QStringLiteral("14.12.2023"));
    QCOMPARE(text(gui, "le_U_Monate"), QStringLiteral("8,00"));
    QCOMPARE(text(gui, "le_U_Anspruch"), QStringLiteral("12,00"));
}

void TestVacationPage::plus_adds_to_the_total_and_clipboard_copies_the_entitlement()
{
    Gui gui;
    enterVacationPage(gui);
    fillInputs(gui, QStringLiteral("20"), QStringLiteral("5"), QStringLiteral("5"));
    setPeriod(gui, QStringLiteral("01.01.2023"), QStringLiteral("30.06.2023"));
    QCOMPARE(text(gui, "le_U_Anspruch"), QStringLiteral("10,00"));
    gui.click(QStringLiteral("sb_U_Plus"));
    QCOMPARE(text(gui, "le_U_Summe"), QStringLiteral("10,00"));

    fillInputs(gui, QStringLiteral("30"), QStringLiteral("5"), QStringLiteral("3"));
    setPeriod(gui, QStringLiteral("27.03.2023"), QStringLiteral("31.12.2023"));
    QCOMPARE(text(gui, "le_U_Anspruch"), QStringLiteral("13,50"));
    gui.click(QStringLiteral("sb_U_Plus"));
    QCOMPARE(text(gui, "le_U_Summe"), QStringLiteral("23,50"));
    // the new period 01.01.–31.01.2024 is counted at once
    QCOMPARE(dateText(gui, "dtp_U_Start"), QStringLiteral("01.01.2024"));
    QCOMPARE(dateText(gui, "dtp_U_beschaeftigt_bis"), QStringLiteral("31.01.2024"));
    QCOMPARE(text(gui, "le_U_Monate"), QStringLiteral("1,00"));
    QCOMPARE(text(gui, "le_U_Anspruch"), QStringLiteral("1,50"));

    QGuiApplication::clipboard()->clear();
    gui.click(QStringLiteral("sb_U_Zwischenablage"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1,50"));
    QCOMPARE(text(gui, "le_U_Summe"), QStringLiteral("23,50"));
}

void TestVacationPage::plus_moves_the_period_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("newStart");
    QTest::addColumn<QString>("newEnd");
    QTest::addColumn<QString>("months");
    QTest::newRow("after 31.12.2023 → 01.01.–31.01.2024") << "27.03.2023"
                                                          << "31.12.2023"
                                                          << "01.01.2024"
                                                          << "31.01.2024"
                                                          << "1,00";
    QTest::newRow("after 31.01.2024 → 01.02.–29.02.2024 leap year") << "01.01.2024"
                                                                    << "31.01.2024"
                                                                    << "01.02.2024"
                                                                    << "29.02.2024"
                                                                    << "1,00";
    QTest::newRow("after 31.01.2023 → 01.02.–28.02.2023") << "01.01.2023"
                                                          << "31.01.2023"
                                                          << "01.02.2023"
                                                          << "28.02.2023"
                                                          << "1,00";
    QTest::newRow("01.07.–15.07. → 16.07.–31.07.") << "01.07.2023"
                                                   << "15.07.2023"
                                                   << "16.07.2023"
                                                   << "31.07.2023"
                                                   << "0,00";
}

void TestVacationPage::plus_moves_the_period()
{
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, newStart);
    QFETCH(QString, newEnd);
    QFETCH(QString, months);
    Gui gui;
    enterVacationPage(gui);
    fillInputs(gui, QStringLiteral("30"), QStringLiteral("5"), QStringLiteral("3"));
    setPeriod(gui, start, end);
    gui.click(QStringLiteral("sb_U_Plus"));
    QCOMPARE(dateText(gui, "dtp_U_Start"), newStart);
    QCOMPARE(dateText(gui, "dtp_U_beschaeftigt_bis"), newEnd);
    QCOMPARE(text(gui, "le_U_Monate"), months);
}

void TestVacationPage::each_entry_sets_the_end_to_new_year_eve_data()
{
    QTest::addColumn<QDate>("today");
    QTest::newRow("11.12.2026") << QDate(2026, 12, 11);
    QTest::newRow("05.01.2030") << QDate(2030, 1, 5);
}

void TestVacationPage::each_entry_sets_the_end_to_new_year_eve()
{
    QFETCH(QDate, today);
    StartupSettings settings = testsupport::testSettings();
    settings.now = [today] { return QDateTime(today, QTime(9, 30)); };
    Gui gui(settings);
    const QString year = QString::number(today.year());
    enterVacationPage(gui);
    QCOMPARE(dateText(gui, "dtp_U_beschaeftigt_bis"), QStringLiteral("31.12.") + year);
    setPeriod(gui, QStringLiteral("01.07.") + year, QStringLiteral("15.09.") + year);
    QCOMPARE(text(gui, "le_U_Monate"), QStringLiteral("3,00"));
    for (int other : {Tf_Menue::PageAusfall, Tf_Menue::PageStundenlohn}) {
        clickTab(gui, other);
        dateField(gui, "dtp_U_beschaeftigt_bis")->setDate(QDate(today.year(), 8, 20));
        enterVacationPage(gui);
        QCOMPARE(dateText(gui, "dtp_U_Start"), QStringLiteral("01.07.") + year);
        QCOMPARE(dateText(gui, "dtp_U_beschaeftigt_bis"), QStringLiteral("31.12.") + year);
        QCOMPARE(text(gui, "le_U_Monate"), QStringLiteral("6,00"));
        QCOMPARE(QApplication::focusWidget(), field(gui, "le_U_Standard"));
    }
}

QTEST_MAIN(TestVacationPage)
#include "test_vacation_page.moc"
