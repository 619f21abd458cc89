#include "app/balloon.h"
#include "app/errorreport.h"
#include "app/menue_f.h"
#include "app/messageboxes.h"
#include "app/numberedit.h"
#include "support/guitest.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

using testsupport::Gui;

namespace {

// A plain window with three fields: two decimals, one decimal with the range 1 to 40, money.
struct FieldWindow
{
    QWidget window;
    NumberEdit *two = new NumberEdit(QStringLiteral("two"), 2);
    NumberEdit *ranged = new NumberEdit(QStringLiteral("ranged"), 1);
    NumberEdit *money = new NumberEdit(QStringLiteral("money"), 2, calc::FieldKind::Money);
    QStringList events;

    FieldWindow()
    {
        ranged->setRange(1, 40);
        auto *layout = new QVBoxLayout(&window);
        for (NumberEdit *e : {two, ranged, money}) {
            layout->addWidget(e);
            QObject::connect(e, &NumberEdit::changed, &window, [this, e] {
                events << e->objectName() + QStringLiteral(":change ") + e->text();
            });
            QObject::connect(e, &NumberEdit::exited, &window, [this, e] {
                events << e->objectName() + QStringLiteral(":exit ") + e->text();
            });
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    void typeInto(NumberEdit *e, const QString &text)
    {
        e->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, text);
    }
};

} // namespace

class TestNumberEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { testsupport::pinGermanLocale(); }
    void set_text_shows_it_with_the_fields_decimals();
    void setting_a_text_that_shows_the_same_fires_nothing();
    void leaving_an_empty_field_shows_zero_then_fires_change_and_exit();
    void leaving_clamps_to_the_range_data();
    void leaving_clamps_to_the_range();
    void typing_accepts_digits_and_one_comma_data();
    void typing_accepts_digits_and_one_comma();
    void a_lone_comma_becomes_zero_comma();
    void pasting_data();
    void pasting();
    void another_window_taking_activation_is_no_exit();
    void input_check_data();
    void input_check();
    void input_check_is_silent_during_a_page_change();
    void corrected_value_loses_its_balloon_and_turns_green();
    void error_report_text_data();
    void error_report_text();
    void a_failing_handler_shows_the_error_report_and_goes_on();
};

void TestNumberEdit::set_text_shows_it_with_the_fields_decimals()
{
    FieldWindow w;
    w.two->setNumberText(QStringLiteral("7,5"));
    QCOMPARE(w.two->text(), QStringLiteral("7,50"));
    w.two->setNumberText(QStringLiteral("abc"));
    QCOMPARE(w.two->text(), QStringLiteral("0,00"));
    w.money->setNumberText(QStringLiteral("5769,2307"));
    QCOMPARE(w.money->text(), QStringLiteral("5.769,23"));
}

void TestNumberEdit::setting_a_text_that_shows_the_same_fires_nothing()
{
    FieldWindow w;
    w.two->setNumberText(QStringLiteral("0"));
    w.two->setNumberText(QStringLiteral("0,001"));
    QVERIFY(w.events.isEmpty());
    w.two->setNumberText(QStringLiteral("1"));
    QCOMPARE(w.events, QStringList{QStringLiteral("two:change 1,00")});
}

void TestNumberEdit::leaving_an_empty_field_shows_zero_then_fires_change_and_exit()
{
    FieldWindow w;
    w.typeInto(w.two, QString());
    QCOMPARE(w.two->text(), QString());
    w.events.clear();
    QTest::keyClick(w.two, Qt::Key_Tab);
    QCOMPARE(w.two->text(), QStringLiteral("0,00"));
    QCOMPARE(w.events,
             (QStringList{QStringLiteral("two:change 0,00"), QStringLiteral("two:exit 0,00")}));
}

void TestNumberEdit::leaving_clamps_to_the_range_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("0 gives the minimum") << "0"
                                         << "1,0";
    QTest::newRow("45 gives the maximum") << "45"
                                          << "40,0";
    QTest::newRow("inside stays") << "12,34"
                                  << "12,3";
}

void TestNumberEdit::leaving_clamps_to_the_range()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    FieldWindow w;
    w.typeInto(w.ranged, typed);
    QTest::keyClick(w.ranged, Qt::Key_Tab);
    QCOMPARE(w.ranged->text(), shown);
    QVERIFY(w.events.last().startsWith(QStringLiteral("ranged:exit")));
}

void TestNumberEdit::typing_accepts_digits_and_one_comma_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::newRow("minus and letters refused") << "-1a2"
                                               << "12";
    QTest::newRow("second comma refused") << "1,2,3"
                                          << "1,23";
    QTest::newRow("comma into empty field") << ","
                                            << "0,";
    QTest::newRow("point refused") << "1.5"
                                   << "15";
}

void TestNumberEdit::typing_accepts_digits_and_one_comma()
{
    QFETCH(QString, typed);
    QFETCH(QString, text);
    FieldWindow w;
    w.typeInto(w.two, typed);
    QCOMPARE(w.two->text(), text);
}

