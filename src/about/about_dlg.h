#pragma once

#include "about/feedback_page.h"
#include "app/settings.h"

#include <QDialog>

class QTabWidget;

// The about and feedback dialog: screenshot, help video, feedback mail, program information.
// Closing it only hides it, so everything it holds survives to the next opening.
class Tdlg_about : public QDialog, public FeedbackContext
{
    Q_OBJECT

public:
    explicit Tdlg_about(const StartupSettings &settings, QWidget *parent = nullptr);

    // Selects the page byRegister, then shows the dialog modally.
    void start(quint8 byRegister);
    // What the status bar's panel "Info" fills in before the dialog opens.
    void fillProgramFields(const QString &programName, const QString &versionPanelText,
                           const QStringList &modules);

    QTabWidget *stp_about() const { return m_pages; }
    FeedbackPage *stp_Wunsch() const { return m_wunsch; }

    QString screenshotPath() const override { return {}; }
    void showScreenshotPage() override;
    QString productName() const override { return {}; }
    QString versionLabel() const override { return {}; }

private:
    const StartupSettings &m_settings;
    QTabWidget *m_pages;
    FeedbackPage *m_wunsch;
};
