#include "about/feedbackmail.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUuid>
#include <algorithm>
#include <curl/curl.h>
#include <memory>

namespace FeedbackMailer {

namespace {

bool isControl(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || u == 0x7F || (u >= 0x80 && u <= 0x9F) || u == 0x2028 || u == 0x2029;
}

bool hasControl(const QString &s)
{
    for (QChar c : s) {
        if (isControl(c))
            return true;
    }
    return false;
}

// The text as the error box can show it: control characters as their codes.
QString visible(const QString &s)
{
    QString out;
    for (QChar c : s) {
        if (isControl(c))
            out += QStringLiteral("<%1>").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        else
            out += c;
    }
    return out;
}

void checkAddress(const QString &address)
{
    if (hasControl(address))
        throw MailError(QStringLiteral("Die Adresse \"%1\" enthält ein unzulässiges Steuerzeichen.")
                            .arg(visible(address)));
}

QString openFailureReason(const QString &path, const QFile &file)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("Das System kann die angegebene Datei nicht finden.");
    if (info.isDir() || !info.isReadable())
        return QStringLiteral("Zugriff verweigert.");
    return file.errorString();
}

MailAttachment readAttachment(const QString &path)
{
    if (path.isEmpty())
        throw MailError(QStringLiteral("Datei \"\" kann nicht geöffnet werden. Es ist keine "
                                       "Datei für den Anhang angegeben."));
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        throw MailError(QStringLiteral("Datei \"%1\" kann nicht geöffnet werden. %2")
                            .arg(path, openFailureReason(path, file)));
    MailAttachment a;
    a.fileName = QFileInfo(path).fileName();
    a.data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw MailError(QStringLiteral("Datei \"%1\" kann nicht gelesen werden. %2")
                            .arg(path, file.errorString()));
    return a;
}

// What the server said, line by line; libcurl's own error text is not the server's reply.
struct Transcript
{
    QStringList replies;
};

int debugCallback(CURL *, curl_infotype type, char *data, size_t size, void *userp)
{
    if (type != CURLINFO_HEADER_IN)
        return 0;
    auto *t = static_cast<Transcript *>(userp);
    const QString text = QString::fromUtf8(data, static_cast<qsizetype>(size));
    for (QString line : text.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (!line.isEmpty())
            t->replies.append(line);
    }
    return 0;
}

struct CurlDeleter
{
    void operator()(CURL *c) const { curl_easy_cleanup(c); }
    void operator()(curl_slist *l) const { curl_slist_free_all(l); }
    void operator()(curl_mime *m) const { curl_mime_free(m); }
};
using CurlHandle = std::unique_ptr<CURL, CurlDeleter>;
using CurlList = std::unique_ptr<curl_slist, CurlDeleter>;
using CurlMime = std::unique_ptr<curl_mime, CurlDeleter>;

void append(CurlList &list, const QByteArray &line)
{
    curl_slist *grown = curl_slist_append(list.get(), line.constData());
    if (!grown)
        throw MailError(QStringLiteral("Nicht genügend Arbeitsspeicher."));
    list.release();
    list.reset(grown);
}

QByteArray serverUrl(const MailServerSettings &server)
{
    QString host = server.host;
    if (host.contains(u':') && !host.startsWith(u'['))
        host = u'[' + host + u']';
    return QStringLiteral("smtp://%1:%2").arg(host).arg(server.port).toUtf8();
}

// The user reads German; libcurl's own text follows in brackets for the maker.
QString germanText(CURLcode rc)
{
    switch (rc) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return QStringLiteral("Der Mailserver wurde nicht gefunden.");
    case CURLE_COULDNT_CONNECT:
        return QStringLiteral("Keine Verbindung zum Mailserver möglich.");
    case CURLE_OPERATION_TIMEDOUT:
        return QStringLiteral("Der Mailserver antwortet nicht (Zeitüberschreitung).");
    case CURLE_LOGIN_DENIED:
        return QStringLiteral("Die Anmeldung am Mailserver wurde abgelehnt.");
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
        return QStringLiteral("Die Verbindung zum Mailserver wurde unterbrochen.");
    default:
        return {};
    }
}

