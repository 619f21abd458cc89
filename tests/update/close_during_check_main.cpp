// The real start-up with the update check pointed at a peer that accepts and never answers;
// the main window is closed after 300 ms while the check still waits. The process must end at
// once and cleanly: the driver test_close_during_check runs this program and checks that.
#include "app/startup.h"
#include "support/guitest.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    StartupSettings s = testsupport::testSettings();
    s.updatePort = QString::fromLocal8Bit(argv[1]).toInt();
    // long enough that the check is certainly still waiting when the window closes
    s.updateConnectTimeoutMs = 10000;
    s.updateTotalTimeoutMs = 60000;
    QTimer::singleShot(300, &app, [] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("f_Menue"))
                w->close();
    });
    Startup::runProgram(s);
}
