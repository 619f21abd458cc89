#include "app/balloon.h"
#include "app/menue_f.h"
#include "app/numberedit.h"
#include "app/page_slb.h"
#include "app/tabpager.h"
#include "support/guitest.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

using testsupport::Gui;

namespace {

const QColor kSilver(192, 192, 192);
const QColor kNavy(0, 0, 128);

// The main window on the page "Stundenlohnberechnung", reached by a click on its tab.
struct SlbPage
{
    Gui gui;
    TabPager *pager = gui.find<TabPager>(QStringLiteral("stp_Gesamt"));

    SlbPage() { clickTab(Tf_Menue::PageStundenlohn); }

    void clickTab(int index)
    {
        QTabBar *bar = pager->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        QCOMPARE(pager->currentIndex(), index);
    }

    NumberEdit *field(const QString &name) const { return gui.find<NumberEdit>(name); }
    QString shown(const QString &name) const { return field(name)->text(); }
    QCheckBox *nurEinFeld() const { return gui.find<QCheckBox>(QStringLiteral("cb_nur_ein_Feld")); }

    // Types into a field and leaves it with Tab, as the user does.
    void enter(const QString &name, const QString &text)
    {
        gui.typeInto(name, text);
        if (text.isEmpty())
            QTest::keyClick(field(name), Qt::Key_Delete); // the selected old text
        gui.pressTab();
    }

    void wage(const QString &brutto, const QString &stunden)
    {
        enter(QStringLiteral("le_SLB_Bruttolohn"), brutto);
        enter(QStringLiteral("le_SLB_Wochenstunden"), stunden);
    }

    void setNurEinFeld(bool checked)
    {
        if (nurEinFeld()->isChecked() != checked)
            QTest::mouseClick(nurEinFeld(), Qt::LeftButton);
        QCOMPARE(nurEinFeld()->isChecked(), checked);
    }

    bool setAside(const QString &name) const { return field(name)->background() == kSilver; }
    QString focusName() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    QString balloonText(const QString &name) const
    {
        Balloon *b = BalloonService::balloonOf(field(name));
        return b ? b->balloonText() : QString();
    }
};

QString euro(const QString &row)
{
    return QStringLiteral("le_SLB_") + row + QStringLiteral("_E");
}

QString prozent(const QString &row)
{
    return QStringLiteral("le_SLB_") + row + QStringLiteral("_P");
}

const QStringList kRows = {QStringLiteral("Ausfall"), QStringLiteral("Sozial"),
                           QStringLiteral("Sach"), QStringLiteral("Gewinn")};

} // namespace

class TestHourlyPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { testsupport::pinGermanLocale(); }
    void fields_have_their_labels_kinds_hints_and_initial_texts_data();
    void fields_have_their_labels_kinds_hints_and_initial_texts();
    void heads_check_box_and_result_fields_look_as_designed();
    void tab_walks_the_page_in_order_and_skips_the_billing_rate();
    void enter_moves_on_like_tab_data();
    void enter_moves_on_like_tab();
    void enter_runs_the_exit_handling_like_tab();
    void hourly_wage_follows_leaving_gross_wage_or_weekly_hours_data();
    void hourly_wage_follows_leaving_gross_wage_or_weekly_hours();
    void weekly_hours_check_data();
    void weekly_hours_check();
    void clipboard_gets_the_shown_hourly_wage();
    void billing_rate_data();
    void billing_rate();
    void one_field_per_row_data();
    void one_field_per_row();
    void ausfall_amount_sets_the_percentage_aside_even_unchecked();
    void ausfall_amount_typed_with_the_box_checked_steers_the_percentage_look();
    void ausfall_percentage_left_with_the_box_checked_resets_the_amount();
    void sozial_percentage_check_data();
    void sozial_percentage_check();
    void checks_of_a_row_run_in_their_order_data();
    void checks_of_a_row_run_in_their_order();
    void same_wage_text_does_not_recompute();
    void every_surcharge_exit_recomputes_data();
    void every_surcharge_exit_recomputes();
    void weekly_hours_go_over_to_this_page_data();
    void weekly_hours_go_over_to_this_page();
    void weekly_hours_go_back_to_ausfallfaktoren_data();
    void weekly_hours_go_back_to_ausfallfaktoren();
    void leaving_the_page_removes_its_balloons();
};

