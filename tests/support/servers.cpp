#include "support/servers.h"

#include <QDir>

namespace testsupport {

QString supportFile(const QString &name)
{
    return QDir(QStringLiteral(TARVOLO_TEST_SUPPORT_DIR)).filePath(name);
}

LoopbackServer::LoopbackServer(const QString &script, const QStringList &arguments)
    : m_process(std::make_unique<QProcess>())
{
    m_process->setProcessChannelMode(QProcess::SeparateChannels);
    m_process->start(QStringLiteral(TARVOLO_TEST_PYTHON),
                     QStringList{supportFile(script)} + arguments);
    if (!m_process->waitForStarted(5000))
        return;
    QByteArray line;
    while (m_process->waitForReadyRead(10000)) {
        while (m_process->canReadLine()) {
            line = m_process->readLine().trimmed();
            if (line.startsWith("READY ")) {
                m_port = line.mid(6).toInt();
                return;
            }
            m_output += QString::fromUtf8(line) + u'\n';
        }
    }
}

LoopbackServer::~LoopbackServer()
{
    if (m_process->state() != QProcess::NotRunning) {
        m_process->terminate();
        if (!m_process->waitForFinished(3000))
            m_process->kill();
        m_process->waitForFinished(3000);
    }
}

QString LoopbackServer::output() const
{
    m_output += QString::fromUtf8(m_process->readAllStandardOutput());
    return m_output;
}

} // namespace testsupport
