// The page "Fehler/Wunsch" on its own, in a window that stands in for the dialog around it with
// a screenshot already taken and the program labels filled; it sends to a real aiosmtpd server.
#include "about/feedback_page.h"
#include "about/mailcomponents.h"
#include "app/messageboxes.h"
#include "smtppeer.h"
#include "support/guitest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

using testsupport::kMailPassword;
using testsupport::kMailUser;
using testsupport::kSupport;
using testsupport::SmtpPeer;

namespace {

// The dialog's side of the page: labels as the status bar click fills them, and the path of
// the latest screenshot.
class Context : public QWidget, public FeedbackContext
{
public:
    explicit Context(int port) : client(serverAt(port)), page(new FeedbackPage(*this))
    {
        resize(661, 340);
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(page);
        page->setMailComponents(&client, &message);
    }

    static MailServerSettings serverAt(int port)
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

    QString screenshotPath() const override { return shot; }
    void showScreenshotPage() override { ++screenshotPageShown; }
    QString productName() const override { return QStringLiteral("tarvolo"); }
    QString versionLabel() const override { return QStringLiteral("Version: 1.0.0.0"); }

    QString shot;
    int screenshotPageShown = 0;
    MailClient client;
    MailMessage message;
    FeedbackPage *page;
};

QByteArray writeShot(const QString &path, char seed)
{
    QByteArray bytes("\xFF\xD8\xFF\xE0", 4);
    for (int i = 0; i < 5000; ++i)
        bytes.append(char(seed + i * 31));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return bytes;
}

} // namespace

class TestFeedbackPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { MessageBoxes::setAnswerer({}); }
    void error_report_with_screenshot_taken_earlier();
    void second_mail_carries_the_one_screenshot_or_none();
    void screenshot_file_gone_ends_in_the_error_box();
};

void TestFeedbackPage::init()
{
    testsupport::pinGermanLocale();
    MessageBoxes::clearShown();
    MessageBoxes::setAnswerer([](const MessageBoxInfo &) { return QMessageBox::Ok; });
}

void TestFeedbackPage::error_report_with_screenshot_taken_earlier()
{
    SmtpPeer peer(QStringLiteral("login"));
    QVERIFY2(peer.isReady(), qPrintable(peer.output()));
    QTemporaryDir dir;
    Context c(peer.port());
    c.shot = dir.filePath(QStringLiteral("Bildschirmfoto_20261211_120000.jpg"));
    const QByteArray bytes = writeShot(c.shot, 3);
    c.show();
    QVERIFY(QTest::qWaitForWindowExposed(&c));
    FeedbackPage *page = c.page;
    page->cb_Modul()->addItems(
        {QStringLiteral("Register: Ausfallfaktoren"), QStringLiteral("Register: Urlaub")});
    page->cb_Modul()->setCurrentIndex(1);
    QTest::mouseClick(page->rb_Fehler(), Qt::LeftButton);
    QTest::mouseClick(page->cb_Bildschirmfoto(), Qt::LeftButton);
    QVERIFY(page->cb_Bildschirmfoto()->isChecked());
    QVERIFY(MessageBoxes::shown().isEmpty()); // a screenshot exists: nothing is asked
    QCOMPARE(c.screenshotPageShown, 0);
    page->m_Beschreibung()->setPlainText(QStringLiteral("Urlaubstage falsch.\nGrüße"));
    QTest::mouseClick(page->b_Versenden(), Qt::LeftButton);

    QCOMPARE(MessageBoxes::shown().size(), 1);
    QCOMPARE(MessageBoxes::shown()[0].caption, QStringLiteral("Hinweis"));
    QCOMPARE(MessageBoxes::shown()[0].text, QStringLiteral("Mail wurde versendet."));
    const auto mails = peer.messages();
    QCOMPARE(mails.size(), 1);
    const QJsonObject mail = mails[0];
    QCOMPARE(mail[u"auth_user"].toString(), kMailUser);
    QCOMPARE(mail[u"from"].toString(), kSupport);
    QCOMPARE(mail[u"to"].toString(), kSupport);
    QCOMPARE(mail[u"subject"].toString(),
             QStringLiteral("Fehler: tarvolo - Version: 1.0.0.0 - Register: Urlaub"));
    QCOMPARE(mail[u"content_type"].toString(), QStringLiteral("multipart/mixed"));
    const QJsonArray parts = mail[u"parts"].toArray();
    QCOMPARE(parts.size(), 2);
    QCOMPARE(parts[0][u"content_type"].toString(), QStringLiteral("text/plain"));
    QCOMPARE(parts[0][u"text"].toString().replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
             QStringLiteral("Urlaubstage falsch.\nGrüße"));
    QCOMPARE(parts[1][u"content_type"].toString(), QStringLiteral("application/octet-stream"));
    QCOMPARE(parts[1][u"filename"].toString(),
             QStringLiteral("Bildschirmfoto_20261211_120000.jpg"));
    QCOMPARE(QByteArray::fromBase64(parts[1][u"data_b64"].toString().toLatin1()), bytes);
}

