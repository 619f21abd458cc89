#include "calc/hourly.h"
#include "calc/numbers.h"

#include <QTest>

using calc::FieldKind;
using calc::Zuschlaege;

Q_DECLARE_METATYPE(Zuschlaege)

namespace {

QString shownMoney(const std::string &text)
{
    return QString::fromStdString(calc::shownText(text, 2, FieldKind::Money));
}

} // namespace

class TestHourly : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hourly_wage_data();
    void hourly_wage();
    void billing_rate_data();
    void billing_rate();
};

void TestHourly::hourly_wage_data()
{
    QTest::addColumn<QString>("brutto");
    QTest::addColumn<QString>("wochenstunden");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("3.000,00 and 40,00") << "3.000,00"
                                        << "40,00"
                                        << "17,3076923076923"
                                        << "17,31";
    QTest::newRow("250.000,00 and 10 groups the thousands") << "250.000,00"
                                                            << "10,00"
                                                            << "5769,23076923077"
                                                            << "5.769,23";
    QTest::newRow("1000 and 7") << "1.000,00"
                                << "7,00"
                                << "32,967032967033"
                                << "32,97";
    QTest::newRow("520 and 12 is a round 10") << "520,00"
                                              << "12,00"
                                              << "10"
                                              << "10,00";
    QTest::newRow("weekly hours 0,00") << "3.000,00"
                                       << "0,00"
                                       << ""
                                       << "0,00";
    QTest::newRow("gross wage 0") << "0,00"
                                  << "40,00"
                                  << ""
                                  << "0,00";
    QTest::newRow("empty texts") << ""
                                 << ""
                                 << ""
                                 << "0,00";
    QTest::newRow("negative weekly hours") << "3.000,00"
                                           << "-40"
                                           << ""
                                           << "0,00";
    QTest::newRow("no number counts 0") << "abc"
                                        << "40,00"
                                        << ""
                                        << "0,00";
}

void TestHourly::hourly_wage()
{
    QFETCH(QString, brutto);
    QFETCH(QString, wochenstunden);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    const std::string result = calc::Stundenlohn(brutto.toStdString(), wochenstunden.toStdString());
    QCOMPARE(QString::fromStdString(result), text);
    QCOMPARE(shownMoney(result), shown);
}

void TestHourly::billing_rate_data()
{
    QTest::addColumn<double>("stundenlohn");
    QTest::addColumn<Zuschlaege>("zuschlaege");
    QTest::addColumn<QString>("shown");
    // rows: Ausfallfaktoren, Soziallasten, Sachkosten, Wagnis & Gewinn; {Euro, %}
    QTest::newRow("no surcharges is the wage") << 17.31 << Zuschlaege{} << "17,31";
    QTest::newRow("percentages are not compounded: 10 % + 10 % of 10,00")
        << 10.0 << Zuschlaege{{{0, 0}, {0, 10}, {0, 0}, {0, 10}}} << "12,00";
    QTest::newRow("50 % Ausfall of the shown 32,97 rounds to 49,46")
        << 32.97 << Zuschlaege{{{0, 50}, {0, 0}, {0, 0}, {0, 0}}} << "49,46";
    QTest::newRow("the unrounded wage 32,967… would give 49,45")
        << 32.967032967033 << Zuschlaege{{{0, 50}, {0, 0}, {0, 0}, {0, 0}}} << "49,45";
    QTest::newRow("Soziallasten 20 % and Sachkosten 2,50 Euro")
        << 17.31 << Zuschlaege{{{0, 0}, {0, 20}, {2.5, 0}, {0, 0}}} << "23,27";
    QTest::newRow("Euro and % of one row both count")
        << 10.0 << Zuschlaege{{{0, 0}, {0, 0}, {2, 10}, {0, 0}}} << "13,00";
    QTest::newRow("Euro amounts are not in the percentage base")
        << 10.0 << Zuschlaege{{{5, 0}, {0, 0}, {0, 0}, {0, 10}}} << "16,00";
    QTest::newRow("all eight fields")
        << 20.0 << Zuschlaege{{{1, 10}, {2, 20}, {3, 5}, {4, 15}}} << "40,00";
    QTest::newRow("negative values count 0")
        << 10.0 << Zuschlaege{{{-5, -10}, {0, 0}, {-1, 0}, {0, -50}}} << "10,00";
    QTest::newRow("no wage: the sum of the Euro amounts")
        << 0.0 << Zuschlaege{{{1, 50}, {2, 0}, {0, 0}, {0.5, 10}}} << "3,50";
    QTest::newRow("large rate groups the thousands")
        << 5769.23 << Zuschlaege{{{0, 0}, {0, 0}, {0, 0}, {0, 100}}} << "11.538,46";
}

void TestHourly::billing_rate()
{
    QFETCH(double, stundenlohn);
    QFETCH(Zuschlaege, zuschlaege);
    QFETCH(QString, shown);
    const double rate = calc::Verrechnungssatz(stundenlohn, zuschlaege);
    QCOMPARE(shownMoney(calc::numberText(rate)), shown);
}

QTEST_APPLESS_MAIN(TestHourly)
#include "test_hourly.moc"
