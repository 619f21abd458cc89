#pragma once

#include "about/feedbackmail.h"

#include <QObject>

// The mail client the component container holds for the whole run (IdSMTP1): the server,
// account and time-outs, fixed at construction, so a worker thread may send with it.
class MailClient : public QObject
{
    Q_OBJECT

public:
    explicit MailClient(const MailServerSettings &settings, QObject *parent = nullptr);

    const MailServerSettings &settings() const { return m_settings; }
    // One connection per call, closed again after success and after every error.
    QString send(const ComposedMail &mail) const;

private:
    const MailServerSettings m_settings;
};

// The mail message (IdMessage1): composed afresh before every send.
class MailMessage : public QObject
{
    Q_OBJECT

public:
    explicit MailMessage(QObject *parent = nullptr);

    void clear() { m_mail = FeedbackMail(); }
    FeedbackMail &mail() { return m_mail; }
    const FeedbackMail &mail() const { return m_mail; }
    // Checks the fields and reads the attachment; throws MailError.
    ComposedMail compose() const { return FeedbackMailer::compose(m_mail); }

private:
    FeedbackMail m_mail;
};
