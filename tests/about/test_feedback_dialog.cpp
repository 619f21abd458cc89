// The page "Fehler/Wunsch" in the real about dialog of the real start-up, sending to a real
// aiosmtpd server on loopback.
#include "about/about_dlg.h"
#include "about/feedback_page.h"
#include "app/messageboxes.h"
#include "smtppeer.h"
#include "support/guitest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QJsonArray>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using testsupport::Gui;
using testsupport::kMailPassword;
using testsupport::kMailUser;
using testsupport::kSupport;
using testsupport::SmtpPeer;

namespace {

StartupSettings mailSettings(int port)
{
    StartupSettings s = testsupport::testSettings();
    s.mailPort = port;
    s.mailUser = kMailUser;
    s.mailPassword = kMailPassword;
    s.supportMailbox = kSupport;
    s.mailConnectTimeoutMs = 2000;
    s.mailReplyTimeoutMs = 1000;
    return s;
}

QStringList strings(const QJsonValue &v)
{
    QStringList out;
    for (const QJsonValue &e : v.toArray())
        out.append(e.toString());
    return out;
}

// Types text as key events, umlauts included (QTest::keyClicks takes only ASCII).
void typeText(QWidget *w, const QString &text)
{
    for (QChar c : text) {
        QTest::sendKeyEvent(QTest::Press, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *w) : QObject(w) { w->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// The real start-up with the about dialog shown (not modal, so the test can drive it).
struct Dialog
{
    explicit Dialog(int port) : gui(mailSettings(port))
    {
        dlg = gui.startup().dlg_about();
        page = dlg->stp_Wunsch();
        dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg));
    }

    template <typename T> T *find(const char *name) const
    {
        return dlg->findChild<T *>(QString::fromLatin1(name));
    }
    // The subject the dialog's labels give, ending in " - " before the module.
    QString subjectStart(const QString &kind) const
    {
        return kind + dlg->productName() + QStringLiteral(" - ") + dlg->versionLabel() +
               QStringLiteral(" - ");
    }
    void send() { QTest::mouseClick(page->b_Versenden(), Qt::LeftButton); }

    Gui gui;
    Tdlg_about *dlg = nullptr;
    FeedbackPage *page = nullptr;
};

} // namespace

class TestFeedbackDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void page_holds_every_control_and_fits_the_dialog();
    void kind_of_message_names_the_description();
    void screenshot_question_data();
    void screenshot_question();
    void unchecking_the_box_asks_nothing();
    void wish_without_screenshot_arrives_after_login();
    void yes_without_taking_the_screenshot_ends_in_the_error_box();
    void screenshot_taken_earlier_is_attached_without_a_question();
    void recipients_and_subject_follow_the_page_data();
    void recipients_and_subject_follow_the_page();
    void control_characters_are_refused_and_nothing_sent_data();
    void control_characters_are_refused_and_nothing_sent();
    void refused_login_shows_the_servers_reply_only();
    void silent_server_ends_in_the_error_box_while_the_window_repaints();
    void sending_twice_gives_two_mails_and_resets_nothing();
    void server_without_auth_gets_the_mail_without_login();

private:
    QMessageBox::StandardButton m_answer = QMessageBox::Ok;
    QList<bool> m_busyAtBox; // whether the busy cursor was on when each box came
};

void TestFeedbackDialog::init()
{
    testsupport::pinGermanLocale();
    MessageBoxes::clearShown();
    m_busyAtBox.clear();
    m_answer = QMessageBox::Ok;
    MessageBoxes::setAnswerer([this](const MessageBoxInfo &) {
        const QCursor *c = QApplication::overrideCursor();
        m_busyAtBox.append(c && c->shape() == Qt::WaitCursor);
        return m_answer;
    });
}

void TestFeedbackDialog::cleanup()
{
    MessageBoxes::setAnswerer({});
    QVERIFY(!QApplication::overrideCursor());
}

