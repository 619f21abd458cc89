#include "calc/downtime.h"
#include "calc/numbers.h"

#include <QTest>

Q_DECLARE_METATYPE(calc::DowntimeInputs)

namespace {

QString q(const std::string &s)
{
    return QString::fromStdString(s);
}

calc::DowntimeInputs inputs(const char *w, const char *a, const char *u, const char *k,
                            const char *sw, const char *st, const char *h, const char *v)
{
    calc::DowntimeInputs in;
    in.wochenstunden = w;
    in.arbeitstage = a;
    in.urlaubstage = u;
    in.krank = k;
    in.schulwochen = sw;
    in.schultage = st;
    in.feiertage = h;
    in.verrechnet = v;
    return in;
}

} // namespace

class TestDowntime : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void worked_examples_data();
    void worked_examples();
    void texts_being_typed_never_raise_data();
    void texts_being_typed_never_raise();
    void holidays_field_is_filled_with_zero_data();
    void holidays_field_is_filled_with_zero();
    void productivity_keeps_the_factor_while_there_are_no_total_hours();
    void holiday_table_data();
    void holiday_table();
    void states_are_listed_in_order();
    void spin_button_steps_data();
    void spin_button_steps();
};

void TestDowntime::worked_examples_data()
{
    QTest::addColumn<calc::DowntimeInputs>("in");
    QTest::addColumn<QStringList>("shown"); // S FS G P R PS N F
    QTest::newRow("40 h, 5 days, 30 vacation, 10 sick, 10 holidays, 30 billed")
        << inputs("40,00", "5,00", "30,0", "10,0", "0,0", "0,0", "10,0", "30,0")
        << QStringList{"8,00", "80,0", "2080,0", "1680,0", "75,0", "1260,0", "420,0", "39,4"};
    QTest::newRow("38,5 h: billed hours from the shown ratio 2,6")
        << inputs("38,50", "5,00", "28,0", "12,0", "0,0", "0,0", "12,0", "1,0")
        << QStringList{"7,70", "92,4", "2002,0", "1601,6", "2,6", "41,6", "1560,0", "97,9"};
    QTest::newRow("40 h on 6 days: deductions from the shown 6,67")
        << inputs("40,00", "6,00", "30,0", "0,0", "0,0", "20,0", "11,0", "32,0")
        << QStringList{"6,67", "73,4", "2080,0", "1673,1", "80,0", "1338,5", "334,6", "35,6"};
    QTest::newRow("working days back to 0: every result 0")
        << inputs("40,00", "0,00", "30,0", "10,0", "0,0", "0,0", "10,0", "30,0")
        << QStringList{"0,00", "0,0", "0,0", "0,0", "0,0", "0,0", "0,0", "0,0"};
    QTest::newRow("weekly hours 0 with billed hours: ratio 0, no division by zero")
        << inputs("0,00", "5,00", "0,0", "0,0", "0,0", "0,0", "0,0", "30,0")
        << QStringList{"0,00", "0,0", "0,0", "0,0", "0,0", "0,0", "0,0", "0,0"};
    QTest::newRow("nothing billed: factor from the productive hours")
        << inputs("40,00", "5,00", "30,0", "10,0", "0,0", "0,0", "10,0", "0,0")
        << QStringList{"8,00", "80,0", "2080,0", "1680,0", "0,0", "0,0", "1680,0", "19,2"};
    QTest::newRow("deductions above the year's hours: negative P counts as it is")
        << inputs("10,00", "5,00", "300,0", "0,0", "0,0", "0,0", "0,0", "1,0")
        << QStringList{"2,00", "0,0", "520,0", "-80,0", "10,0", "-8,0", "-72,0", "101,5"};
    QTest::newRow("school weeks deduct whole weeks")
        << inputs("40,00", "5,00", "0,0", "0,0", "10,0", "0,0", "0,0", "40,0")
        << QStringList{"8,00", "0,0", "2080,0", "1680,0", "100,0", "1680,0", "0,0", "19,2"};
}

void TestDowntime::worked_examples()
{
    QFETCH(calc::DowntimeInputs, in);
    QFETCH(QStringList, shown);
    const calc::DowntimeResults r = calc::Arbeitszeit(in);
    const QStringList got{q(r.stundenTag),
                          q(r.feiertageStunden),
                          q(r.gesamtstunden),
                          q(r.produktivUrlaub),
                          q(r.productivity.produktivverhaeltnis),
                          q(r.productivity.produktivstunden),
                          q(r.productivity.unproduktivstunden),
                          q(r.productivity.ausfallfaktor)};
    QCOMPARE(got, shown);
}

void TestDowntime::texts_being_typed_never_raise_data()
{
    QTest::addColumn<calc::DowntimeInputs>("in");
    QTest::addColumn<QString>("stundenTag");
    QTest::addColumn<QString>("ausfallfaktor");
    QTest::newRow("working days typed before the weekly hours")
        << inputs("", "5", "0,0", "0,0", "0,0", "0,0", "0,0", "1,0") << "0,00"
        << "0,0";
    QTest::newRow("weekly hours ending in a comma")
        << inputs("40,", "5,00", "0,0", "0,0", "0,0", "0,0", "0,0", "40,0") << "8,00"
        << "0,0";
    QTest::newRow("working days just a zero and a comma")
        << inputs("40,00", "0,", "0,0", "0,0", "0,0", "0,0", "0,0", "1,0") << "0,00"
        << "0,0";
    QTest::newRow("empty vacation and sick days")
        << inputs("40,00", "5,00", "", "", "", "", "", "") << "8,00"
        << "0,0";
}

