#pragma once

#include <QList>
#include <QString>

struct StartupSettings;

namespace bench {

// The settings every figure runs with: the built program file, the update check and the mail
// host pointed at a closed loopback port.
StartupSettings benchSettings();

// A loopback port on which nothing listens.
int closedPort();

double median(QList<double> values);

// One line of the report: name, figure, budget, verdict, and what else the figure needs said.
void report(const char *name, double value, double budget, const char *unit,
            const QString &note = QString());

// Peak resident memory of this process (VmHWM) in KiB; -1 where /proc cannot tell.
long peakResidentKiB();

} // namespace bench
