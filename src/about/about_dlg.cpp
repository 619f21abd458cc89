#include "about/about_dlg.h"

#include "about/about_pager.h"
#include "about/folders.h"
#include "about/program_page.h"
#include "about/screenshot_page.h"
#include "about/video_page.h"
#include "app/errorreport.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

Tdlg_about::Tdlg_about(const StartupSettings &settings, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_settings(settings)
{
    setObjectName(QStringLiteral("dlg_about"));
    setWindowTitle(QStringLiteral("Über das Programm"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    m_pages = new AboutPager(this);
    m_pages->setObjectName(QStringLiteral("stp_about"));
    m_pages->setBoldTab(PageWunsch);
    m_bildschirmfoto = new ScreenshotPage(settings);
    m_video = new VideoPage;
    m_wunsch = new FeedbackPage(*this);
    m_programm = new ProgramInfoPage;
    m_pages->addTab(m_bildschirmfoto, QStringLiteral("Bildschirmfoto"));
    m_pages->addTab(m_video, QStringLiteral("Video"));
    m_pages->addTab(m_wunsch, QStringLiteral("Fehler/Wunsch"));
    m_pages->addTab(m_programm, QStringLiteral("Über das Programm"));
    m_pages->setCurrentIndex(PageWunsch);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages);
    setFixedSize(667, 368);

    // connected after the first page is set: the creation is no page change
    connect(m_pages, &QTabWidget::currentChanged, this,
            [this] { ErrorReport::guarded([this] { stp_aboutChange(); }); });
}

void Tdlg_about::setMainWindow(QWidget *window)
{
    m_bildschirmfoto->setMainWindow(window);
}

QTabWidget *Tdlg_about::stp_about() const
{
    return m_pages;
}

void Tdlg_about::start(quint8 byRegister)
{
    m_pages->setCurrentIndex(byRegister);
    if (byRegister == PageVideo && QFileInfo(videoFile()).isFile())
        m_video->playFromStart(videoFile());
    exec();
}

QString Tdlg_about::f_Verzeichnis(quint8 byTyp) const
{
    return programFolder(m_settings.programFile, byTyp);
}

QString Tdlg_about::videoFile() const
{
    return f_Verzeichnis(0) + QStringLiteral("Hilfedatei/pelvar.avi");
}

void Tdlg_about::fillProgramFields(const QString &programName, const QString &versionPanelText,
                                   const QStringList &modules)
{
    m_wunsch->le_Programmname()->setText(programName);
    // the bare number: from the second character after the first ":" on
    m_wunsch->le_Programmversion()->setText(
        versionPanelText.mid(versionPanelText.indexOf(QLatin1Char(':')) + 2, 200));
    QComboBox *modul = m_wunsch->cb_Modul();
    modul->clear();
    modul->addItems(modules);
    modul->setCurrentIndex(-1);
}

void Tdlg_about::stp_aboutChange()
{
    // restarts on every page change, whichever page is now selected
    const QString file = videoFile();
    if (QFileInfo(file).isFile())
        m_video->playFromStart(file);
}

QString Tdlg_about::screenshotPath() const
{
    return m_bildschirmfoto->e_Bildverzeichnis()->text();
}

void Tdlg_about::showScreenshotPage()
{
    m_pages->setCurrentIndex(PageBildschirmfoto);
}

QString Tdlg_about::productName() const
{
    return m_programm->l_ProductName()->text();
}

QString Tdlg_about::versionLabel() const
{
    return m_programm->l_Version()->text();
}