void TestHourlyPage::fields_have_their_labels_kinds_hints_and_initial_texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("labelName");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<bool>("money");
    QTest::addColumn<bool>("result");
    QTest::newRow("gross wage") << "le_SLB_Bruttolohn"
                                << "l_SLB_Bruttolohn"
                                << "Bruttolohn"
                                << "Bruttolohn laut Gehaltsabrechnung"
                                << "0,00" << true << false;
    QTest::newRow("weekly hours") << "le_SLB_Wochenstunden"
                                  << "l_SLB_Wochenstunden"
                                  << "Wochenarbeitsstunden"
                                  << "Wie viele Stunden in der Woche wird gearbeitet?"
                                  << "0,00" << false << false;
    QTest::newRow("hourly wage") << "le_SLB_Stundenlohn"
                                 << "l_SLB_Stundenlohn"
                                 << "Stundenlohn"
                                 << "errechneter Stundenlohn"
                                 << "0,00" << true << true;
    QTest::newRow("billing rate") << "le_SLB_Verrechnungssatz"
                                  << "l_SLB_Verrechnungssatz"
                                  << "Verrechnungssatz"
                                  << ""
                                  << "0,00" << true << true;
    const QStringList labels = {QStringLiteral("Ausfallfaktoren"), QStringLiteral("Soziallasten"),
                                QStringLiteral("Sachkosten"), QStringLiteral("Wagnis & Gewinn")};
    for (int i = 0; i < kRows.size(); ++i) {
        QTest::addRow("%s Euro", qPrintable(kRows[i]))
            << euro(kRows[i]) << QStringLiteral("l_SLB_") + kRows[i] << labels[i] << QString()
            << "0,00" << false << false;
        QTest::addRow("%s %%", qPrintable(kRows[i]))
            << prozent(kRows[i]) << QString() << QString() << QString() << "0,0" << false << false;
    }
}

void TestHourlyPage::fields_have_their_labels_kinds_hints_and_initial_texts()
{
    QFETCH(QString, name);
    QFETCH(QString, labelName);
    QFETCH(QString, label);
    QFETCH(QString, hint);
    QFETCH(QString, initial);
    QFETCH(bool, money);
    QFETCH(bool, result);
    SlbPage page;
    NumberEdit *e = page.field(name);
    QVERIFY(e);
    QVERIFY(e->isVisible());
    QCOMPARE(e->text(), initial);
    QCOMPARE(e->toolTip(), hint);
    QCOMPARE(e->kind(), money ? calc::FieldKind::Money : calc::FieldKind::Decimal);
    QCOMPARE(e->isReadOnly(), result);
    QCOMPARE(e->background(), result ? kSilver : QApplication::palette().color(QPalette::Base));
    if (!e->hasFocus())
        QCOMPARE(e->palette().color(QPalette::Text),
                 QApplication::palette().color(QPalette::WindowText));
    if (!labelName.isEmpty()) {
        auto *l = page.gui.find<QLabel>(labelName);
        QVERIFY(l);
        QCOMPARE(l->text(), label);
        QCOMPARE(l->palette().color(QPalette::WindowText), kNavy);
        // left of its field, on the same line
        const QRect lr(l->mapTo(page.gui.menue(), QPoint()), l->size());
        const QRect er(e->mapTo(page.gui.menue(), QPoint()), e->size());
        QVERIFY(lr.right() < er.left());
        QVERIFY(lr.top() < er.center().y() && er.center().y() < lr.bottom());
    }
}

void TestHourlyPage::heads_check_box_and_result_fields_look_as_designed()
{
    SlbPage page;
    auto *euroHead = page.gui.find<QLabel>(QStringLiteral("Label1"));
    auto *percentHead = page.gui.find<QLabel>(QStringLiteral("Label2"));
    QCOMPARE(euroHead->text(), QStringLiteral("Euro"));
    QCOMPARE(percentHead->text(), QStringLiteral("%"));
    for (QLabel *head : {euroHead, percentHead})
        QCOMPARE(head->palette().color(QPalette::WindowText), kNavy);
    // the heads stand over their columns
    const NumberEdit *firstEuro = page.field(euro(QStringLiteral("Ausfall")));
    const NumberEdit *firstPercent = page.field(prozent(QStringLiteral("Ausfall")));
    QCOMPARE(euroHead->x(), firstEuro->x());
    QCOMPARE(percentHead->x(), firstPercent->x());
    QVERIFY(euroHead->y() < firstEuro->y());
    QCOMPARE(page.field(QStringLiteral("le_SLB_Ausfall_P"))->decimals(), 1);
    QCOMPARE(page.field(QStringLiteral("le_SLB_Ausfall_E"))->decimals(), 2);

    QCheckBox *box = page.nurEinFeld();
    QCOMPARE(box->text(), QStringLiteral("pro Bereich nur Euro oder %"));
    QVERIFY(!box->isChecked());
    QCOMPARE(box->palette().color(QPalette::WindowText), kNavy);

    auto *button = page.gui.find<QToolButton>(QStringLiteral("sb_SLB_Zwischenablage"));
    QCOMPARE(button->toolTip(), QStringLiteral("In die Zwischenablage kopieren."));
    QVERIFY(!button->icon().isNull());
    NumberEdit *wage = page.field(QStringLiteral("le_SLB_Stundenlohn"));
    QVERIFY(button->x() > wage->x() + wage->width());
    QCOMPARE(wage->focusPolicy(), Qt::StrongFocus);
    QCOMPARE(page.field(QStringLiteral("le_SLB_Verrechnungssatz"))->focusPolicy(), Qt::ClickFocus);
    // everything fits into the window as designed
    const QRect window = page.gui.menue()->rect();
    for (QWidget *w : page.gui.menue()->stp_SLB()->findChildren<QWidget *>())
        QVERIFY2(window.contains(QRect(w->mapTo(page.gui.menue(), QPoint()), w->size())),
                 qPrintable(w->objectName()));
}

