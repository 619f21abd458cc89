#include "calc/numbers.h"

#include <QTest>

using calc::FieldKind;

class TestNumbers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shown_text_data();
    void shown_text();
    void lenient_reading_data();
    void lenient_reading();
    void strict_reading_data();
    void strict_reading();
    void strict_reading_error_text_data();
    void strict_reading_error_text();
    void text_or_zero_reads_empty_as_zero();
    void number_text_data();
    void number_text();
};

void TestNumbers::shown_text_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<bool>("money");
    QTest::addColumn<QString>("shown");
    QTest::newRow("7,5 two decimals") << "7,5" << 2 << false << "7,50";
    QTest::newRow("abc is zero") << "abc" << 2 << false << "0,00";
    QTest::newRow("money groups 5769,2307") << "5769,2307" << 2 << true << "5.769,23";
    QTest::newRow("6,666… rounds up") << "6,66666666666667" << 2 << false << "6,67";
    QTest::newRow("2,675 half away from zero") << "2,675" << 2 << false << "2,68";
    QTest::newRow("0,05 one decimal") << "0,05" << 1 << false << "0,1";
    QTest::newRow("decimal kind no grouping") << "2080" << 1 << false << "2080,0";
    QTest::newRow("negative keeps sign") << "-120,5" << 1 << false << "-120,5";
    QTest::newRow("negative half away from zero") << "-2,675" << 2 << false << "-2,68";
    QTest::newRow("tiny negative shows zero") << "-0,001" << 2 << false << "0,00";
    QTest::newRow("trimmed") << "  12,5 " << 1 << false << "12,5";
    QTest::newRow("empty is zero") << "" << 1 << false << "0,0";
    QTest::newRow("grouped money text again") << "3.000,00" << 2 << true << "3.000,00";
    QTest::newRow("money million") << "1234567,891" << 2 << true << "1.234.567,89";
    QTest::newRow("carry into new digit") << "9,999" << 2 << false << "10,00";
    QTest::newRow("trailing comma while typing") << "12," << 2 << false << "12,00";
    QTest::newRow("exponent text") << "1e-05" << 2 << false << "0,00";
    QTest::newRow("0,3 minus 0,5 stays shown") << "0" << 1 << false << "0,0";
}

void TestNumbers::shown_text()
{
    QFETCH(QString, text);
    QFETCH(int, decimals);
    QFETCH(bool, money);
    QFETCH(QString, shown);
    QCOMPARE(QString::fromStdString(calc::shownText(text.toStdString(), decimals,
                                                    money ? FieldKind::Money : FieldKind::Decimal)),
             shown);
}

void TestNumbers::lenient_reading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("grouped 1.234,5") << "1.234,5" << 1234.5;
    QTest::newRow("point is grouping 1.5") << "1.5" << 15.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("two commas") << "1,2,3" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("trailing comma") << "12," << 12.0;
    QTest::newRow("lone comma") << "," << 0.0;
}

void TestNumbers::lenient_reading()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(calc::f_Zahl(text.toStdString()), value);
}

void TestNumbers::strict_reading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("38,50") << "38,50" << 38.5;
    QTest::newRow("integer") << "40" << 40.0;
    QTest::newRow("trailing comma while typing") << "12," << 12.0;
    QTest::newRow("negative") << "-120,5" << -120.5;
    QTest::newRow("spaces around") << " 7,5 " << 7.5;
}

void TestNumbers::strict_reading()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(calc::strictReading(text.toStdString()), value);
}

void TestNumbers::strict_reading_error_text_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << ""
                           << "'' ist kein gültiger Gleitkommawert";
    QTest::newRow("abc") << "abc"
                         << "'abc' ist kein gültiger Gleitkommawert";
    QTest::newRow("grouping point refused") << "1.234,5"
                                            << "'1.234,5' ist kein gültiger Gleitkommawert";
    QTest::newRow("lone comma") << ","
                                << "',' ist kein gültiger Gleitkommawert";
}

void TestNumbers::strict_reading_error_text()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    try {
        calc::strictReading(text.toStdString());
        QFAIL("no conversion error");
    } catch (const calc::ConversionError &e) {
        QCOMPARE(QString::fromUtf8(e.what()), message);
    }
}

void TestNumbers::text_or_zero_reads_empty_as_zero()
{
    QCOMPARE(calc::textOrZero(""), 0.0);
    QCOMPARE(calc::textOrZero("8,00"), 8.0);
    QVERIFY_THROWS_EXCEPTION(calc::ConversionError, calc::textOrZero("x"));
}

void TestNumbers::number_text_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("8") << 8.0 << "8";
    QTest::newRow("7,5") << 7.5 << "7,5";
    QTest::newRow("2080") << 2080.0 << "2080";
    QTest::newRow("20/3") << 20.0 / 3.0 << "6,66666666666667";
    QTest::newRow("-120,5") << -120.5 << "-120,5";
    QTest::newRow("3000/173,33") << 3000.0 / (40.0 * 52.0 / 12.0) << "17,3076923076923";
    QTest::newRow("negative zero") << -0.0 << "0";
}

void TestNumbers::number_text()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(calc::numberText(value)), text);
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "test_numbers.moc"