void TestFeedbackDialog::page_holds_every_control_and_fits_the_dialog()
{
    Dialog d(testsupport::closedPort());
    FeedbackPage *page = d.page;
    QCOMPARE(d.dlg->stp_about()->currentWidget(), page);
    QCOMPARE(d.dlg->stp_about()->tabText(2), QStringLiteral("Fehler/Wunsch"));

    const std::pair<const char *, int> panels[] = {
        {"p_Programminfos", 64}, {"p_Art", 24}, {"p_Modul", 32}, {"p_Versenden", 25}};
    for (const auto &[name, height] : panels) {
        QWidget *p = d.find<QWidget>(name);
        QVERIFY2(p, name);
        QCOMPARE(p->height(), height);
    }
    const char *controls[] = {"p_Vorschlaege",  "le_Programmname", "le_Programmversion",
                              "rb_Wunsch",      "rb_Fehler",       "cb_Bildschirmfoto",
                              "cb_Modul",       "le_eigene_mail",  "l_Beschreibung",
                              "m_Beschreibung", "b_Versenden"};
    const QRect area = page->rect();
    for (const char *name : controls) {
        QWidget *w = d.find<QWidget>(name);
        QVERIFY2(w && w->isVisible(), name);
        const QRect r(w->mapTo(page, QPoint(0, 0)), w->size());
        QVERIFY2(area.contains(r), name);
        QVERIFY2(w->width() >= w->minimumSizeHint().width(), name);
    }
    QVERIFY(page->layout()->minimumSize().height() <= page->height());
    // top to bottom as designed
    auto top = [&](const char *name) { return d.find<QWidget>(name)->mapTo(page, QPoint()).y(); };
    QVERIFY(top("p_Programminfos") < top("p_Art"));
    QVERIFY(top("p_Art") < top("p_Modul"));
    QVERIFY(top("p_Modul") < top("l_Beschreibung"));
    QVERIFY(top("l_Beschreibung") < top("m_Beschreibung"));
    QVERIFY(top("m_Beschreibung") < top("p_Versenden"));
    QVERIFY(page->m_Beschreibung()->height() > 120);
    const int buttonCentre =
        page->b_Versenden()->mapTo(page, QPoint()).x() + page->b_Versenden()->width() / 2;
    QVERIFY(qAbs(buttonCentre - page->width() / 2) <= 2);

    QVERIFY(page->le_Programmname()->isReadOnly());
    QVERIFY(page->le_Programmversion()->isReadOnly());
    QVERIFY(page->rb_Wunsch()->isChecked());
    QVERIFY(!page->rb_Fehler()->isChecked());
    QCOMPARE(page->rb_Wunsch()->text(), QStringLiteral("Wunsch"));
    QCOMPARE(page->rb_Fehler()->text(), QStringLiteral("Fehler"));
    QVERIFY(!page->cb_Bildschirmfoto()->isChecked());
    QCOMPARE(page->cb_Bildschirmfoto()->text(), QStringLiteral("mit Bildschirmfoto der Anwendung"));
    QVERIFY(page->cb_Modul()->isEditable());
    QCOMPARE(page->cb_Modul()->insertPolicy(), QComboBox::NoInsert);
    QCOMPARE(page->cb_Modul()->currentIndex(), -1);
    QCOMPARE(page->cb_Modul()->currentText(), QString());
    QVERIFY(page->le_eigene_mail()->text().isEmpty());
    QCOMPARE(page->l_Beschreibung()->text(), QStringLiteral("Wunsch beschreiben"));
    QVERIFY(page->l_Beschreibung()->font().bold());
    QCOMPARE(page->l_Beschreibung()->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    QPlainTextEdit *memo = page->m_Beschreibung();
    QCOMPARE(memo->font().family(), QStringLiteral("Courier New"));
    QCOMPARE(memo->font().pointSize(), 10);
    QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(memo->verticalScrollBar()->isVisible());
    QCOMPARE(memo->toPlainText(), QString());
    QCOMPARE(memo->blockCount(), 1);
    QCOMPARE(page->b_Versenden()->text(), QStringLiteral("Versenden"));
    // labels of the labelled fields
    QStringList labels;
    for (QLabel *l : page->findChildren<QLabel *>())
        labels.append(l->text());
    for (const char *text : {"Programmname", "Programmversion", "Modul", "Mail auch an mich"})
        QVERIFY2(labels.contains(QString::fromUtf8(text)), text);
}

void TestFeedbackDialog::kind_of_message_names_the_description()
{
    Dialog d(testsupport::closedPort());
    QTest::mouseClick(d.page->rb_Fehler(), Qt::LeftButton);
    QVERIFY(d.page->rb_Fehler()->isChecked());
    QVERIFY(!d.page->rb_Wunsch()->isChecked());
    QCOMPARE(d.page->l_Beschreibung()->text(), QStringLiteral("Fehler beschreiben"));
    QTest::mouseClick(d.page->rb_Fehler(), Qt::LeftButton); // stays checked, text stays
    QCOMPARE(d.page->l_Beschreibung()->text(), QStringLiteral("Fehler beschreiben"));
    QTest::mouseClick(d.page->rb_Wunsch(), Qt::LeftButton);
    QVERIFY(!d.page->rb_Fehler()->isChecked());
    QCOMPARE(d.page->l_Beschreibung()->text(), QStringLiteral("Wunsch beschreiben"));
}

void TestFeedbackDialog::screenshot_question_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("pageAfter");
    QTest::addColumn<bool>("checkedAfter");
    QTest::newRow("Yes: page Bildschirmfoto, box stays checked")
        << int(QMessageBox::Yes) << 0 << true;
    QTest::newRow("No: box unchecked, page stays") << int(QMessageBox::No) << 2 << false;
}