void TestHourlyPage::tab_walks_the_page_in_order_and_skips_the_billing_rate()
{
    SlbPage page;
    QCOMPARE(page.focusName(), QStringLiteral("le_SLB_Bruttolohn"));
    QStringList walked{page.focusName()};
    for (int i = 0; i < 11; ++i) {
        page.gui.pressTab();
        walked << page.focusName();
    }
    const QStringList expected = {"le_SLB_Bruttolohn", "le_SLB_Wochenstunden", "le_SLB_Stundenlohn",
                                  "le_SLB_Ausfall_E",  "le_SLB_Ausfall_P",     "le_SLB_Sozial_E",
                                  "le_SLB_Sozial_P",   "le_SLB_Sach_E",        "le_SLB_Sach_P",
                                  "le_SLB_Gewinn_E",   "le_SLB_Gewinn_P",      "cb_nur_ein_Feld"};
    QCOMPARE(walked, expected);
}

void TestHourlyPage::enter_moves_on_like_tab_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    const QStringList inputs = {"le_SLB_Bruttolohn", "le_SLB_Wochenstunden", "le_SLB_Ausfall_E",
                                "le_SLB_Ausfall_P",  "le_SLB_Sozial_E",      "le_SLB_Sozial_P",
                                "le_SLB_Sach_E",     "le_SLB_Sach_P",        "le_SLB_Gewinn_E",
                                "le_SLB_Gewinn_P"};
    const QStringList next = {"le_SLB_Wochenstunden", "le_SLB_Stundenlohn", "le_SLB_Ausfall_P",
                              "le_SLB_Sozial_E",      "le_SLB_Sozial_P",    "le_SLB_Sach_E",
                              "le_SLB_Sach_P",        "le_SLB_Gewinn_E",    "le_SLB_Gewinn_P",
                              "cb_nur_ein_Feld"};
    for (int i = 0; i < inputs.size(); ++i)
        QTest::addRow("%s", qPrintable(inputs[i])) << inputs[i] << next[i];
}

void TestHourlyPage::enter_moves_on_like_tab()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    SlbPage page;
    page.gui.typeInto(from, QStringLiteral("7"));
    QTest::keyClick(page.field(from), Qt::Key_Return);
    QCOMPARE(page.focusName(), to);
    // left like by Tab: formatted on the way out
    QCOMPARE(page.shown(from),
             page.field(from)->decimals() == 1 ? QStringLiteral("7,0") : QStringLiteral("7,00"));
}

void TestHourlyPage::enter_runs_the_exit_handling_like_tab()
{
    SlbPage page;
    page.gui.typeInto(QStringLiteral("le_SLB_Bruttolohn"), QStringLiteral("3000"));
    QTest::keyClick(page.field(QStringLiteral("le_SLB_Bruttolohn")), Qt::Key_Enter,
                    Qt::KeypadModifier);
    page.gui.typeInto(QStringLiteral("le_SLB_Wochenstunden"), QStringLiteral("40"));
    QTest::keyClick(page.field(QStringLiteral("le_SLB_Wochenstunden")), Qt::Key_Return);
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Bruttolohn")), QStringLiteral("3.000,00"));
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Stundenlohn")), QStringLiteral("17,31"));
    QCOMPARE(page.field(QStringLiteral("le_SLB_Wochenstunden"))->borderColor(), QColor(0, 128, 0));
    // an impossible value sends the focus back also when left with Enter
    page.gui.typeInto(QStringLiteral("le_SLB_Sozial_P"), QStringLiteral("100"));
    QTest::keyClick(page.field(QStringLiteral("le_SLB_Sozial_P")), Qt::Key_Return);
    QCOMPARE(page.focusName(), QStringLiteral("le_SLB_Sozial_P"));
    QCOMPARE(page.balloonText(QStringLiteral("le_SLB_Sozial_P")), QStringLiteral("Unmöglich?"));
}