void TestNumberEdit::a_lone_comma_becomes_zero_comma()
{
    FieldWindow w;
    // a comma typed over the whole selected text
    w.two->setFocus(Qt::MouseFocusReason);
    w.two->setNumberText(QStringLiteral("12"));
    QTest::keyClick(w.two, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(w.two, Qt::Key_Comma);
    QCOMPARE(w.two->text(), QStringLiteral("0,"));
    // and pasted
    QGuiApplication::clipboard()->setText(QStringLiteral(","));
    QTest::keyClick(w.two, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(w.two, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w.two->text(), QStringLiteral("0,"));
    // every reading of what is typed so far works
    QCOMPARE(w.two->strict(), 0.0);
}

void TestNumberEdit::pasting_data()
{
    QTest::addColumn<bool>("money");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("text");
    QTest::newRow("digits and comma") << false << "12,5"
                                      << "12,5";
    QTest::newRow("grouping point refused in a decimal field") << false << "1.5"
                                                               << "7";
    QTest::newRow("grouped amount into a money field") << true << "3.000,50"
                                                       << "3.000,50";
    QTest::newRow("letters refused") << true << "12abc"
                                     << "7";
    QTest::newRow("minus refused") << false << "-3"
                                   << "7";
}

void TestNumberEdit::pasting()
{
    QFETCH(bool, money);
    QFETCH(QString, pasted);
    QFETCH(QString, text);
    FieldWindow w;
    NumberEdit *field = money ? w.money : w.two;
    w.typeInto(field, QStringLiteral("7"));
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field->text(), text);
    // whatever the field holds reads without a conversion error
    if (!money)
        QCOMPARE(field->strict(), calc::f_Zahl(text.toStdString()));
}

void TestNumberEdit::another_window_taking_activation_is_no_exit()
{
    FieldWindow w;
    w.typeInto(w.two, QStringLiteral("5"));
    w.events.clear();
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QVERIFY(w.events.isEmpty());
    QCOMPARE(w.two->text(), QStringLiteral("5"));
}

void TestNumberEdit::input_check_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("balloon");
    QTest::addColumn<QString>("style");
    QTest::addColumn<QColor>("border");
    QTest::addColumn<bool>("focusBack");
    QTest::newRow("49,99 passes") << "49,99" << true << ""
                                  << "" << QColor(0, 128, 0) << false;
    QTest::newRow("50 questionable") << "50" << true << "Wirklich?"
                                     << "tt_Warnung" << QColor(255, 128, 0) << false;
    QTest::newRow("168 impossible") << "168" << false << "Unmöglich?"
                                    << "tt_Error" << QColor(255, 0, 0) << true;
}

void TestNumberEdit::input_check()
{
    QFETCH(QString, value);
    QFETCH(bool, result);
    QFETCH(QString, balloon);
    QFETCH(QString, style);
    QFETCH(QColor, border);
    QFETCH(bool, focusBack);
    Gui gui;
    auto *field = gui.find<NumberEdit>(QStringLiteral("le_GKF_Wochenstunden"));
    field->setNumberText(value);
    gui.find(QStringLiteral("stp_Gesamt"))->setFocus(Qt::OtherFocusReason);
    QCOMPARE(gui.menue()->p_Eingabe_Prüfen(field, 50, 168), result);
    Balloon *b = BalloonService::balloonOf(field);
    QCOMPARE(b != nullptr, !balloon.isEmpty());
    if (b) {
        QCOMPARE(b->property("balloonText").toString(), balloon);
        QCOMPARE(b->property("balloonStyle").toString(), style);
        QVERIFY(b->isVisible());
    }
    QCOMPARE(field->property("borderColor").value<QColor>(), border);
    QCOMPARE(field->hasFocus(), focusBack);
}

void TestNumberEdit::input_check_is_silent_during_a_page_change()
{
    Gui gui;
    auto *field = gui.find<NumberEdit>(QStringLiteral("le_GKF_Wochenstunden"));
    field->setNumberText(QStringLiteral("500"));
    gui.find<QCheckBox>(QStringLiteral("cb_GKF_Seitenwechsel"))->setChecked(true);
    QCOMPARE(gui.menue()->p_Eingabe_Prüfen(field, 50, 168), false);
    QVERIFY(!BalloonService::balloonOf(field));
    QVERIFY(!field->borderColor().isValid());
}

void TestNumberEdit::corrected_value_loses_its_balloon_and_turns_green()
{
    Gui gui;
    auto *field = gui.find<NumberEdit>(QStringLiteral("le_GKF_Wochenstunden"));
    field->setNumberText(QStringLiteral("60"));
    QVERIFY(gui.menue()->p_Eingabe_Prüfen(field, 50, 168));
    QVERIFY(BalloonService::balloonOf(field));
    field->setNumberText(QStringLiteral("40"));
    QVERIFY(gui.menue()->p_Eingabe_Prüfen(field, 50, 168));
    QVERIFY(!BalloonService::balloonOf(field));
    QCOMPARE(field->borderColor(), QColor(0, 128, 0));
}

void TestNumberEdit::error_report_text_data()
{
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter gets a full stop") << "Gleitkommadivision durch Null"
                                             << "Gleitkommadivision durch Null.";
    QTest::newRow("full stop stays single") << "Fertig."
                                            << "Fertig.";
    QTest::newRow("closing bracket below the full stop") << "Fehler (3)"
                                                         << "Fehler (3)";
    QTest::newRow("empty reading") << "'' ist kein gültiger Gleitkommawert"
                                   << "'' ist kein gültiger Gleitkommawert.";
}

void TestNumberEdit::error_report_text()
{
    QFETCH(QString, error);
    QFETCH(QString, shown);
    QCOMPARE(ErrorReport::boxText(error), shown);
}

void TestNumberEdit::a_failing_handler_shows_the_error_report_and_goes_on()
{
    Gui gui;
    MessageBoxes::clearShown();
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    bool after = false;
    ErrorReport::guarded([] { throw calc::ConversionError("abc"); });
    after = true;
    QVERIFY(after);
    QCOMPARE(MessageBoxes::shown().size(), 1);
    const MessageBoxInfo box = MessageBoxes::shown().first();
    QCOMPARE(box.caption, QStringLiteral("Tarvolo"));
    QCOMPARE(box.text, QStringLiteral("'abc' ist kein gültiger Gleitkommawert."));
    QCOMPARE(box.icon, QMessageBox::Critical);
}

QTEST_MAIN(TestNumberEdit)
#include "test_numberedit.moc"
