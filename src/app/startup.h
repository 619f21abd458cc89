#pragma once

#include "app/settings.h"

#include <QObject>

class Tf_Menue;
class Tselcomp;
class Tf_dbm;
class Tdlg_about;
class TUpdateThread;

// Program start: the application title, then the four windows in their order (the main window
// shown at once, the others hidden), then the event loop. Tests use the same object without
// the event loop and tear it down between tests.
class Startup : public QObject
{
    Q_OBJECT

public:
    explicit Startup(StartupSettings settings, QObject *parent = nullptr);
    ~Startup() override;

    void create();
    // create(), the event loop, then leaving without waiting for a running update check.
    [[noreturn]] static void runProgram(StartupSettings settings);

    const StartupSettings &settings() const { return m_settings; }
    Tf_Menue *f_Menue() const { return m_menue; }
    Tselcomp *selcomp() const { return m_selcomp; }
    Tf_dbm *f_dbm() const { return m_dbm; }
    Tdlg_about *dlg_about() const { return m_about; }

Q_SIGNALS:
    void updateCheckFinished(bool newVersion);

private:
    void startUpdateCheck();

    StartupSettings m_settings;
    Tf_Menue *m_menue = nullptr;
    Tselcomp *m_selcomp = nullptr;
    Tf_dbm *m_dbm = nullptr;
    Tdlg_about *m_about = nullptr;
    TUpdateThread *m_updateThread = nullptr; // no parent: never destroyed while it runs
};