void TestHourlyPage::hourly_wage_follows_leaving_gross_wage_or_weekly_hours_data()
{
    QTest::addColumn<QString>("brutto");
    QTest::addColumn<QString>("stunden");
    QTest::addColumn<QString>("shownBrutto");
    QTest::addColumn<QString>("wage");
    QTest::newRow("3.000,00 and 40,00") << "3000"
                                        << "40"
                                        << "3.000,00"
                                        << "17,31";
    QTest::newRow("250.000,00 and 10") << "250000"
                                       << "10"
                                       << "250.000,00"
                                       << "5.769,23";
    QTest::newRow("weekly hours 0,00") << "3000"
                                       << "0"
                                       << "3.000,00"
                                       << "0,00";
    QTest::newRow("gross wage 0") << "0"
                                  << "40"
                                  << "0,00"
                                  << "0,00";
    QTest::newRow("empty gross wage") << ""
                                      << "40"
                                      << "0,00"
                                      << "0,00";
}

void TestHourlyPage::hourly_wage_follows_leaving_gross_wage_or_weekly_hours()
{
    QFETCH(QString, brutto);
    QFETCH(QString, stunden);
    QFETCH(QString, shownBrutto);
    QFETCH(QString, wage);
    SlbPage page;
    page.wage(QStringLiteral("1000"), QStringLiteral("7"));
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Stundenlohn")), QStringLiteral("32,97"));
    page.wage(brutto, stunden);
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Bruttolohn")), shownBrutto);
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Stundenlohn")), wage);
    // the billing rate followed the wage
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Verrechnungssatz")), wage);
}

void TestHourlyPage::weekly_hours_check_data()
{
    QTest::addColumn<QString>("stunden");
    QTest::addColumn<QString>("wage");
    QTest::addColumn<QString>("balloon");
    QTest::addColumn<QString>("style");
    QTest::addColumn<QString>("focus");
    QTest::newRow("49,99 passes") << "49,99"
                                  << "13,85"
                                  << ""
                                  << ""
                                  << "le_SLB_Stundenlohn";
    QTest::newRow("50 is questionable and computed") << "50"
                                                     << "13,85"
                                                     << "Wirklich?"
                                                     << "tt_Warnung"
                                                     << "le_SLB_Stundenlohn";
    QTest::newRow("168 is impossible: wage unchanged, focus back") << "168"
                                                                   << "17,31"
                                                                   << "Unmöglich?"
                                                                   << "tt_Error"
                                                                   << "le_SLB_Wochenstunden";
}

void TestHourlyPage::weekly_hours_check()
{
    QFETCH(QString, stunden);
    QFETCH(QString, wage);
    QFETCH(QString, balloon);
    QFETCH(QString, style);
    QFETCH(QString, focus);
    SlbPage page;
    page.wage(QStringLiteral("3000"), QStringLiteral("40"));
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Stundenlohn")), QStringLiteral("17,31"));
    page.enter(QStringLiteral("le_SLB_Wochenstunden"), stunden);
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Stundenlohn")), wage);
    QCOMPARE(page.focusName(), focus);
    Balloon *b = BalloonService::balloonOf(page.field(QStringLiteral("le_SLB_Wochenstunden")));
    QCOMPARE(b ? b->balloonText() : QString(), balloon);
    QCOMPARE(b ? b->balloonStyle() : QString(), style);
}

void TestHourlyPage::clipboard_gets_the_shown_hourly_wage()
{
    SlbPage page;
    page.wage(QStringLiteral("3000"), QStringLiteral("40"));
    page.enter(QStringLiteral("le_SLB_Sach_E"), QStringLiteral("5"));
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Verrechnungssatz")), QStringLiteral("22,31"));
    QApplication::clipboard()->setText(QStringLiteral("vorher"));
    page.gui.click(QStringLiteral("sb_SLB_Zwischenablage"));
    // the hourly wage as shown, never the billing rate
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("17,31"));
}

