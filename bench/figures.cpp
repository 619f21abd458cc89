#include "figures.h"

#include "app/settings.h"

#include <QFile>
#include <QLocale>
#include <algorithm>
#include <arpa/inet.h>
#include <cstdio>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace bench {

int closedPort()
{
    // bound and closed again: nothing listens there afterwards
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return 9; // discard: closed on any machine without inetd
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    int port = 9;
    if (::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr *>(&addr), &len) == 0)
        port = ntohs(addr.sin_port);
    ::close(fd);
    return port;
}

StartupSettings benchSettings()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    StartupSettings s = StartupSettings::defaults();
    s.programFile = QStringLiteral(TARVOLO_EXECUTABLE);
    s.updateHost = QStringLiteral("127.0.0.1");
    s.updatePort = closedPort();
    s.updateConnectTimeoutMs = 2000;
    s.updateTotalTimeoutMs = 5000;
    s.mailHost = QStringLiteral("127.0.0.1");
    s.mailPort = closedPort();
    s.website = QUrl();
    return s;
}

double median(QList<double> values)
{
    if (values.isEmpty())
        return -1;
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void report(const char *name, double value, double budget, const char *unit, const QString &note)
{
    const char *verdict = value < 0 ? "not measured" : (value <= budget ? "ok" : "OVER BUDGET");
    const QString limit = QStringLiteral("(budget %1 %2)").arg(budget).arg(QLatin1String(unit));
    std::printf("%-13s %7.2f %-3s  %-17s %s%s%s\n", name, value, unit, qPrintable(limit), verdict,
                note.isEmpty() ? "" : "  ", qPrintable(note));
    std::fflush(stdout);
}

long peakResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

} // namespace bench
