// The feedback mail without windows: address list, checks, MIME layout and the SMTP dialogue
// with a real aiosmtpd server on loopback.
#include "about/feedbackmail.h"
#include "about/mailcomponents.h"
#include "smtppeer.h"
#include "support/guitest.h"

#include <QJsonArray>
#include <QTcpServer>
#include <QTemporaryFile>
#include <QTest>

using testsupport::kMailPassword;
using testsupport::kMailUser;
using testsupport::kSupport;
using testsupport::SmtpPeer;

namespace {

MailServerSettings serverAt(int port)
{
    MailServerSettings s;
    s.host = QStringLiteral("127.0.0.1");
    s.port = port;
    s.user = kMailUser;
    s.password = kMailPassword;
    s.supportMailbox = kSupport;
    s.connectTimeoutMs = 2000;
    s.replyTimeoutMs = 1000;
    return s;
}

FeedbackMail wish(const QString &subject = QStringLiteral("Wunsch: tarvolo - Version: 1.0.0.0 - "))
{
    FeedbackMail m;
    m.sender = kSupport;
    m.recipients = {kSupport};
    m.subject = subject;
    m.bodyLines = {QStringLiteral("Bitte größere Schrift."), QStringLiteral("Danke!")};
    return m;
}

QStringList strings(const QJsonValue &v)
{
    QStringList out;
    for (const QJsonValue &e : v.toArray())
        out.append(e.toString());
    return out;
}

} // namespace

class TestFeedbackMail : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void recipient_list_data();
    void recipient_list();
    void offers_login_data();
    void offers_login();
    void control_characters_are_refused_data();
    void control_characters_are_refused();
    void subject_and_text_arrive_with_umlauts_and_blanks_data();
    void subject_and_text_arrive_with_umlauts_and_blanks();
    void login_follows_what_the_server_offers_data();
    void login_follows_what_the_server_offers();
    void attachment_is_the_second_part_with_exact_bytes();
    void missing_attachment_fails_before_anything_is_sent();
    void refused_login_gives_the_servers_reply_line();
    void unreachable_or_silent_server_ends_in_an_error_data();
    void unreachable_or_silent_server_ends_in_an_error();
    void mail_client_and_message_carry_their_names();
};

void TestFeedbackMail::recipient_list_data()
{
    QTest::addColumn<QString>("own");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("empty: the support mailbox alone") << QString() << QStringList{kSupport};
    QTest::newRow("blanks only add nobody") << QStringLiteral("   ") << QStringList{kSupport};
    QTest::newRow("separators and blanks only")
        << QStringLiteral(" ; , ;") << QStringList{kSupport};
    QTest::newRow("one own address")
        << QStringLiteral("ich@example.org") << QStringList{kSupport, "ich@example.org"};
    QTest::newRow("semicolon, blank entry and comma")
        << QStringLiteral("a@example.org; ,b@example.org")
        << QStringList{kSupport, "a@example.org", "b@example.org"};
    QTest::newRow("entries trimmed") << QStringLiteral("  a@example.org  ,  b@example.org ;")
                                     << QStringList{kSupport, "a@example.org", "b@example.org"};
}

void TestFeedbackMail::recipient_list()
{
    QFETCH(QString, own);
    QFETCH(QStringList, expected);
    QCOMPARE(FeedbackMailer::recipientList(kSupport, own), expected);
}

void TestFeedbackMail::offers_login_data()
{
    QTest::addColumn<QStringList>("ehlo");
    QTest::addColumn<bool>("login");
    QTest::newRow("LOGIN among others")
        << QStringList{"250-localhost", "250-AUTH LOGIN PLAIN", "250 HELP"} << true;
    QTest::newRow("last line, lower case") << QStringList{"250-x", "250 auth plain login"} << true;
    QTest::newRow("old AUTH= form") << QStringList{"250-x", "250 AUTH=LOGIN"} << true;
    QTest::newRow("AUTH without LOGIN") << QStringList{"250-x", "250 AUTH PLAIN CRAM-MD5"} << false;
    QTest::newRow("no AUTH at all") << QStringList{"250-x", "250-8BITMIME", "250 HELP"} << false;
    QTest::newRow("LOGIN in another line") << QStringList{"250-XLOGIN", "250 HELP"} << false;
}

void TestFeedbackMail::offers_login()
{
    QFETCH(QStringList, ehlo);
    QFETCH(bool, login);
    QCOMPARE(FeedbackMailer::offersLogin(ehlo), login);
}