void TestHourlyPage::billing_rate_data()
{
    QTest::addColumn<QString>("brutto");
    QTest::addColumn<QString>("stunden");
    QTest::addColumn<QStringList>("surcharges"); // field, text, field, text, …
    QTest::addColumn<QString>("wage");
    QTest::addColumn<QString>("rate");
    QTest::newRow("10,00 with 10 % Soziallasten and 10 % Wagnis & Gewinn: not compounded")
        << "520"
        << "12" << QStringList{"le_SLB_Sozial_P", "10", "le_SLB_Gewinn_P", "10"} << "10,00"
        << "12,00";
    QTest::newRow("1000 and 7 hours with 50 % Ausfallfaktoren from the shown 32,97")
        << "1000"
        << "7" << QStringList{"le_SLB_Ausfall_P", "50"} << "32,97"
        << "49,46";
    QTest::newRow("17,31 with 20 % Soziallasten and 2,50 Euro Sachkosten")
        << "3000"
        << "40" << QStringList{"le_SLB_Sozial_P", "20", "le_SLB_Sach_E", "2,5"} << "17,31"
        << "23,27";
    QTest::newRow("Euro amounts stay out of the percentage base")
        << "520"
        << "12" << QStringList{"le_SLB_Gewinn_E", "5", "le_SLB_Sozial_P", "10"} << "10,00"
        << "16,00";
    QTest::newRow("surcharges without a wage: the Euro amounts alone")
        << "0"
        << "40" << QStringList{"le_SLB_Sozial_E", "3", "le_SLB_Sach_P", "10"} << "0,00"
        << "3,00";
}

void TestHourlyPage::billing_rate()
{
    QFETCH(QString, brutto);
    QFETCH(QString, stunden);
    QFETCH(QStringList, surcharges);
    QFETCH(QString, wage);
    QFETCH(QString, rate);
    SlbPage page;
    page.wage(brutto, stunden);
    for (int i = 0; i + 1 < surcharges.size(); i += 2)
        page.enter(surcharges[i], surcharges[i + 1]);
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Stundenlohn")), wage);
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Verrechnungssatz")), rate);
}

void TestHourlyPage::one_field_per_row_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("euroLast"); // which field of the row is left last
    QTest::addColumn<QString>("euroText");
    QTest::addColumn<QString>("percentText");
    QTest::addColumn<bool>("euroAside");
    QTest::addColumn<bool>("percentAside");
    QTest::addColumn<QString>("rate");
    for (const QString &row :
         {QStringLiteral("Sozial"), QStringLiteral("Sach"), QStringLiteral("Gewinn")}) {
        const QByteArray r = row.toUtf8();
        QTest::addRow("%s unchecked, Euro left last: both count", r.constData())
            << row << false << true << "2,00"
            << "10,0" << false << false << "13,00";
        QTest::addRow("%s unchecked, %% left last: both count", r.constData())
            << row << false << false << "2,00"
            << "10,0" << false << false << "13,00";
        QTest::addRow("%s checked, Euro left: %% reset and set aside", r.constData())
            << row << true << true << "2,00"
            << "0,0" << false << true << "12,00";
        QTest::addRow("%s checked, %% left: Euro reset and set aside", r.constData())
            << row << true << false << "0,00"
            << "10,0" << true << false << "11,00";
    }
}

void TestHourlyPage::one_field_per_row()
{
    QFETCH(QString, row);
    QFETCH(bool, checked);
    QFETCH(bool, euroLast);
    QFETCH(QString, euroText);
    QFETCH(QString, percentText);
    QFETCH(bool, euroAside);
    QFETCH(bool, percentAside);
    QFETCH(QString, rate);
    SlbPage page;
    page.wage(QStringLiteral("520"), QStringLiteral("12"));
    // the other field already holds its value from before the box was checked
    if (euroLast)
        page.enter(prozent(row), QStringLiteral("10"));
    else
        page.enter(euro(row), QStringLiteral("2"));
    page.setNurEinFeld(checked);
    if (euroLast)
        page.enter(euro(row), QStringLiteral("2"));
    else
        page.enter(prozent(row), QStringLiteral("10"));
    QCOMPARE(page.shown(euro(row)), euroText);
    QCOMPARE(page.shown(prozent(row)), percentText);
    QCOMPARE(page.setAside(euro(row)), euroAside);
    QCOMPARE(page.setAside(prozent(row)), percentAside);
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Verrechnungssatz")), rate);
    // a field set aside is only a look: typing into it and leaving it counts, and with the box
    // checked it becomes the row's editable field again
    if (checked) {
        const QString aside = euroLast ? prozent(row) : euro(row);
        page.enter(aside, QStringLiteral("4"));
        QVERIFY(!page.setAside(aside));
        QVERIFY(page.setAside(euroLast ? euro(row) : prozent(row)));
        QCOMPARE(page.shown(QStringLiteral("le_SLB_Verrechnungssatz")),
                 euroLast ? QStringLiteral("10,40") : QStringLiteral("14,00"));
    }
}

