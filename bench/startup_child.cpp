#include "startup_child.h"

#include "figures.h"

#include "app/menue_f.h"
#include "app/startup.h"
#include "app/tabpager.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

namespace bench {

void runStartupChild(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const StartupSettings settings = benchSettings();
    double ms = -1;
    bool checkEnded = false;
    {
        auto *startup = new Startup(settings); // goes with the process, as in the program
        // the check ends by itself against the closed port: it is waited for after the figure,
        // so that it leaves no temporary file behind; its memory counts with the start
        QObject::connect(startup, &Startup::updateCheckFinished, &app, [&] {
            checkEnded = true;
            if (ms >= 0)
                QCoreApplication::quit();
        });
        QElapsedTimer clock;
        clock.start();
        startup->create();
        Tf_Menue *menue = startup->f_Menue();
        // the first time the loop would wait with the window up and on page 0 is the end
        QObject::connect(QAbstractEventDispatcher::instance(),
                         &QAbstractEventDispatcher::aboutToBlock, &app, [&] {
                             if (ms >= 0 || !menue->isVisible() || !menue->windowHandle() ||
                                 !menue->windowHandle()->isExposed() ||
                                 menue->stp_Gesamt()->currentIndex() != Tf_Menue::PageAusfall)
                                 return;
                             ms = clock.nsecsElapsed() / 1e6;
                             if (checkEnded)
                                 QCoreApplication::quit();
                         });
        QTimer::singleShot(20000, &app, [] { QCoreApplication::quit(); });
        QApplication::exec();
    }
    if (!checkEnded)
        std::fprintf(stderr, "the update check did not end\n");
    std::printf("startup_ms=%.3f peak_kib=%ld\n", ms, peakResidentKiB());
    std::fflush(nullptr);
    std::quick_exit(0);
}

} // namespace bench
