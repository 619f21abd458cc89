#pragma once

#include "app/settings.h"

#include <QStringList>
#include <QWidget>
#include <memory>

class BalloonStyle;
class MailClient;
class MailMessage;
class TWebUpdate;
class Tfr_update;

// The never-shown container of the program's non-visual components: the balloon styles, the
// update component and the mail client.
class Tf_dbm : public QWidget
{
    Q_OBJECT

public:
    explicit Tf_dbm(const StartupSettings &settings, QWidget *parent = nullptr);

    const BalloonStyle *tt_Warnung() const { return m_warnung; }
    const BalloonStyle *tt_Error() const { return m_error; }
    const BalloonStyle *tt_Info() const { return m_info; }
    const BalloonStyle *tt_gültig() const { return m_gueltig; }
    MailClient *IdSMTP1() const { return m_smtp; }
    MailMessage *IdMessage1() const { return m_message; }

    // The update component; the check's thread keeps its own share while it runs.
    std::shared_ptr<TWebUpdate> wu_Update() const { return m_wuUpdate; }
    // The page the update component's events write into; set at start-up, before the check
    // can reach the component.
    void setUpdateFrame(Tfr_update *frame) { m_updateFrame = frame; }

    // The update component's events. They run on the check's thread and hand every change to
    // the page as a queued call.
    void wu_UpdateStatus(TWebUpdate *Sender, const QString &StatusStr, int StatusCode, int ErrCode);
    void wu_UpdateFileProgress(TWebUpdate *Sender, const QString &FileName, int Pos, int Size);
    void wu_UpdateDownloadedWhatsNew(TWebUpdate *Sender, QStringList &Text, int &Res);

private:
    BalloonStyle *m_warnung;
    BalloonStyle *m_error;
    BalloonStyle *m_info;
    BalloonStyle *m_gueltig;
    MailClient *m_smtp;
    MailMessage *m_message;
    std::shared_ptr<TWebUpdate> m_wuUpdate;
    Tfr_update *m_updateFrame = nullptr;
};