void TestFeedbackDialog::screenshot_question()
{
    QFETCH(int, answer);
    QFETCH(int, pageAfter);
    QFETCH(bool, checkedAfter);
    Dialog d(testsupport::closedPort());
    m_answer = QMessageBox::StandardButton(answer);
    QTest::mouseClick(d.page->cb_Bildschirmfoto(), Qt::LeftButton);
    QCOMPARE(MessageBoxes::shown().size(), 1);
    const MessageBoxInfo &box = MessageBoxes::shown().first();
    QCOMPARE(box.caption, QStringLiteral("Hínweis"));
    QCOMPARE(box.text, QStringLiteral("Soll ein Foto der Anwendung gemacht werden?"));
    QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(d.dlg->stp_about()->currentIndex(), pageAfter);
    QCOMPARE(d.page->cb_Bildschirmfoto()->isChecked(), checkedAfter);
}

void TestFeedbackDialog::unchecking_the_box_asks_nothing()
{
    Dialog d(testsupport::closedPort());
    m_answer = QMessageBox::Yes;
    QTest::mouseClick(d.page->cb_Bildschirmfoto(), Qt::LeftButton);
    d.dlg->stp_about()->setCurrentIndex(2);
    MessageBoxes::clearShown();
    QTest::mouseClick(d.page->cb_Bildschirmfoto(), Qt::LeftButton);
    QVERIFY(!d.page->cb_Bildschirmfoto()->isChecked());
    QVERIFY(MessageBoxes::shown().isEmpty());
    QCOMPARE(d.dlg->stp_about()->currentIndex(), 2);
}

