#include "app/startup.h"

#include "about/about_dlg.h"
#include "app/dbm_f.h"
#include "app/menue_f.h"
#include "update/updatethread.h"
#include "update/uselcomp.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <cstdio>
#include <cstdlib>

Startup::Startup(StartupSettings settings, QObject *parent)
    : QObject(parent), m_settings(std::move(settings))
{
}

Startup::~Startup()
{
    // Only tests tear the start-up down (the program leaves with quick_exit): let a running
    // check end first, serving its window changes, so that it never writes to a window gone.
    if (m_updateThread) {
        QDeadlineTimer limit(m_settings.updateConnectTimeoutMs + m_settings.updateTotalTimeoutMs +
                             5000);
        while (m_updateThread->isRunning() && !limit.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            m_updateThread->wait(5);
        }
        QCoreApplication::processEvents();
        if (m_updateThread->isFinished())
            delete m_updateThread;
    }
    delete m_about;
    delete m_dbm;
    delete m_selcomp;
    delete m_menue;
}

void Startup::create()
{
    QApplication::setApplicationName(QStringLiteral("Tarvolo"));
    m_menue = new Tf_Menue(m_settings);
    m_menue->setUpdateCheckStarter([this] { startUpdateCheck(); });
    m_menue->FormCreate();
    m_menue->show(); // runs FormShow before the other windows exist
    m_selcomp = new Tselcomp();
    m_dbm = new Tf_dbm(m_settings);
    m_dbm->setUpdateFrame(m_menue->fr_update1());
    m_about = new Tdlg_about(m_settings);
    m_about->setMainWindow(m_menue);
    m_menue->setComponents(m_dbm, m_about);
    m_about->stp_Wunsch()->setMailComponents(m_dbm->IdSMTP1(), m_dbm->IdMessage1());
}

void Startup::startUpdateCheck()
{
    if (m_updateThread || !m_settings.startUpdateCheck)
        return; // one check per run
    // f_dbm does not exist yet: the thread asks for its component in its first step, which the
    // event loop serves only after create() has returned
    m_updateThread =
        new TUpdateThread(m_menue, [this] { return m_dbm ? m_dbm->wu_Update() : nullptr; });
    connect(m_updateThread, &TUpdateThread::checkEnded, this, &Startup::updateCheckFinished);
    m_updateThread->start();
}

void Startup::runProgram(StartupSettings settings)
{
    int rc = 0;
    {
        auto *startup = new Startup(std::move(settings));
        startup->create();
        rc = QApplication::exec();
        // Windows go with the process: an update check may still run and is never waited for.
    }
    std::fflush(nullptr);
    std::quick_exit(rc);
}