void TestFeedbackMail::control_characters_are_refused_data()
{
    QTest::addColumn<QString>("recipient");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("expectedStart");
    const QString subject = QStringLiteral("Wunsch: tarvolo - Version: 1.0.0.0 - Hilfe");
    QTest::newRow("CR LF in an address")
        << QStringLiteral("a@example.org\r\nBcc: b@example.org") << subject
        << QStringLiteral("Die Adresse \"a@example.org<0D><0A>Bcc: b@example.org\"");
    QTest::newRow("LF alone in an address")
        << QStringLiteral("a@example.org\nRCPT TO:<b@example.org>") << subject
        << QStringLiteral("Die Adresse");
    QTest::newRow("NUL in an address") << QStringLiteral("a@exa%1mple.org").arg(QChar(0)) << subject
                                       << QStringLiteral("Die Adresse");
    QTest::newRow("CR LF in the subject")
        << kSupport << subject + QStringLiteral("\r\nBcc: b@example.org")
        << QStringLiteral("Der Betreff");
    QTest::newRow("tab in the subject")
        << kSupport << subject + QStringLiteral("\tx") << QStringLiteral("Der Betreff");
    QTest::newRow("DEL in the subject")
        << kSupport << subject + QChar(0x7F) << QStringLiteral("Der Betreff");
}

void TestFeedbackMail::control_characters_are_refused()
{
    QFETCH(QString, recipient);
    QFETCH(QString, subject);
    QFETCH(QString, expectedStart);
    FeedbackMail m = wish(subject);
    m.recipients = {kSupport, recipient};
    try {
        FeedbackMailer::compose(m);
        QFAIL("composed a mail with a control character");
    } catch (const MailError &e) {
        QVERIFY2(e.text().startsWith(expectedStart), qPrintable(e.text()));
        QVERIFY(e.text().contains(QStringLiteral("Steuerzeichen")));
    }
}

void TestFeedbackMail::subject_and_text_arrive_with_umlauts_and_blanks_data()
{
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("text");
    QTest::newRow("error report, chosen module")
        << QStringLiteral("Fehler: tarvolo - Version: 1.0.0.0 - Register: Urlaub")
        << QStringList{"Die Summe ist falsch.", "Grüße aus Köln, Jörg"}
        << QStringLiteral("Die Summe ist falsch.\nGrüße aus Köln, Jörg");
    QTest::newRow("indented module keeps its blanks")
        << QStringLiteral("Wunsch: tarvolo - Version: 1.0.0.0 -   Schule") << QStringList{"x"}
        << QStringLiteral("x");
    QTest::newRow("empty module ends in blank dash blank")
        << QStringLiteral("Wunsch: tarvolo - Version: 1.0.0.0 - ") << QStringList{""} << QString();
    QTest::newRow("long subject with umlauts is folded")
        << QStringLiteral("Fehler: tarvolo - Version: 1.0.0.0 - ") + QString(60, QChar(u'ä')) +
               QStringLiteral(" Übergröße €")
        << QStringList{"ä"} << QStringLiteral("ä");
    QTest::newRow("a lone dot line and a long line")
        << QStringLiteral("Wunsch: a - b - c")
        << QStringList{"vorher", ".", "danach " + QString(120, QChar(u'ß'))}
        << QStringLiteral("vorher\n.\ndanach ") + QString(120, QChar(u'ß'));
}

void TestFeedbackMail::subject_and_text_arrive_with_umlauts_and_blanks()
{
    QFETCH(QString, subject);
    QFETCH(QStringList, lines);
    QFETCH(QString, text);
    SmtpPeer peer(QStringLiteral("login"));
    QVERIFY2(peer.isReady(), qPrintable(peer.output()));
    FeedbackMail m = wish(subject);
    m.bodyLines = lines;
    const QString error = FeedbackMailer::send(serverAt(peer.port()), FeedbackMailer::compose(m));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const auto mails = peer.messages();
    QCOMPARE(mails.size(), 1);
    const QJsonObject mail = mails[0];
    QCOMPARE(mail[u"subject"].toString(), subject);
    QCOMPARE(mail[u"content_type"].toString(), QStringLiteral("multipart/mixed"));
    QCOMPARE(mail[u"defects"].toArray().size(), 0);
    const QJsonArray parts = mail[u"parts"].toArray();
    QCOMPARE(parts.size(), 1);
    QCOMPARE(parts[0][u"content_type"].toString(), QStringLiteral("text/plain"));
    QCOMPARE(parts[0][u"charset"].toString(), QStringLiteral("utf-8"));
    QString received = parts[0][u"text"].toString();
    received.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(received, text);
}

void TestFeedbackMail::login_follows_what_the_server_offers_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("authenticatedAs");
    QTest::newRow("AUTH LOGIN offered: logs in") << QStringLiteral("login") << kMailUser;
    QTest::newRow("no AUTH offered: sends without login") << QStringLiteral("noauth") << QString();
    QTest::newRow("AUTH without LOGIN: sends without login")
        << QStringLiteral("plainonly") << QString();
}