void TestFeedbackDialog::wish_without_screenshot_arrives_after_login()
{
    SmtpPeer peer(QStringLiteral("login"));
    QVERIFY2(peer.isReady(), qPrintable(peer.output()));
    Dialog d(peer.port());
    QPlainTextEdit *memo = d.page->m_Beschreibung();
    memo->setFocus(Qt::MouseFocusReason);
    typeText(memo, QStringLiteral("Bitte eine größere Schrift."));
    QTest::keyClick(memo, Qt::Key_Return);
    typeText(memo, QStringLiteral("Grüße, Jörg"));
    QCOMPARE(memo->toPlainText(), QStringLiteral("Bitte eine größere Schrift.\nGrüße, Jörg"));
    d.send();

    QCOMPARE(MessageBoxes::shown().size(), 1);
    QCOMPARE(MessageBoxes::shown()[0].caption, QStringLiteral("Hinweis"));
    QCOMPARE(MessageBoxes::shown()[0].text, QStringLiteral("Mail wurde versendet."));
    QCOMPARE(MessageBoxes::shown()[0].buttons, QMessageBox::Ok);
    QCOMPARE(m_busyAtBox, QList<bool>{false}); // the cursor is back before the confirmation

    const auto mails = peer.messages();
    QCOMPARE(mails.size(), 1);
    const QJsonObject mail = mails[0];
    QCOMPARE(mail[u"auth_user"].toString(), kMailUser);
    QCOMPARE(mail[u"mail_from"].toString(), kSupport);
    QCOMPARE(strings(mail[u"rcpt_tos"]), QStringList{kSupport});
    QCOMPARE(mail[u"from"].toString(), kSupport);
    QCOMPARE(mail[u"to"].toString(), kSupport);
    QCOMPARE(mail[u"subject"].toString(), d.subjectStart(QStringLiteral("Wunsch: ")));
    QCOMPARE(mail[u"content_type"].toString(), QStringLiteral("multipart/mixed"));
    const QJsonArray parts = mail[u"parts"].toArray();
    QCOMPARE(parts.size(), 1);
    QCOMPARE(parts[0][u"content_type"].toString(), QStringLiteral("text/plain"));
    QCOMPARE(parts[0][u"text"].toString().replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
             QStringLiteral("Bitte eine größere Schrift.\nGrüße, Jörg"));
}

void TestFeedbackDialog::yes_without_taking_the_screenshot_ends_in_the_error_box()
{
    SmtpPeer peer(QStringLiteral("login"));
    QVERIFY2(peer.isReady(), qPrintable(peer.output()));
    Dialog d(peer.port());
    QTest::mouseClick(d.page->rb_Fehler(), Qt::LeftButton);
    m_answer = QMessageBox::Yes;
    QTest::mouseClick(d.page->cb_Bildschirmfoto(), Qt::LeftButton);
    QCOMPARE(d.dlg->stp_about()->currentIndex(), 0);
    QVERIFY(d.page->cb_Bildschirmfoto()->isChecked());
    if (!d.dlg->screenshotPath().isEmpty())
        QSKIP("the dialog holds a screenshot already");
    d.dlg->stp_about()->setCurrentIndex(2);
    m_answer = QMessageBox::Ok;
    MessageBoxes::clearShown();
    m_busyAtBox.clear();
    d.send();
    QCOMPARE(MessageBoxes::shown().size(), 1);
    QCOMPARE(MessageBoxes::shown()[0].caption, QStringLiteral("Verbindungsfehler!"));
    QVERIFY2(MessageBoxes::shown()[0].text.contains(QStringLiteral("kann nicht geöffnet werden")),
             qPrintable(MessageBoxes::shown()[0].text));
    QCOMPARE(m_busyAtBox, QList<bool>{true}); // the error comes while the cursor is busy
    QVERIFY(peer.messages().isEmpty());
}