void TestHourlyPage::ausfall_amount_sets_the_percentage_aside_even_unchecked()
{
    SlbPage page;
    page.wage(QStringLiteral("520"), QStringLiteral("12"));
    page.enter(QStringLiteral("le_SLB_Ausfall_P"), QStringLiteral("50"));
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Verrechnungssatz")), QStringLiteral("15,00"));
    QVERIFY(!page.nurEinFeld()->isChecked());
    page.enter(QStringLiteral("le_SLB_Ausfall_E"), QStringLiteral("3"));
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Ausfall_P")), QStringLiteral("0,0"));
    QVERIFY(page.setAside(QStringLiteral("le_SLB_Ausfall_P")));
    QVERIFY(!page.setAside(QStringLiteral("le_SLB_Ausfall_E")));
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Verrechnungssatz")), QStringLiteral("13,00"));
    // a percentage typed afterwards is kept beside the amount, and both count
    page.enter(QStringLiteral("le_SLB_Ausfall_P"), QStringLiteral("20"));
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Ausfall_E")), QStringLiteral("3,00"));
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Ausfall_P")), QStringLiteral("20,0"));
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Verrechnungssatz")), QStringLiteral("15,00"));
    // a zero amount sets nothing aside
    page.enter(QStringLiteral("le_SLB_Ausfall_E"), QStringLiteral("0"));
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Ausfall_P")), QStringLiteral("20,0"));
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Verrechnungssatz")), QStringLiteral("12,00"));
}

