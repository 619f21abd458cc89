#include "calc/vacation.h"

#include <QTest>

using calc::Date;

Q_DECLARE_METATYPE(calc::Date)

namespace {

QString dateText(const Date &d)
{
    return QStringLiteral("%1.%2.%3")
        .arg(d.day, 2, 10, QLatin1Char('0'))
        .arg(d.month, 2, 10, QLatin1Char('0'))
        .arg(d.year);
}

} // namespace

class TestVacation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void months_of_a_period_data();
    void months_of_a_period();
    void entitlement_data();
    void entitlement();
    void schwerb_click_data();
    void schwerb_click();
    void schwerb_click_and_later_run_count_the_days_once();
    void next_period_data();
    void next_period();
};

void TestVacation::months_of_a_period_data()
{
    QTest::addColumn<Date>("start");
    QTest::addColumn<Date>("end");
    QTest::addColumn<int>("months");
    QTest::newRow("27.03.2023–31.12.2023 → 9") << Date{2023, 3, 27} << Date{2023, 12, 31} << 9;
    QTest::newRow("14.03.–15.12. → 10") << Date{2023, 3, 14} << Date{2023, 12, 15} << 10;
    QTest::newRow("15.03.–14.12. → 8") << Date{2023, 3, 15} << Date{2023, 12, 14} << 8;
    QTest::newRow("01.01.–31.12. → 12") << Date{2023, 1, 1} << Date{2023, 12, 31} << 12;
    QTest::newRow("15.03.–14.04. → 0") << Date{2023, 3, 15} << Date{2023, 4, 14} << 0;
    QTest::newRow("01.01.2023–31.12.2025 → 12") << Date{2023, 1, 1} << Date{2025, 12, 31} << 12;
    QTest::newRow("end before start → 0") << Date{2023, 5, 1} << Date{2023, 3, 31} << 0;
    QTest::newRow("end a year before start → 0") << Date{2024, 3, 1} << Date{2023, 12, 31} << 0;
    QTest::newRow("15.11.2023–31.01.2024 → 2") << Date{2023, 11, 15} << Date{2024, 1, 31} << 2;
    QTest::newRow("01.11.2023–31.01.2024 → 3") << Date{2023, 11, 1} << Date{2024, 1, 31} << 3;
    QTest::newRow("15.12.2023–14.01.2024 → 0") << Date{2023, 12, 15} << Date{2024, 1, 14} << 0;
    QTest::newRow("16.07.–31.07. → 0") << Date{2023, 7, 16} << Date{2023, 7, 31} << 0;
    QTest::newRow("01.01.2024–31.01.2024 → 1") << Date{2024, 1, 1} << Date{2024, 1, 31} << 1;
    QTest::newRow("27.03.2023–31.12.2026 → 12") << Date{2023, 3, 27} << Date{2026, 12, 31} << 12;
}

void TestVacation::months_of_a_period()
{
    QFETCH(Date, start);
    QFETCH(Date, end);
    QFETCH(int, months);
    QCOMPARE(calc::vacationMonths(start, end), months);
}

void TestVacation::entitlement_data()
{
    QTest::addColumn<double>("standard");
    QTest::addColumn<double>("sollTage");
    QTest::addColumn<double>("istTage");
    QTest::addColumn<double>("months");
    QTest::addColumn<bool>("schwerb");
    QTest::addColumn<double>("anspruch");
    QTest::newRow("30/5×3 full year 18") << 30.0 << 5.0 << 3.0 << 12.0 << false << 18.0;
    QTest::newRow("30/5×3 nine months 13,5") << 30.0 << 5.0 << 3.0 << 9.0 << false << 13.5;
    QTest::newRow("30/5×3 nine months Schwerb 18,5") << 30.0 << 5.0 << 3.0 << 9.0 << true << 18.5;
    QTest::newRow("26/6×5 six months from rounded 21,67")
        << 26.0 << 6.0 << 5.0 << 6.0 << false << 10.84;
    QTest::newRow("zero months 0") << 30.0 << 5.0 << 3.0 << 0.0 << false << 0.0;
    QTest::newRow("zero months Schwerb 5") << 30.0 << 5.0 << 3.0 << 0.0 << true << 5.0;
    QTest::newRow("8 days a week used as given") << 60.0 << 5.0 << 8.0 << 12.0 << false << 96.0;
    QTest::newRow("26/6×5 one month 1,81") << 26.0 << 6.0 << 5.0 << 1.0 << false << 1.81;
}