void TestFeedbackDialog::screenshot_taken_earlier_is_attached_without_a_question()
{
    QTemporaryDir data; // the screenshot folder lies under the data folder
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    SmtpPeer peer(QStringLiteral("login"));
    QVERIFY2(peer.isReady(), qPrintable(peer.output()));
    Dialog d(peer.port());
    auto *shoot = d.find<QPushButton>("b_Bildschirmfoto");
    if (!shoot)
        QSKIP("this dialog takes no screenshots yet; the page's own test covers the attachment");
    d.dlg->stp_about()->setCurrentIndex(0);
    QTest::mouseClick(shoot, Qt::LeftButton);
    const QString path = d.dlg->screenshotPath();
    QFile shot(path);
    QVERIFY2(shot.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray bytes = shot.readAll();
    d.dlg->stp_about()->setCurrentIndex(2);
    MessageBoxes::clearShown();
    QTest::mouseClick(d.page->cb_Bildschirmfoto(), Qt::LeftButton);
    QVERIFY(d.page->cb_Bildschirmfoto()->isChecked());
    QVERIFY(MessageBoxes::shown().isEmpty());
    d.send();
    QCOMPARE(MessageBoxes::shown().size(), 1);
    QCOMPARE(MessageBoxes::shown()[0].text, QStringLiteral("Mail wurde versendet."));
    const auto mails = peer.messages();
    QCOMPARE(mails.size(), 1);
    const QJsonArray parts = mails[0][u"parts"].toArray();
    QCOMPARE(parts.size(), 2);
    QCOMPARE(parts[1][u"content_type"].toString(), QStringLiteral("application/octet-stream"));
    QCOMPARE(parts[1][u"filename"].toString(), QFileInfo(path).fileName());
    QCOMPARE(QByteArray::fromBase64(parts[1][u"data_b64"].toString().toLatin1()), bytes);
}

void TestFeedbackDialog::recipients_and_subject_follow_the_page_data()
{
    QTest::addColumn<bool>("fehler");
    QTest::addColumn<QString>("own");
    QTest::addColumn<QString>("typedModule");
    QTest::addColumn<int>("chosenModule"); // index in the list, -1: typed
    QTest::addColumn<QStringList>("recipients");
    QTest::addColumn<QString>("moduleInSubject");
    const QStringList one{kSupport};
    QTest::newRow("own a; ,b: three recipients")
        << false << QStringLiteral("a@example.org; ,b@example.org") << QString() << -1
        << QStringList{kSupport, "a@example.org", "b@example.org"} << QString();
    QTest::newRow("own blanks only: one recipient")
        << false << QStringLiteral("   ") << QStringLiteral("Hilfe") << -1 << one
        << QStringLiteral("Hilfe");
    QTest::newRow("typed module keeps two leading blanks")
        << true << QString() << QStringLiteral("  Schule") << -1 << one
        << QStringLiteral("  Schule");
    QTest::newRow("empty module: subject ends in blank dash blank")
        << true << QString() << QString() << -1 << one << QString();
    QTest::newRow("error report, module chosen from the list")
        << true << QStringLiteral("ich@example.org") << QString() << 2
        << QStringList{kSupport, "ich@example.org"} << QStringLiteral("Register: Urlaub");
}

void TestFeedbackDialog::recipients_and_subject_follow_the_page()
{
    QFETCH(bool, fehler);
    QFETCH(QString, own);
    QFETCH(QString, typedModule);
    QFETCH(int, chosenModule);
    QFETCH(QStringList, recipients);
    QFETCH(QString, moduleInSubject);
    SmtpPeer peer(QStringLiteral("login"));
    QVERIFY2(peer.isReady(), qPrintable(peer.output()));
    Dialog d(peer.port());
    FeedbackPage *page = d.page;
    // what the status bar's panel "Info" puts into the list before the dialog opens
    page->cb_Modul()->addItems({QStringLiteral("Register: Ausfallfaktoren"),
                                QStringLiteral("  Schule"), QStringLiteral("Register: Urlaub")});
    page->cb_Modul()->setCurrentIndex(-1);
    if (fehler)
        QTest::mouseClick(page->rb_Fehler(), Qt::LeftButton);
    if (!own.isEmpty())
        d.gui.typeInto(QStringLiteral("le_eigene_mail"), own);
    if (chosenModule >= 0) {
        page->cb_Modul()->setCurrentIndex(chosenModule);
    } else if (!typedModule.isEmpty()) {
        page->cb_Modul()->lineEdit()->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(page->cb_Modul()->lineEdit(), typedModule);
    }
    d.send();
    QCOMPARE(MessageBoxes::shown().size(), 1);
    QCOMPARE(MessageBoxes::shown()[0].text, QStringLiteral("Mail wurde versendet."));
    const auto mails = peer.messages();
    QCOMPARE(mails.size(), 1);
    QCOMPARE(strings(mails[0][u"rcpt_tos"]), recipients);
    QCOMPARE(mails[0][u"to"].toString(), recipients.join(QStringLiteral(", ")));
    const QString kind = fehler ? QStringLiteral("Fehler: ") : QStringLiteral("Wunsch: ");
    QCOMPARE(mails[0][u"subject"].toString(), d.subjectStart(kind) + moduleInSubject);
}

void TestFeedbackDialog::control_characters_are_refused_and_nothing_sent_data()
{
    QTest::addColumn<QString>("own");
    QTest::addColumn<QString>("module");
    QTest::addColumn<QString>("expectedStart");
    QTest::newRow("CR LF in the own address")
        << QStringLiteral("ich@example.org\r\nBcc: fremd@example.org") << QString()
        << QStringLiteral("Die Adresse \"ich@example.org<0D><0A>Bcc: fremd@example.org\"");
    QTest::newRow("LF in the module")
        << QString() << QStringLiteral("Hilfe\nBcc: fremd@example.org")
        << QStringLiteral("Der Betreff");
}

void TestFeedbackDialog::control_characters_are_refused_and_nothing_sent()
{
    QFETCH(QString, own);
    QFETCH(QString, module);
    QFETCH(QString, expectedStart);
    SmtpPeer peer(QStringLiteral("login"));
    QVERIFY2(peer.isReady(), qPrintable(peer.output()));
    Dialog d(peer.port());
    // pasted or put in by a program: a line field may hold line breaks
    d.page->le_eigene_mail()->setText(own);
    d.page->cb_Modul()->setEditText(module);
    QCOMPARE(d.page->le_eigene_mail()->text(), own);
    QCOMPARE(d.page->cb_Modul()->currentText(), module);
    d.send();
    QCOMPARE(MessageBoxes::shown().size(), 1);
    QCOMPARE(MessageBoxes::shown()[0].caption, QStringLiteral("Verbindungsfehler!"));
    QVERIFY2(MessageBoxes::shown()[0].text.startsWith(expectedStart),
             qPrintable(MessageBoxes::shown()[0].text));
    QVERIFY(peer.messages().isEmpty());
}

void TestFeedbackDialog::refused_login_shows_the_servers_reply_only()
{
    SmtpPeer peer(QStringLiteral("refuse"));
    QVERIFY2(peer.isReady(), qPrintable(peer.output()));
    Dialog d(peer.port());
    d.send();
    QCOMPARE(MessageBoxes::shown().size(), 1);
    const MessageBoxInfo &box = MessageBoxes::shown()[0];
    QCOMPARE(box.caption, QStringLiteral("Verbindungsfehler!"));
    QCOMPARE(box.text, testsupport::kRefusal);
    QCOMPARE(box.buttons, QMessageBox::Ok);
    QCOMPARE(m_busyAtBox, QList<bool>{true});
    QVERIFY(peer.messages().isEmpty());
}

void TestFeedbackDialog::silent_server_ends_in_the_error_box_while_the_window_repaints()
{
    QTcpServer silent; // accepts (the kernel does) and never says a word
    QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
    Dialog d(silent.serverPort());
    FeedbackPage *page = d.page;
    auto *counter = new PaintCounter(page);
    int ticks = 0;
    int paintsDuringWait = 0;
    bool busyThroughout = true;
    QTimer timer;
    timer.setInterval(50);
    connect(&timer, &QTimer::timeout, this, [&] {
        if (++ticks == 1)
            counter->paints = 0;
        else
            paintsDuringWait = counter->paints;
        const QCursor *c = QApplication::overrideCursor();
        busyThroughout = busyThroughout && c && c->shape() == Qt::WaitCursor;
        page->update();
        // the user's input goes nowhere while the mail is on its way
        QTest::keyClicks(page->le_eigene_mail(), QStringLiteral("x"));
        QTest::mouseClick(page->b_Versenden(), Qt::LeftButton);
        QTest::mouseClick(page->rb_Fehler(), Qt::LeftButton);
    });
    timer.start();
    d.send();
    timer.stop();

    QVERIFY(ticks > 2);
    QVERIFY(paintsDuringWait > 0);
    QVERIFY(busyThroughout);
    QCOMPARE(MessageBoxes::shown().size(), 1);
    QCOMPARE(MessageBoxes::shown()[0].caption, QStringLiteral("Verbindungsfehler!"));
    QVERIFY(!MessageBoxes::shown()[0].text.isEmpty());
    QCOMPARE(m_busyAtBox, QList<bool>{true});
    QCOMPARE(page->le_eigene_mail()->text(), QString());
    QVERIFY(page->rb_Wunsch()->isChecked());
    // and afterwards the page takes input again
    QTest::keyClicks(page->le_eigene_mail(), QStringLiteral("x"));
    QCOMPARE(page->le_eigene_mail()->text(), QStringLiteral("x"));
}

void TestFeedbackDialog::sending_twice_gives_two_mails_and_resets_nothing()
{
    SmtpPeer peer(QStringLiteral("login"));
    QVERIFY2(peer.isReady(), qPrintable(peer.output()));
    Dialog d(peer.port());
    FeedbackPage *page = d.page;
    QTest::mouseClick(page->rb_Fehler(), Qt::LeftButton);
    d.gui.typeInto(QStringLiteral("le_eigene_mail"), QStringLiteral("ich@example.org"));
    page->cb_Modul()->setEditText(QStringLiteral("Hilfe"));
    d.gui.typeInto(QStringLiteral("m_Beschreibung"), QStringLiteral("Zweimal, bitte."));
    d.send();
    d.send();
    QCOMPARE(MessageBoxes::shown().size(), 2);
    for (const MessageBoxInfo &box : MessageBoxes::shown())
        QCOMPARE(box.text, QStringLiteral("Mail wurde versendet."));
    const auto mails = peer.messages();
    QCOMPARE(mails.size(), 2);
    for (const QJsonObject &mail : mails) {
        QCOMPARE(mail[u"subject"].toString(),
                 d.subjectStart(QStringLiteral("Fehler: ")) + QStringLiteral("Hilfe"));
        QCOMPARE(strings(mail[u"rcpt_tos"]), (QStringList{kSupport, "ich@example.org"}));
        QCOMPARE(mail[u"parts"].toArray().size(), 1);
        QCOMPARE(mail[u"parts"].toArray()[0][u"text"].toString(),
                 QStringLiteral("Zweimal, bitte."));
    }
    QVERIFY(!mails[0][u"message_id"].toString().isEmpty());
    QVERIFY(mails[0][u"message_id"].toString() != mails[1][u"message_id"].toString());
    // nothing on the page is reset by sending
    QVERIFY(page->rb_Fehler()->isChecked());
    QCOMPARE(page->l_Beschreibung()->text(), QStringLiteral("Fehler beschreiben"));
    QCOMPARE(page->le_eigene_mail()->text(), QStringLiteral("ich@example.org"));
    QCOMPARE(page->cb_Modul()->currentText(), QStringLiteral("Hilfe"));
    QCOMPARE(page->m_Beschreibung()->toPlainText(), QStringLiteral("Zweimal, bitte."));
    QVERIFY(!page->cb_Bildschirmfoto()->isChecked());
}

void TestFeedbackDialog::server_without_auth_gets_the_mail_without_login()
{
    SmtpPeer peer(QStringLiteral("noauth"));
    QVERIFY2(peer.isReady(), qPrintable(peer.output()));
    Dialog d(peer.port());
    d.send();
    QCOMPARE(MessageBoxes::shown().size(), 1);
    QCOMPARE(MessageBoxes::shown()[0].text, QStringLiteral("Mail wurde versendet."));
    const auto mails = peer.messages();
    QCOMPARE(mails.size(), 1);
    QVERIFY(mails[0][u"auth_user"].isNull());
    QCOMPARE(mails[0][u"mail_from"].toString(), kSupport);
}

QTEST_MAIN(TestFeedbackDialog)
#include "test_feedback_dialog.moc"