void TestFeedbackMail::login_follows_what_the_server_offers()
{
    QFETCH(QString, mode);
    QFETCH(QString, authenticatedAs);
    SmtpPeer peer(mode);
    QVERIFY2(peer.isReady(), qPrintable(peer.output()));
    FeedbackMail m = wish();
    m.recipients = FeedbackMailer::recipientList(kSupport, QStringLiteral("ich@example.org"));
    const QString error = FeedbackMailer::send(serverAt(peer.port()), FeedbackMailer::compose(m));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const auto mails = peer.messages();
    QCOMPARE(mails.size(), 1);
    QCOMPARE(mails[0][u"auth_user"].toString(), authenticatedAs);
    QCOMPARE(mails[0][u"mail_from"].toString(), kSupport);
    QCOMPARE(strings(mails[0][u"rcpt_tos"]), (QStringList{kSupport, "ich@example.org"}));
    QCOMPARE(mails[0][u"from"].toString(), kSupport);
    QCOMPARE(mails[0][u"to"].toString(), kSupport + QStringLiteral(", ich@example.org"));
}

void TestFeedbackMail::attachment_is_the_second_part_with_exact_bytes()
{
    SmtpPeer peer(QStringLiteral("login"));
    QVERIFY2(peer.isReady(), qPrintable(peer.output()));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Bildschirmfoto_20261211_120000.jpg"));
    QByteArray bytes;
    for (int i = 0; i < 70000; ++i)
        bytes.append(char((i * 7 + i / 256) & 0xFF)); // every byte value, CR and LF, dots
    bytes.append("\r\n.\r\n");
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    FeedbackMail m = wish(QStringLiteral("Fehler: tarvolo - Version: 1.0.0.0 - Hilfe"));
    m.attachmentPath = path;
    const ComposedMail composed = FeedbackMailer::compose(m);
    QFile::remove(path); // read at composing: what goes out no longer needs the file
    const QString error = FeedbackMailer::send(serverAt(peer.port()), composed);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const auto mails = peer.messages();
    QCOMPARE(mails.size(), 1);
    QCOMPARE(mails[0][u"content_type"].toString(), QStringLiteral("multipart/mixed"));
    const QJsonArray parts = mails[0][u"parts"].toArray();
    QCOMPARE(parts.size(), 2);
    QCOMPARE(parts[0][u"content_type"].toString(), QStringLiteral("text/plain"));
    QCOMPARE(parts[1][u"content_type"].toString(), QStringLiteral("application/octet-stream"));
    QCOMPARE(parts[1][u"filename"].toString(),
             QStringLiteral("Bildschirmfoto_20261211_120000.jpg"));
    QCOMPARE(QByteArray::fromBase64(parts[1][u"data_b64"].toString().toLatin1()), bytes);
}

void TestFeedbackMail::missing_attachment_fails_before_anything_is_sent()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Bildschirmfoto_fehlt.jpg"));
    FeedbackMail m = wish();
    m.attachmentPath = path;
    try {
        FeedbackMailer::compose(m);
        QFAIL("composed a mail with a missing attachment");
    } catch (const MailError &e) {
        QCOMPARE(e.text(), QStringLiteral("Datei \"%1\" kann nicht geöffnet werden. Das System "
                                          "kann die angegebene Datei nicht finden.")
                               .arg(path));
    }
    m.attachmentPath = QString();
    QVERIFY_THROWS_EXCEPTION(MailError, FeedbackMailer::compose(m));
}

void TestFeedbackMail::refused_login_gives_the_servers_reply_line()
{
    SmtpPeer peer(QStringLiteral("refuse"));
    QVERIFY2(peer.isReady(), qPrintable(peer.output()));
    const QString error =
        FeedbackMailer::send(serverAt(peer.port()), FeedbackMailer::compose(wish()));
    QCOMPARE(error, testsupport::kRefusal);
    QVERIFY(peer.messages().isEmpty());
}

void TestFeedbackMail::unreachable_or_silent_server_ends_in_an_error_data()
{
    QTest::addColumn<bool>("listening");
    QTest::addColumn<QString>("german");
    QTest::newRow("nothing listens") << false << "Keine Verbindung zum Mailserver möglich.";
    QTest::newRow("accepts and never answers")
        << true << "Der Mailserver antwortet nicht (Zeitüberschreitung).";
}

void TestFeedbackMail::unreachable_or_silent_server_ends_in_an_error()
{
    QFETCH(bool, listening);
    QFETCH(QString, german);
    QTcpServer silent; // the kernel accepts; nobody ever greets
    int port = testsupport::closedPort();
    if (listening) {
        QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
        port = silent.serverPort();
    }
    const QString error = FeedbackMailer::send(serverAt(port), FeedbackMailer::compose(wish()));
    // German for the user, libcurl's own words in brackets behind it
    QVERIFY2(error.startsWith(german + QStringLiteral(" (")), qPrintable(error));
}

void TestFeedbackMail::mail_client_and_message_carry_their_names()
{
    MailClient client(serverAt(25));
    MailMessage message;
    QCOMPARE(client.objectName(), QStringLiteral("IdSMTP1"));
    QCOMPARE(message.objectName(), QStringLiteral("IdMessage1"));
    message.mail() = wish();
    message.clear();
    QVERIFY(message.mail().subject.isEmpty());
    QVERIFY(message.mail().recipients.isEmpty());
    QVERIFY(!message.mail().attachmentPath);
}

QTEST_MAIN(TestFeedbackMail)
#include "test_feedbackmail.moc"