// One connection's common settings: where, how long at most, and what the server replies.
class Connection
{
public:
    explicit Connection(const MailServerSettings &server)
        : m_curl(curl_easy_init()), m_url(serverUrl(server))
    {
        m_error[0] = '\0';
        if (!m_curl)
            throw MailError(QStringLiteral("Die Mail-Bibliothek kann nicht gestartet werden."));
        CURL *c = m_curl.get();
        curl_easy_setopt(c, CURLOPT_URL, m_url.constData());
        curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(c, CURLOPT_ERRORBUFFER, m_error);
        curl_easy_setopt(c, CURLOPT_VERBOSE, 1L); // feeds the debug callback, prints nothing
        curl_easy_setopt(c, CURLOPT_DEBUGFUNCTION, &debugCallback);
        curl_easy_setopt(c, CURLOPT_DEBUGDATA, &m_transcript);
        const long connectMs = std::max(1, server.connectTimeoutMs);
        const long replyMs = std::max(1, server.replyTimeoutMs);
        curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, connectMs);
        curl_easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, (replyMs + 999) / 1000);
        // a server that trickles its replies still cannot hold the program for ever
        curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, connectMs + 4 * replyMs);
        curl_easy_setopt(c, CURLOPT_FORBID_REUSE, 1L);
    }

    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    CURL *get() const { return m_curl.get(); }
    const Transcript &transcript() const { return m_transcript; }

    // Empty on success, else the server's refusal or the system's error.
    QString perform()
    {
        const CURLcode rc = curl_easy_perform(m_curl.get());
        if (rc == CURLE_OK)
            return {};
        const QString last =
            m_transcript.replies.isEmpty() ? QString() : m_transcript.replies.last();
        if (!last.isEmpty() && (last.front() == u'4' || last.front() == u'5'))
            return last;
        const QString detail = QString::fromUtf8(m_error[0] ? m_error : curl_easy_strerror(rc));
        const QString plain = germanText(rc);
        return plain.isEmpty() ? detail : plain + QStringLiteral(" (") + detail + u')';
    }

private:
    CurlHandle m_curl;
    QByteArray m_url;
    Transcript m_transcript;
    char m_error[CURL_ERROR_SIZE];
};

QByteArray recipientsHeader(const QStringList &recipients)
{
    return recipients.join(QStringLiteral(", ")).toUtf8();
}

QByteArray messageId(const QString &sender)
{
    QString domain = envelopeAddress(sender).section(u'@', 1);
    if (domain.isEmpty())
        domain = QStringLiteral("localhost");
    return '<' + QUuid::createUuid().toString(QUuid::WithoutBraces).toUtf8() + '@' +
           domain.toUtf8() + '>';
}

} // namespace

QStringList recipientList(const QString &supportMailbox, const QString &ownAddresses)
{
    const QString list =
        ownAddresses.isEmpty() ? supportMailbox : supportMailbox + u';' + ownAddresses;
    QStringList out;
    for (const QString &entry : list.split(QRegularExpression(QStringLiteral("[;,]")))) {
        const QString trimmed = entry.trimmed();
        if (!trimmed.isEmpty())
            out.append(trimmed);
    }
    return out;
}

QString envelopeAddress(const QString &entry)
{
    const qsizetype open = entry.lastIndexOf(u'<');
    const qsizetype close = entry.lastIndexOf(u'>');
    if (open >= 0 && close > open)
        return entry.mid(open + 1, close - open - 1).trimmed();
    return entry.trimmed();
}

QByteArray encodedSubject(const QString &subject)
{
    const QByteArray utf8 = subject.toUtf8();
    constexpr qsizetype chunk = 39; // keeps every folded line below 78 characters
    QByteArrayList words;
    qsizetype pos = 0;
    while (pos < utf8.size()) {
        qsizetype end = std::min(pos + chunk, utf8.size());
        // never split a character's bytes between two words
        while (end < utf8.size() && end > pos + 1 && (uchar(utf8[end]) & 0xC0) == 0x80)
            --end;
        words.append("=?UTF-8?B?" + utf8.mid(pos, end - pos).toBase64() + "?=");
        pos = end;
    }
    return words.join("\r\n ");
}