void TestHourlyPage::ausfall_amount_typed_with_the_box_checked_steers_the_percentage_look()
{
    SlbPage page;
    page.setNurEinFeld(true);
    page.enter(QStringLiteral("le_SLB_Ausfall_P"), QStringLiteral("20"));
    QVERIFY(!page.setAside(QStringLiteral("le_SLB_Ausfall_P")));
    const QString e = QStringLiteral("le_SLB_Ausfall_E");
    const QString p = QStringLiteral("le_SLB_Ausfall_P");
    page.gui.typeInto(e, QStringLiteral("0"));
    QVERIFY(!page.setAside(p));
    page.gui.typeInto(e, QStringLiteral(","), false);
    QCOMPARE(page.shown(e), QStringLiteral("0,"));
    QVERIFY(!page.setAside(p));
    QCOMPARE(page.shown(p), QStringLiteral("20,0"));
    // the first keystroke that makes the amount positive
    page.gui.typeInto(e, QStringLiteral("5"), false);
    QVERIFY(page.setAside(p));
    QCOMPARE(page.shown(p), QStringLiteral("0,0"));
    // deleting the amount back to zero: editable again, the value stays zero
    QTest::keyClick(page.field(e), Qt::Key_Backspace);
    QCOMPARE(page.shown(e), QStringLiteral("0,"));
    QVERIFY(!page.setAside(p));
    QCOMPARE(page.shown(p), QStringLiteral("0,0"));
    QTest::keyClick(page.field(e), Qt::Key_5);
    QVERIFY(page.setAside(p));
    QTest::keyClick(page.field(e), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(page.field(e), Qt::Key_Delete);
    QCOMPARE(page.shown(e), QString());
    QVERIFY(!page.setAside(p));
    QCOMPARE(page.focusName(), e);
}

void TestHourlyPage::ausfall_percentage_left_with_the_box_checked_resets_the_amount()
{
    SlbPage page;
    page.wage(QStringLiteral("520"), QStringLiteral("12"));
    page.setNurEinFeld(true);
    page.enter(QStringLiteral("le_SLB_Ausfall_E"), QStringLiteral("3"));
    QVERIFY(page.setAside(QStringLiteral("le_SLB_Ausfall_P")));
    page.enter(QStringLiteral("le_SLB_Ausfall_P"), QStringLiteral("10"));
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Ausfall_E")), QStringLiteral("0,00"));
    QVERIFY(page.setAside(QStringLiteral("le_SLB_Ausfall_E")));
    QVERIFY(!page.setAside(QStringLiteral("le_SLB_Ausfall_P")));
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Ausfall_P")), QStringLiteral("10,0"));
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Verrechnungssatz")), QStringLiteral("11,00"));
    // unchecking restores no look
    page.setNurEinFeld(false);
    QVERIFY(page.setAside(QStringLiteral("le_SLB_Ausfall_E")));
}

void TestHourlyPage::sozial_percentage_check_data()
{
    QTest::addColumn<QString>("percent");
    QTest::addColumn<QString>("balloon");
    QTest::addColumn<QString>("style");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("rate");
    QTest::newRow("24,9 passes") << "24,9"
                                 << ""
                                 << ""
                                 << "le_SLB_Sach_E"
                                 << "12,49";
    QTest::newRow("25 is questionable and used") << "25"
                                                 << "Wirklich?"
                                                 << "tt_Warnung"
                                                 << "le_SLB_Sach_E"
                                                 << "12,50";
    QTest::newRow("100 is impossible, keeps the focus, not used") << "100"
                                                                  << "Unmöglich?"
                                                                  << "tt_Error"
                                                                  << "le_SLB_Sozial_P"
                                                                  << "10,00";
}

void TestHourlyPage::sozial_percentage_check()
{
    QFETCH(QString, percent);
    QFETCH(QString, balloon);
    QFETCH(QString, style);
    QFETCH(QString, focus);
    QFETCH(QString, rate);
    SlbPage page;
    page.wage(QStringLiteral("520"), QStringLiteral("12"));
    page.enter(QStringLiteral("le_SLB_Sozial_P"), percent);
    QCOMPARE(page.focusName(), focus);
    Balloon *b = BalloonService::balloonOf(page.field(QStringLiteral("le_SLB_Sozial_P")));
    QCOMPARE(b ? b->balloonText() : QString(), balloon);
    QCOMPARE(b ? b->balloonStyle() : QString(), style);
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Verrechnungssatz")), rate);
}

void TestHourlyPage::checks_of_a_row_run_in_their_order_data()
{
    // Both fields of the row hold impossible values; the field checked last keeps the focus.
    QTest::addColumn<QString>("row");
    QTest::addColumn<bool>("euroLeft");
    QTest::addColumn<QString>("focus");
    QTest::newRow("Soziallasten Euro exit: Euro, then %") << "Sozial" << true << "le_SLB_Sozial_P";
    QTest::newRow("Sachkosten Euro exit: %, then Euro") << "Sach" << true << "le_SLB_Sach_E";
    QTest::newRow("Wagnis & Gewinn Euro exit: Euro, then %")
        << "Gewinn" << true << "le_SLB_Gewinn_P";
    QTest::newRow("Soziallasten % exit: %, then Euro") << "Sozial" << false << "le_SLB_Sozial_E";
    QTest::newRow("Sachkosten % exit: %, then Euro") << "Sach" << false << "le_SLB_Sach_E";
    QTest::newRow("Wagnis & Gewinn % exit: %, then Euro") << "Gewinn" << false << "le_SLB_Gewinn_E";
    QTest::newRow("Ausfallfaktoren % exit: %, Euro, % again")
        << "Ausfall" << false << "le_SLB_Ausfall_P";
}

void TestHourlyPage::checks_of_a_row_run_in_their_order()
{
    QFETCH(QString, row);
    QFETCH(bool, euroLeft);
    QFETCH(QString, focus);
    SlbPage page;
    const QString impossible =
        row == QLatin1String("Gewinn") ? QStringLiteral("1000") : QStringLiteral("100");
    page.field(euro(row))->setNumberText(impossible);
    page.field(prozent(row))->setNumberText(impossible);
    page.enter(euroLeft ? euro(row) : prozent(row), impossible);
    QCOMPARE(page.focusName(), focus);
    QCOMPARE(page.balloonText(euro(row)), QStringLiteral("Unmöglich?"));
    QCOMPARE(page.balloonText(prozent(row)), QStringLiteral("Unmöglich?"));
    // a Euro value enters the rate at once, before its check
    if (euroLeft)
        QCOMPARE(page.shown(QStringLiteral("le_SLB_Verrechnungssatz")),
                 row == QLatin1String("Gewinn") ? QStringLiteral("1.000,00")
                                                : QStringLiteral("100,00"));
    else
        QCOMPARE(page.shown(QStringLiteral("le_SLB_Verrechnungssatz")), QStringLiteral("0,00"));
}

void TestHourlyPage::same_wage_text_does_not_recompute()
{
    SlbPage page;
    page.wage(QStringLiteral("3000"), QStringLiteral("40"));
    NumberEdit *rate = page.field(QStringLiteral("le_SLB_Verrechnungssatz"));
    QCOMPARE(rate->text(), QStringLiteral("17,31"));
    // a stale rate shows whether anything recomputed it
    rate->setNumberText(QStringLiteral("1"));
    page.enter(QStringLiteral("le_SLB_Bruttolohn"), QStringLiteral("3000"));
    page.enter(QStringLiteral("le_SLB_Wochenstunden"), QStringLiteral("40"));
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Stundenlohn")), QStringLiteral("17,31"));
    QCOMPARE(rate->text(), QStringLiteral("1,00"));
    // a wage that changes recomputes
    page.enter(QStringLiteral("le_SLB_Bruttolohn"), QStringLiteral("3100"));
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Stundenlohn")), QStringLiteral("17,88"));
    QCOMPARE(rate->text(), QStringLiteral("17,88"));
}

void TestHourlyPage::every_surcharge_exit_recomputes_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &row : kRows) {
        QTest::addRow("%s Euro", qPrintable(row)) << euro(row);
        QTest::addRow("%s %%", qPrintable(row)) << prozent(row);
    }
}

