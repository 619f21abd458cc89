#include "app/settings.h"

#include "build_config.h"

#include <QCoreApplication>

StartupSettings StartupSettings::defaults()
{
    StartupSettings s;
    s.programFile = QCoreApplication::applicationFilePath();
    s.updateHost = QStringLiteral(TARVOLO_UPDATE_HOST);
    s.updatePort = TARVOLO_UPDATE_PORT;
    s.updateUser = QStringLiteral(TARVOLO_UPDATE_USER);
    s.updatePassword = QStringLiteral(TARVOLO_UPDATE_PASSWORD);
    s.mailHost = QStringLiteral(TARVOLO_MAIL_HOST);
    s.mailPort = TARVOLO_MAIL_PORT;
    s.mailUser = QStringLiteral(TARVOLO_MAIL_USER);
    s.mailPassword = QStringLiteral(TARVOLO_MAIL_PASSWORD);
    s.supportMailbox = QStringLiteral(TARVOLO_SUPPORT_MAILBOX);
    s.website = QUrl(QStringLiteral(TARVOLO_WEBSITE));
    return s;
}
