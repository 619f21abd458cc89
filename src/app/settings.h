#pragma once

#include <QDateTime>
#include <QString>
#include <QUrl>
#include <functional>

// Everything the program is built with; main.cpp passes the build-time defaults, tests their
// own loopback servers, short time-outs, a fixed clock and folders.
struct StartupSettings
{
    QString programFile; // the running executable unless a test names another

    QString updateHost;
    int updatePort = 21;
    QString updateUser;
    QString updatePassword;
    int updateConnectTimeoutMs = 10000;
    int updateTotalTimeoutMs = 30000;
    bool startUpdateCheck = true;

    QString mailHost;
    int mailPort = 25;
    QString mailUser;
    QString mailPassword;
    QString supportMailbox;
    int mailConnectTimeoutMs = 15000;
    int mailReplyTimeoutMs = 30000;

    QUrl website;

    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };

    static StartupSettings defaults();
};
