#pragma once

#include <QProcess>
#include <QString>
#include <memory>

namespace testsupport {

// A real test peer (aiosmtpd, pyftpdlib) on loopback, run by Debian's python3 from a script in
// tests/support; it prints "READY <port>" once it listens. Stopped by the destructor.
class LoopbackServer
{
public:
    LoopbackServer(const QString &script, const QStringList &arguments);
    ~LoopbackServer();

    bool isReady() const { return m_port > 0; }
    int port() const { return m_port; }
    QString output() const; // what the server printed besides READY

private:
    std::unique_ptr<QProcess> m_process;
    int m_port = 0;
    mutable QString m_output;
};

QString supportFile(const QString &name);

} // namespace testsupport