void TestVacation::entitlement()
{
    QFETCH(double, standard);
    QFETCH(double, sollTage);
    QFETCH(double, istTage);
    QFETCH(double, months);
    QFETCH(bool, schwerb);
    QFETCH(double, anspruch);
    QCOMPARE(calc::vacationEntitlement(standard, sollTage, istTage, months, schwerb), anspruch);
}

void TestVacation::schwerb_click_data()
{
    QTest::addColumn<double>("before");
    QTest::addColumn<bool>("nowChecked");
    QTest::addColumn<double>("after");
    QTest::newRow("checked adds five") << 13.5 << true << 18.5;
    QTest::newRow("unchecked removes five") << 18.5 << false << 13.5;
    QTest::newRow("checked at zero changes nothing") << 0.0 << true << 0.0;
    QTest::newRow("unchecked at zero changes nothing") << 0.0 << false << 0.0;
    QTest::newRow("unchecked at five gives zero") << 5.0 << false << 0.0;
}

void TestVacation::schwerb_click()
{
    QFETCH(double, before);
    QFETCH(bool, nowChecked);
    QFETCH(double, after);
    QCOMPARE(calc::schwerbEntitlement(before, nowChecked), after);
}

void TestVacation::schwerb_click_and_later_run_count_the_days_once()
{
    const double plain = calc::vacationEntitlement(30, 5, 3, 9, false);
    const double clicked = calc::schwerbEntitlement(plain, true);
    QCOMPARE(clicked, calc::vacationEntitlement(30, 5, 3, 9, true));
}

void TestVacation::next_period_data()
{
    QTest::addColumn<Date>("oldEnd");
    QTest::addColumn<Date>("start");
    QTest::addColumn<Date>("end");
    QTest::newRow("31.12.2023 → 01.01.2024–31.01.2024")
        << Date{2023, 12, 31} << Date{2024, 1, 1} << Date{2024, 1, 31};
    QTest::newRow("31.01.2024 → 01.02.2024–29.02.2024 leap year")
        << Date{2024, 1, 31} << Date{2024, 2, 1} << Date{2024, 2, 29};
    QTest::newRow("31.01.2023 → 01.02.2023–28.02.2023")
        << Date{2023, 1, 31} << Date{2023, 2, 1} << Date{2023, 2, 28};
    QTest::newRow("31.01.1900 → February has 28 days")
        << Date{1900, 1, 31} << Date{1900, 2, 1} << Date{1900, 2, 28};
    QTest::newRow("31.01.2000 → February has 29 days")
        << Date{2000, 1, 31} << Date{2000, 2, 1} << Date{2000, 2, 29};
    QTest::newRow("15.07. → 16.07.–31.07.")
        << Date{2023, 7, 15} << Date{2023, 7, 16} << Date{2023, 7, 31};
    QTest::newRow("28.02.2024 → 29.02.2024–29.02.2024")
        << Date{2024, 2, 28} << Date{2024, 2, 29} << Date{2024, 2, 29};
    QTest::newRow("30.04. → 01.05.–31.05.")
        << Date{2023, 4, 30} << Date{2023, 5, 1} << Date{2023, 5, 31};
    QTest::newRow("30.11. → 01.12.–31.12.")
        << Date{2023, 11, 30} << Date{2023, 12, 1} << Date{2023, 12, 31};
}

void TestVacation::next_period()
{
    QFETCH(Date, oldEnd);
    QFETCH(Date, start);
    QFETCH(Date, end);
    const calc::Period p = calc::nextPeriod(oldEnd);
    QCOMPARE(dateText(p.start), dateText(start));
    QCOMPARE(dateText(p.end), dateText(end));
}

QTEST_APPLESS_MAIN(TestVacation)
#include "test_vacation.moc"
