#include "app/menue_f.h"

#include "about/about_dlg.h"
#include "about/program_page.h"
#include "app/balloon.h"
#include "app/dbm_f.h"
#include "app/errorreport.h"
#include "app/fileversion.h"
#include "app/helpwindow.h"
#include "app/numberedit.h"
#include "app/page_gkf.h"
#include "app/page_slb.h"
#include "app/page_urlaub.h"
#include "app/programicon.h"
#include "app/statusbar.h"
#include "app/tabpager.h"
#include "update/update_fr.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QLabel>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// Clears the page-change flag when the change's handling ends, also after an error.
struct FlagClearer
{
    QCheckBox *flag;
    ~FlagClearer() { flag->setChecked(false); }
};

// The help topic of a page; 0 where the page has none.
int helpContextOf(int page)
{
    switch (page) {
    case Tf_Menue::PageAusfall:
        return 30;
    case Tf_Menue::PageStundenlohn:
        return 13;
    case Tf_Menue::PageUrlaub:
        return 100;
    default:
        return 0;
    }
}

} // namespace

Tf_Menue::Tf_Menue(const StartupSettings &settings, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_settings(settings)
{
    setObjectName(QStringLiteral("f_Menue"));
    setWindowTitle(QStringLiteral("Tarvolo"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowIcon(programIcon());

    m_pager = new TabPager(this);
    m_pager->setObjectName(QStringLiteral("stp_Gesamt"));
    m_gkf = new DowntimePage(m_check);
    m_check.setPageChangeFlag(m_gkf->cb_GKF_Seitenwechsel());
    m_slb = new HourlyRatePage(m_check);
    m_urlaub = new VacationPage(settings);
    m_updatePage = new QWidget;
    m_updatePage->setObjectName(QStringLiteral("stp_Update"));
    m_update = new Tfr_update(m_updatePage);
    auto *updateLayout = new QVBoxLayout(m_updatePage);
    updateLayout->setContentsMargins(0, 0, 0, 0);
    updateLayout->addWidget(m_update);
    m_pager->addTab(m_gkf, QStringLiteral("Ausfallfaktoren"));
    m_pager->addTab(m_slb, QStringLiteral("Stundenlohnberechnung"));
    m_pager->addTab(m_urlaub, QStringLiteral("Urlaub"));
    m_pager->addTab(m_updatePage, QStringLiteral("Update"));
    // designed with the page "Urlaub" selected: the first show changes to page 0
    m_pager->setCurrentIndex(PageUrlaub);

    m_statusBar = new StatusBar(settings.website, this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pager, 1);
    layout->addWidget(m_statusBar);

    auto *actionList = new QObject(this);
    actionList->setObjectName(QStringLiteral("ActionList1"));
    m_aUpdate = new QAction(QStringLiteral("Update einblenden"), actionList);
    m_aUpdate->setObjectName(QStringLiteral("a_Update"));
    m_aUpdate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    m_aUpdate->setShortcutContext(Qt::WindowShortcut);
    addAction(m_aUpdate);

    onEvent(m_aUpdate, &QAction::triggered, this, [this] { a_UpdateExecute(); });
    auto *helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    onEvent(helpKey, &QShortcut::activated, this, [this] { requestHelp(HelpCommand::Contents); });
    connect(m_pager, &TabPager::aboutToChange, this,
            [this](int from, int to) { stp_GesamtChanging(from, to); });
    connect(m_pager, &TabPager::changed, this, [this] { stp_GesamtChange(); });
    connect(m_statusBar, &StatusBar::clicked, this,
            [this](const QPoint &pos) { ErrorReport::guarded([&] { osb_StatusbarClick(pos); }); });

    resize(398, 480);
}

Tf_Menue::~Tf_Menue() = default;

void Tf_Menue::setComponents(Tf_dbm *dbm, Tdlg_about *about)
{
    m_dbm = dbm;
    m_about = about;
    m_check.setStyles(dbm->tt_Warnung(), dbm->tt_Error());
}

bool Tf_Menue::p_Eingabe_Prüfen(NumberEdit *kEdit, double doFraglich, double doUnmöglich)
{
    return m_check.p_Eingabe_Prüfen(kEdit, doFraglich, doUnmöglich);
}

void Tf_Menue::FormCreate()
{
    m_statusBar->setVersionText(QStringLiteral("Version: ") +
                                GetFileVersion(m_settings.programFile));
}

void Tf_Menue::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        ErrorReport::guarded([this] { FormShow(); });
    }
}

void Tf_Menue::FormShow()
{
    m_pager->selectPage(PageAusfall);
    if (m_updateStarter)
        m_updateStarter();
    m_gkf->collapseSections();
}

void Tf_Menue::stp_GesamtChanging(int fromPage, int toPage)
{
    Q_UNUSED(toPage);
    m_gkf->cb_GKF_Seitenwechsel()->setChecked(true);
    BalloonService::removeAllIn(m_pager->widget(fromPage));
}

void Tf_Menue::stp_GesamtChange()
{
    FlagClearer clearer{m_gkf->cb_GKF_Seitenwechsel()};
    switch (m_pager->currentIndex()) {
    case PageStundenlohn:
        m_slb->le_SLB_Bruttolohn()->setFocus(Qt::OtherFocusReason);
        if (m_gkf->le_GKF_Wochenstunden()->strict() > 0)
            m_slb->le_SLB_Wochenstunden()->setNumberText(m_gkf->le_GKF_Wochenstunden()->text());
        break;
    case PageAusfall:
        m_gkf->le_GKF_Wochenstunden()->setFocus(Qt::OtherFocusReason);
        if (m_slb->le_SLB_Wochenstunden()->strict() > 0)
            m_gkf->le_GKF_Wochenstunden()->setNumberText(m_slb->le_SLB_Wochenstunden()->text());
        break;
    case PageUrlaub: {
        m_urlaub->le_U_Standard()->setFocus(Qt::OtherFocusReason);
        const QDate end(m_settings.now().date().year(), 12, 31);
        // a changed date recounts the months through its change handler; count them once
        if (m_urlaub->dtp_U_beschaeftigt_bis()->date() == end)
            m_urlaub->p_Monat_berechnen();
        else
            m_urlaub->dtp_U_beschaeftigt_bis()->setDate(end);
        break;
    }
    default:
        break;
    }
}

void Tf_Menue::a_UpdateExecute()
{
    m_pager->setPageVisible(PageUpdate, !m_pager->isPageVisible(PageUpdate));
}

void Tf_Menue::osb_StatusbarClick(const QPoint &pos)
{
    p_About();
    switch (StatusBar::panelAt(m_statusBar->panelWidths(), pos.x())) {
    case StatusBar::Help:
        if (const int context = helpContextOf(m_pager->currentIndex()); context > 0)
            requestHelp(HelpCommand::Context, context);
        break;
    case StatusBar::Info:
        if (m_about) {
            m_about->fillProgramFields(QFileInfo(m_settings.programFile).fileName(),
                                       m_statusBar->versionText(), m_moduleList);
            m_about->start(2);
        }
        break;
    default:
        break;
    }
}

bool Tf_Menue::FormHelp(HelpCommand command, int data)
{
    Q_UNUSED(command);
    Q_UNUSED(data);
    // created on the first request, so that the start does not wait for the help engine
    if (!m_help) {
        m_help = new HelpWindow(helpFilePath(m_settings.programFile), this);
        Q_EMIT helpWindowCreated(m_help);
    }
    m_help->showContents();
    m_help->setWindowState(m_help->windowState() & ~Qt::WindowMinimized);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
    return true;
}

void Tf_Menue::requestHelp(HelpCommand command, int data)
{
    const bool callHelp = FormHelp(command, data);
    if (callHelp && command == HelpCommand::Context)
        m_help->showTopic(data);
}

void Tf_Menue::p_About()
{
    p_StringListAbout();
    if (!m_about)
        return;
    ProgramInfoPage *info = m_about->stp_Programm();
    info->l_Version()->setText(m_statusBar->versionText());
    info->l_ProductName()->setText(QFileInfo(m_settings.programFile).fileName());
    // in place of what the view held, so it shows the description once however often this runs
    info->re_Kommentar()->setPlainText(m_description);
}

void Tf_Menue::p_StringListAbout()
{
    m_moduleList = {
        QStringLiteral("Register: Ausfallfaktoren"),
        QStringLiteral("  Arbeitszeit"),
        QStringLiteral("  Urlaub und Krankheit"),
        QStringLiteral("  Schule"),
        QStringLiteral("  Feiertage"),
        QStringLiteral("  Ergebnis"),
        QStringLiteral("  sonstiges"),
        QStringLiteral("Register: Stundenlohnberechnung"),
        QStringLiteral("  Stunden"),
        QStringLiteral("  pro Bereich"),
        QStringLiteral("  Ausfallfaktoren"),
        QStringLiteral("  Soziallasten"),
        QStringLiteral("  Sachkosten"),
        QStringLiteral("  Wagnis udn Gewinn"),
        QStringLiteral("  sonstiges"),
        QStringLiteral("Register: Urlaub"),
        QStringLiteral("  sonstiges"),
        QStringLiteral("Register: Update"),
        QStringLiteral("Hilfe"),
        QStringLiteral("sonstiges"),
    };
    m_description = QStringLiteral(
        "Mit diesem Programm können nicht nur die Ausfallzeiten berechnet werden, sondern auch die "
        "einzelnen Aufschläge auf den Bruttostundenlohn. Hierzu gibt man einfachen den Bruttolohn "
        "und die Wochenstunden ein und das Programm rechnet den Stundenlohn aus. Nach Eingabe der "
        "Aufschläge, rechnet das Programm die Stundenverrechnungssatz aus. In der Pro-Version "
        "können die Daten aus der Quelvast-Datenbank eingelesen werden. In der neusten Version ist "
        "es auch möglich, den Urlaubsanspruch zu berechnen.");
}
