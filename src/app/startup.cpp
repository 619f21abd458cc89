#include "app/startup.h"

#include "about/about_dlg.h"
#include "app/dbm_f.h"
#include "app/menue_f.h"
#include "update/uselcomp.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

Startup::Startup(StartupSettings settings, QObject *parent)
    : QObject(parent), m_settings(std::move(settings))
{
}

Startup::~Startup()
{
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
    m_about = new Tdlg_about(m_settings);
    m_about->setMainWindow(m_menue);
    m_menue->setComponents(m_dbm, m_about);
}

void Startup::startUpdateCheck()
{
    // the update issue wires the background check here
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
