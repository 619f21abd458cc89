#include "about/mailcomponents.h"

#include "app/curlsetup.h"

MailClient::MailClient(const MailServerSettings &settings, QObject *parent)
    : QObject(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("IdSMTP1"));
    // on the GUI thread, before any worker sends
    initCurlOnce();
}

QString MailClient::send(const ComposedMail &mail) const
{
    return FeedbackMailer::send(m_settings, mail);
}

MailMessage::MailMessage(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("IdMessage1"));
}
