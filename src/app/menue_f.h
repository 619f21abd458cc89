#pragma once

#include "app/inputcheck.h"
#include "app/settings.h"

#include <QStringList>
#include <QWidget>
#include <functional>

class DowntimePage;
class HourlyRatePage;
class VacationPage;
class Tfr_update;
class TabPager;
class StatusBar;
class NumberEdit;
class QAction;
class Tf_dbm;
class Tdlg_about;
class HelpWindow;

// The main window: composes the four pages and the status bar, switches pages, toggles the
// page "Update" and answers clicks into the status bar.
class Tf_Menue : public QWidget
{
    Q_OBJECT

public:
    enum Page { PageAusfall = 0, PageStundenlohn = 1, PageUrlaub = 2, PageUpdate = 3 };
    // A help request: the table of contents (F1) or the topic of a context number.
    enum class HelpCommand { Contents, Context };

    explicit Tf_Menue(const StartupSettings &settings, QWidget *parent = nullptr);
    ~Tf_Menue() override;

    // Called by the start-up once the windows created after this one exist.
    void setComponents(Tf_dbm *dbm, Tdlg_about *about);
    void setUpdateCheckStarter(std::function<void()> starter)
    {
        m_updateStarter = std::move(starter);
    }

    TabPager *stp_Gesamt() const { return m_pager; }
    StatusBar *osb_Statusbar() const { return m_statusBar; }
    DowntimePage *stp_GFK() const { return m_gkf; }
    HourlyRatePage *stp_SLB() const { return m_slb; }
    VacationPage *stp_Urlaub() const { return m_urlaub; }
    Tfr_update *fr_update1() const { return m_update; }
    QAction *a_Update() const { return m_aUpdate; }
    Tf_dbm *f_dbm() const { return m_dbm; }
    Tdlg_about *dlg_about() const { return m_about; }
    const StartupSettings &settings() const { return m_settings; }

    bool p_Eingabe_Prüfen(NumberEdit *kEdit, double doFraglich, double doUnmöglich);

    // Handlers.
    void FormCreate();
    void FormShow();
    void stp_GesamtChanging(int fromPage, int toPage);
    void stp_GesamtChange();
    void a_UpdateExecute();
    void osb_StatusbarClick(const QPoint &pos);
    // Every help request passes here: the help window opens at its contents; the result
    // (CallHelp) lets the request go on to the topic.
    bool FormHelp(HelpCommand command, int data);
    void requestHelp(HelpCommand command, int data = 0);
    // The help window, once the first help request has created it.
    HelpWindow *helpWindow() const { return m_help; }

    // The about dialog's program information; the module list and description behind it.
    void p_About();
    void p_StringListAbout();
    const QStringList &moduleList() const { return m_moduleList; }
    const QString &programDescription() const { return m_description; }

Q_SIGNALS:
    void helpWindowCreated(HelpWindow *window);

protected:
    void showEvent(QShowEvent *event) override;

private:
    const StartupSettings &m_settings;
    InputCheck m_check;
    TabPager *m_pager;
    StatusBar *m_statusBar;
    DowntimePage *m_gkf;
    HourlyRatePage *m_slb;
    VacationPage *m_urlaub;
    QWidget *m_updatePage;
    Tfr_update *m_update;
    QAction *m_aUpdate;
    Tf_dbm *m_dbm = nullptr;
    Tdlg_about *m_about = nullptr;
    std::function<void()> m_updateStarter;
    bool m_shown = false;
    QStringList m_moduleList;
    QString m_description;
    HelpWindow *m_help = nullptr;
};
