#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

// The feedback mail without any window: composing, checking and sending over SMTP (libcurl).

struct MailServerSettings
{
    QString host;
    int port = 25;
    QString user;
    QString password;
    QString supportMailbox; // sender and first recipient of every feedback mail
    int connectTimeoutMs = 15000;
    int replyTimeoutMs = 30000;
};

// A mail as the page describes it.
struct FeedbackMail
{
    QString sender;
    QStringList recipients;
    QString subject;
    QStringList bodyLines;
    std::optional<QString> attachmentPath; // set: this file goes along (an empty path fails)
};

struct MailAttachment
{
    QString fileName; // without folder
    QByteArray data;
};

// A mail checked and ready to go out: the attachment is already read.
struct ComposedMail
{
    QString sender;
    QStringList recipients;
    QString subject;
    QString body; // the lines joined with CR LF
    std::optional<MailAttachment> attachment;
};

// An error whose text is shown to the user as it is.
class MailError : public std::runtime_error
{
public:
    explicit MailError(const QString &text) : std::runtime_error(text.toStdString()), m_text(text)
    {
    }
    const QString &text() const { return m_text; }

private:
    QString m_text;
};

namespace FeedbackMailer {

// The recipients: the support mailbox first, then every entry of the own field, entries split
// at ";" or ",", blank entries skipped.
QStringList recipientList(const QString &supportMailbox, const QString &ownAddresses);

// The address the envelope uses: the part inside "<...>" when there is one, else the entry.
QString envelopeAddress(const QString &entry);

// "=?UTF-8?B?...?=" words, folded, so that umlauts and every blank arrive unchanged.
QByteArray encodedSubject(const QString &subject);

// Checks every address and the subject (no CR, LF or other control characters) and reads the
// attachment fully, before anything is sent. Throws MailError.
ComposedMail compose(const FeedbackMail &mail);

// Whether an EHLO reply (its lines, with codes) names LOGIN among the AUTH mechanisms.
bool offersLogin(const QStringList &ehloReply);

// Sends one mail and closes the connection again. Logs in with LOGIN when the server offers
// it, else sends without login. Returns an empty text on success, else the error's own text
// (the server's reply line, or the system's error). Safe to call from a worker thread.
QString send(const MailServerSettings &server, const ComposedMail &mail);

} // namespace FeedbackMailer
