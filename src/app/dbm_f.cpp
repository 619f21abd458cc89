#include "app/dbm_f.h"

#include "about/mailcomponents.h"
#include "app/balloon.h"

Tf_dbm::Tf_dbm(const StartupSettings &settings, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("f_dbm"));
    using Icon = BalloonStyle::Icon;
    m_warnung =
        new BalloonStyle(QStringLiteral("tt_Warnung"), QColor(255, 128, 0), Icon::Warning, this);
    m_error = new BalloonStyle(QStringLiteral("tt_Error"), QColor(255, 0, 0), Icon::Error, this);
    m_info =
        new BalloonStyle(QStringLiteral("tt_Info"), QColor(128, 128, 128), Icon::Information, this);
    m_gueltig = new BalloonStyle(QStringLiteral("tt_gültig"), QColor(0, 128, 0), Icon::None, this);

    MailServerSettings mail;
    mail.host = settings.mailHost;
    mail.port = settings.mailPort;
    mail.user = settings.mailUser;
    mail.password = settings.mailPassword;
    mail.supportMailbox = settings.supportMailbox;
    mail.connectTimeoutMs = settings.mailConnectTimeoutMs;
    mail.replyTimeoutMs = settings.mailReplyTimeoutMs;
    m_smtp = new MailClient(mail, this);
    m_message = new MailMessage(this);
}
