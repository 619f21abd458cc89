#include "about/mailcomponents.h"

#include <curl/curl.h>
#include <mutex>

MailClient::MailClient(const MailServerSettings &settings, QObject *parent)
    : QObject(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("IdSMTP1"));
    // libcurl's global set-up is not thread-safe: done here, on the GUI thread, before any
    // worker sends. It is never torn down while a worker may still use it.
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

QString MailClient::send(const ComposedMail &mail) const
{
    return FeedbackMailer::send(m_settings, mail);
}

MailMessage::MailMessage(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("IdMessage1"));
}