ComposedMail compose(const FeedbackMail &mail)
{
    checkAddress(mail.sender);
    if (mail.recipients.isEmpty())
        throw MailError(QStringLiteral("Es ist kein Empfänger angegeben."));
    for (const QString &r : mail.recipients)
        checkAddress(r);
    if (hasControl(mail.subject))
        throw MailError(QStringLiteral("Der Betreff \"%1\" enthält ein unzulässiges Steuerzeichen.")
                            .arg(visible(mail.subject)));
    ComposedMail out;
    out.sender = mail.sender;
    out.recipients = mail.recipients;
    out.subject = mail.subject;
    out.body = mail.bodyLines.join(QStringLiteral("\r\n"));
    if (mail.attachmentPath)
        out.attachment = readAttachment(*mail.attachmentPath);
    return out;
}

bool offersLogin(const QStringList &ehloReply)
{
    for (const QString &line : ehloReply) {
        if (line.size() < 4 || !line.startsWith(QStringLiteral("250")))
            continue;
        const QString text = line.mid(4).trimmed().toUpper();
        if (!text.startsWith(QStringLiteral("AUTH")) || text.size() < 5 ||
            (text[4] != u' ' && text[4] != u'='))
            continue;
        const QStringList mechanisms =
            text.mid(5).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        if (mechanisms.contains(QStringLiteral("LOGIN")))
            return true;
    }
    return false;
}

QString send(const MailServerSettings &server, const ComposedMail &mail)
{
    try {
        // The greeting and the EHLO reply tell whether to log in; libcurl cannot be told
        // "LOGIN if offered, else none" for one connection, so a first one only asks.
        bool login = false;
        {
            Connection probe(server);
            curl_easy_setopt(probe.get(), CURLOPT_CONNECT_ONLY, 1L);
            if (QString error = probe.perform(); !error.isEmpty())
                return error;
            login = offersLogin(probe.transcript().replies);
        }

        Connection c(server);
        CURL *curl = c.get();
        const QByteArray user = server.user.toUtf8();
        const QByteArray password = server.password.toUtf8();
        if (login) {
            curl_easy_setopt(curl, CURLOPT_USERNAME, user.constData());
            curl_easy_setopt(curl, CURLOPT_PASSWORD, password.constData());
            curl_easy_setopt(curl, CURLOPT_LOGIN_OPTIONS, "AUTH=LOGIN");
        }
        const QByteArray from = envelopeAddress(mail.sender).toUtf8();
        curl_easy_setopt(curl, CURLOPT_MAIL_FROM, from.constData());
        CurlList rcpt;
        for (const QString &r : mail.recipients)
            append(rcpt, envelopeAddress(r).toUtf8());
        curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, rcpt.get());

        CurlList headers;
        append(headers, "Date: " + QDateTime::currentDateTime().toString(Qt::RFC2822Date).toUtf8());
        append(headers, "From: " + mail.sender.toUtf8());
        append(headers, "To: " + recipientsHeader(mail.recipients));
        append(headers, "Subject: " + encodedSubject(mail.subject));
        append(headers, "Message-ID: " + messageId(mail.sender));
        curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers.get());

        // multipart/mixed: the text first, then the screenshot
        CurlMime mime(curl_mime_init(curl));
        const QByteArray body = mail.body.toUtf8();
        curl_mimepart *text = curl_mime_addpart(mime.get());
        curl_mime_data(text, body.constData(), static_cast<size_t>(body.size()));
        curl_mime_type(text, "text/plain; charset=UTF-8");
        curl_mime_encoder(text, "quoted-printable");
        QByteArray fileName;
        if (mail.attachment) {
            fileName = mail.attachment->fileName.toUtf8();
            curl_mimepart *file = curl_mime_addpart(mime.get());
            curl_mime_data(file, mail.attachment->data.constData(),
                           static_cast<size_t>(mail.attachment->data.size()));
            curl_mime_filename(file, fileName.constData());
            curl_mime_type(file, "application/octet-stream");
            curl_mime_encoder(file, "base64");
        }
        curl_easy_setopt(curl, CURLOPT_MIMEPOST, mime.get());
        return c.perform();
    } catch (const MailError &e) {
        return e.text();
    }
}

} // namespace FeedbackMailer