void TestDowntime::texts_being_typed_never_raise()
{
    QFETCH(calc::DowntimeInputs, in);
    QFETCH(QString, stundenTag);
    QFETCH(QString, ausfallfaktor);
    calc::DowntimeResults r;
    try {
        r = calc::Arbeitszeit(in);
    } catch (const std::exception &e) {
        QFAIL(e.what());
    }
    QCOMPARE(q(r.stundenTag), stundenTag);
    QCOMPARE(q(r.productivity.ausfallfaktor), ausfallfaktor);
}

void TestDowntime::holidays_field_is_filled_with_zero_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("hours");
    QTest::newRow("deleted text") << ""
                                  << "0,0"
                                  << "0,0";
    QTest::newRow("zero and a comma") << "0,"
                                      << "0,0"
                                      << "0,0";
    QTest::newRow("a number being typed stays as typed") << "12,"
                                                         << "12,"
                                                         << "96,0";
    QTest::newRow("shown number stays") << "14,0"
                                        << "14,0"
                                        << "112,0";
}

void TestDowntime::holidays_field_is_filled_with_zero()
{
    QFETCH(QString, typed);
    QFETCH(QString, field);
    QFETCH(QString, hours);
    const calc::DowntimeResults r = calc::Arbeitszeit(
        inputs("40,00", "5,00", "0,0", "0,0", "0,0", "0,0", typed.toUtf8().constData(), "1,0"));
    QCOMPARE(q(r.feiertage), field);
    QCOMPARE(q(r.feiertageStunden), hours);
    QCOMPARE(q(calc::Feiertage(typed.toStdString(), "8,00").stunden), hours);
}

void TestDowntime::productivity_keeps_the_factor_while_there_are_no_total_hours()
{
    const calc::ProductivityResults r = calc::Produktivität("30,0", "0,00", "0,0", "0,0", "12,3");
    QCOMPARE(q(r.produktivverhaeltnis), QStringLiteral("0,0"));
    QCOMPARE(q(r.ausfallfaktor), QStringLiteral("12,3"));
}

void TestDowntime::holiday_table_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("holidays"); // empty: no match
    QTest::newRow("Baden-Württemberg") << "Baden-Württemberg"
                                       << "12,0";
    QTest::newRow("Bayern") << "Bayern"
                            << "14,0";
    QTest::newRow("Berlin") << "Berlin"
                            << "10,0";
    QTest::newRow("Brandenburg") << "Brandenburg"
                                 << "12,0";
    QTest::newRow("Bremen") << "Bremen"
                            << "10,0";
    QTest::newRow("Hamburg") << "Hamburg"
                             << "10,0";
    QTest::newRow("Hessen") << "Hessen"
                            << "10,0";
    QTest::newRow("Mecklenburg-Vorpommern") << "Mecklenburg-Vorpommern"
                                            << "10,0";
    QTest::newRow("Niedersachsen") << "Niedersachsen"
                                   << "10,0";
    QTest::newRow("Nordrhein-Westfalen") << "Nordrhein-Westfalen"
                                         << "11,0";
    QTest::newRow("Rheinland-Pfalz") << "Rheinland-Pfalz"
                                     << "11,0";
    QTest::newRow("Saarland") << "Saarland"
                              << "12,0";
    QTest::newRow("Sachsen") << "Sachsen"
                             << "12,0";
    QTest::newRow("Sachsen-Anhalt") << "Sachsen-Anhalt"
                                    << "11,0";
    QTest::newRow("Schleswig-Holstein") << "Schleswig-Holstein"
                                        << "10,0";
    QTest::newRow("Thüringen") << "Thüringen"
                               << "12,0";
    QTest::newRow("lower case bayern: no match") << "bayern"
                                                 << "";
    QTest::newRow("start of a name: no match") << "Bay"
                                               << "";
    QTest::newRow("space for the hyphen: no match") << "Sachsen Anhalt"
                                                    << "";
    QTest::newRow("empty text: no match") << ""
                                          << "";
}

void TestDowntime::holiday_table()
{
    QFETCH(QString, state);
    QFETCH(QString, holidays);
    const auto got = calc::holidaysOf(state.toStdString());
    QCOMPARE(got.has_value(), !holidays.isEmpty());
    if (got)
        QCOMPARE(q(*got), holidays);
}

void TestDowntime::states_are_listed_in_order()
{
    const auto &states = calc::federalStates();
    QCOMPARE(QString::fromUtf8(states.front().data(), states.front().size()),
             QStringLiteral("Baden-Württemberg"));
    QCOMPARE(QString::fromUtf8(states.back().data(), states.back().size()),
             QStringLiteral("Thüringen"));
    for (std::size_t i = 1; i < states.size(); ++i)
        QVERIFY(states[i - 1] < states[i]);
}

void TestDowntime::spin_button_steps_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("down");
    QTest::addColumn<QString>("stepped");
    QTest::newRow("12,0 up gives 12,5") << "12,0" << false << "12,5";
    QTest::newRow("12,5 up gives 13") << "12,5" << false << "13";
    QTest::newRow("no upper limit") << "365,0" << false << "365,5";
    QTest::newRow("1,0 down gives 0,5") << "1,0" << true << "0,5";
    QTest::newRow("0,5 down gives 0") << "0,5" << true << "0";
    QTest::newRow("0,0 down stays 0") << "0,0" << true << "0";
    QTest::newRow("0,3 down gives 0, never below") << "0,3" << true << "0";
}

void TestDowntime::spin_button_steps()
{
    QFETCH(QString, text);
    QFETCH(bool, down);
    QFETCH(QString, stepped);
    QCOMPARE(q(calc::f_SpinButton(down, text.toStdString(), 0.5)), stepped);
}

QTEST_APPLESS_MAIN(TestDowntime)
#include "test_downtime.moc"
