#pragma once

#include "about/feedback_page.h"
#include "app/settings.h"

#include <QDialog>

class AboutPager;
class ProgramInfoPage;
class ScreenshotPage;
class VideoPage;
class QTabWidget;

// The about and feedback dialog: screenshot, help video, feedback mail, program information.
// Closing it only hides it, so everything it holds survives to the next opening.
class Tdlg_about : public QDialog, public FeedbackContext
{
    Q_OBJECT

public:
    enum Page { PageBildschirmfoto = 0, PageVideo = 1, PageWunsch = 2, PageProgramm = 3 };

    explicit Tdlg_about(const StartupSettings &settings, QWidget *parent = nullptr);

    // The window the screenshot shows.
    void setMainWindow(QWidget *window);

    // Selects the page byRegister, then shows the dialog modally.
    void start(quint8 byRegister);
    // A folder by kind: 0 the program's folder (trailing separator), 1 the shared data folder,
    // 2 the user's local data folder.
    QString f_Verzeichnis(quint8 byTyp) const;
    // What the status bar's panel "Info" fills in before the dialog opens.
    void fillProgramFields(const QString &programName, const QString &versionPanelText,
                           const QStringList &modules);

    // Handlers.
    void stp_aboutChange();

    QTabWidget *stp_about() const;
    ScreenshotPage *stp_Bildschirmfoto() const { return m_bildschirmfoto; }
    VideoPage *stp_Video() const { return m_video; }
    FeedbackPage *stp_Wunsch() const { return m_wunsch; }
    ProgramInfoPage *stp_Programm() const { return m_programm; }
    // The help video beside the executable.
    QString videoFile() const;

    QString screenshotPath() const override;
    void showScreenshotPage() override;
    QString productName() const override;
    QString versionLabel() const override;

private:
    const StartupSettings &m_settings;
    AboutPager *m_pages;
    ScreenshotPage *m_bildschirmfoto;
    VideoPage *m_video;
    FeedbackPage *m_wunsch;
    ProgramInfoPage *m_programm;
};