void TestFeedbackPage::second_mail_carries_the_one_screenshot_or_none()
{
    SmtpPeer peer(QStringLiteral("login"));
    QVERIFY2(peer.isReady(), qPrintable(peer.output()));
    QTemporaryDir dir;
    Context c(peer.port());
    c.show();
    QVERIFY(QTest::qWaitForWindowExposed(&c));
    c.shot = dir.filePath(QStringLiteral("Bildschirmfoto_20261211_120000.jpg"));
    writeShot(c.shot, 1);
    QTest::mouseClick(c.page->cb_Bildschirmfoto(), Qt::LeftButton);
    QTest::mouseClick(c.page->b_Versenden(), Qt::LeftButton);
    // a newer screenshot replaces the path: the next mail carries only that one
    c.shot = dir.filePath(QStringLiteral("Bildschirmfoto_20261211_120500.jpg"));
    const QByteArray newer = writeShot(c.shot, 2);
    QTest::mouseClick(c.page->b_Versenden(), Qt::LeftButton);
    QTest::mouseClick(c.page->cb_Bildschirmfoto(), Qt::LeftButton); // unchecked: nothing asked
    QTest::mouseClick(c.page->b_Versenden(), Qt::LeftButton);

    QCOMPARE(MessageBoxes::shown().size(), 3);
    const auto mails = peer.messages();
    QCOMPARE(mails.size(), 3);
    QCOMPARE(mails[0][u"parts"].toArray().size(), 2);
    const QJsonArray second = mails[1][u"parts"].toArray();
    QCOMPARE(second.size(), 2);
    QCOMPARE(second[1][u"filename"].toString(),
             QStringLiteral("Bildschirmfoto_20261211_120500.jpg"));
    QCOMPARE(QByteArray::fromBase64(second[1][u"data_b64"].toString().toLatin1()), newer);
    QCOMPARE(mails[2][u"parts"].toArray().size(), 1);
}

void TestFeedbackPage::screenshot_file_gone_ends_in_the_error_box()
{
    SmtpPeer peer(QStringLiteral("login"));
    QVERIFY2(peer.isReady(), qPrintable(peer.output()));
    QTemporaryDir dir;
    Context c(peer.port());
    c.show();
    QVERIFY(QTest::qWaitForWindowExposed(&c));
    c.shot = dir.filePath(QStringLiteral("Bildschirmfoto_20261211_120000.jpg"));
    writeShot(c.shot, 1);
    QTest::mouseClick(c.page->cb_Bildschirmfoto(), Qt::LeftButton);
    QVERIFY(QFile::remove(c.shot));
    QTest::mouseClick(c.page->b_Versenden(), Qt::LeftButton);
    QCOMPARE(MessageBoxes::shown().size(), 1);
    QCOMPARE(MessageBoxes::shown()[0].caption, QStringLiteral("Verbindungsfehler!"));
    QCOMPARE(MessageBoxes::shown()[0].text,
             QStringLiteral("Datei \"%1\" kann nicht geöffnet werden. Das System kann die "
                            "angegebene Datei nicht finden.")
                 .arg(c.shot));
    QVERIFY(peer.messages().isEmpty());
    QVERIFY(!QApplication::overrideCursor());
}

QTEST_MAIN(TestFeedbackPage)
#include "test_feedback_page.moc"
