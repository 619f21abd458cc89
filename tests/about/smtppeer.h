#pragma once

#include "support/servers.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>

namespace testsupport {

inline const QString kMailUser = QStringLiteral("feedback@tarvolo.test");
inline const QString kMailPassword = QStringLiteral("Tv-7k_Qz!r2#Lm"); // 14 characters
inline const QString kSupport = QStringLiteral("support@tarvolo.test");
// what tests/support/smtpserver.py answers in the mode "refuse"
inline const QString kRefusal = QStringLiteral("535 5.7.8 Anmeldung abgelehnt: Konto gesperrt");

// aiosmtpd on loopback (tests/support/smtpserver.py); mode "login", "refuse", "plainonly" or
// "noauth". Every mail it receives is read back as the JSON record the script writes.
class SmtpPeer
{
public:
    explicit SmtpPeer(const QString &mode, const QString &user = kMailUser,
                      const QString &password = kMailPassword)
    {
        m_server = std::make_unique<LoopbackServer>(
            QStringLiteral("smtpserver.py"), QStringList{m_dir.path(), mode, user, password});
    }

    bool isReady() const { return m_dir.isValid() && m_server->isReady(); }
    int port() const { return m_server->port(); }
    QString output() const { return m_server->output(); }

    QList<QJsonObject> messages() const
    {
        QDir dir(m_dir.path());
        QStringList names = dir.entryList({QStringLiteral("message_*.json")}, QDir::Files);
        std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
            return a.size() != b.size() ? a.size() < b.size() : a < b;
        });
        QList<QJsonObject> out;
        for (const QString &name : names) {
            QFile f(dir.filePath(name));
            if (f.open(QIODevice::ReadOnly))
                out.append(QJsonDocument::fromJson(f.readAll()).object());
        }
        return out;
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<LoopbackServer> m_server;
};

} // namespace testsupport