void TestHourlyPage::every_surcharge_exit_recomputes()
{
    QFETCH(QString, name);
    SlbPage page;
    page.wage(QStringLiteral("3000"), QStringLiteral("40"));
    NumberEdit *rate = page.field(QStringLiteral("le_SLB_Verrechnungssatz"));
    rate->setNumberText(QStringLiteral("1"));
    page.enter(name, QStringLiteral("0"));
    QCOMPARE(rate->text(), QStringLiteral("17,31"));
}

void TestHourlyPage::weekly_hours_go_over_to_this_page_data()
{
    QTest::addColumn<QString>("ausfall");
    QTest::addColumn<QString>("shown");
    QTest::newRow("38,50 is copied") << "38,5"
                                     << "38,50";
    QTest::newRow("0,00 leaves this page's value") << "0"
                                                   << "40,00";
}

void TestHourlyPage::weekly_hours_go_over_to_this_page()
{
    QFETCH(QString, ausfall);
    QFETCH(QString, shown);
    SlbPage page;
    page.wage(QStringLiteral("3000"), QStringLiteral("40"));
    page.clickTab(Tf_Menue::PageAusfall);
    page.gui.typeInto(QStringLiteral("le_GKF_Wochenstunden"), ausfall);
    page.clickTab(Tf_Menue::PageStundenlohn);
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Wochenstunden")), shown);
    QCOMPARE(page.focusName(), QStringLiteral("le_SLB_Bruttolohn"));
    // the copy alone does not recompute; leaving the gross wage does
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Stundenlohn")), QStringLiteral("17,31"));
    page.gui.pressTab();
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Stundenlohn")),
             shown == QLatin1String("38,50") ? QStringLiteral("17,98") : QStringLiteral("17,31"));
}

void TestHourlyPage::weekly_hours_go_back_to_ausfallfaktoren_data()
{
    QTest::addColumn<QString>("stunden");
    QTest::addColumn<QString>("shown");
    QTest::newRow("38,50 is copied back") << "38,5"
                                          << "38,50";
    QTest::newRow("0,00 leaves the other page's value") << "0"
                                                        << "40,00";
}

void TestHourlyPage::weekly_hours_go_back_to_ausfallfaktoren()
{
    QFETCH(QString, stunden);
    QFETCH(QString, shown);
    SlbPage page;
    page.clickTab(Tf_Menue::PageAusfall);
    page.gui.typeInto(QStringLiteral("le_GKF_Wochenstunden"), QStringLiteral("40"));
    page.clickTab(Tf_Menue::PageStundenlohn);
    QCOMPARE(page.shown(QStringLiteral("le_SLB_Wochenstunden")), QStringLiteral("40,00"));
    page.gui.typeInto(QStringLiteral("le_SLB_Wochenstunden"), stunden);
    page.clickTab(Tf_Menue::PageAusfall);
    QCOMPARE(page.field(QStringLiteral("le_GKF_Wochenstunden"))->text(), shown);
    QCOMPARE(page.focusName(), QStringLiteral("le_GKF_Wochenstunden"));
}

void TestHourlyPage::leaving_the_page_removes_its_balloons()
{
    SlbPage page;
    page.enter(QStringLiteral("le_SLB_Wochenstunden"), QStringLiteral("60"));
    page.enter(QStringLiteral("le_SLB_Gewinn_E"), QStringLiteral("70"));
    QCOMPARE(page.balloonText(QStringLiteral("le_SLB_Wochenstunden")), QStringLiteral("Wirklich?"));
    QCOMPARE(page.balloonText(QStringLiteral("le_SLB_Gewinn_E")), QStringLiteral("Wirklich?"));
    page.clickTab(Tf_Menue::PageUrlaub);
    QCOMPARE(page.balloonText(QStringLiteral("le_SLB_Wochenstunden")), QString());
    QCOMPARE(page.balloonText(QStringLiteral("le_SLB_Gewinn_E")), QString());
}

QTEST_MAIN(TestHourlyPage)
#include "test_hourly_page.moc"
