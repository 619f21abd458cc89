#include "app/dbm_f.h"

#include "about/mailcomponents.h"
#include "app/balloon.h"
#include "update/textpieces.h"
#include "update/update_fr.h"
#include "update/webupdate.h"

#include <QLineEdit>
#include <QProgressBar>

Tf_dbm::Tf_dbm(const StartupSettings &settings, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("f_dbm"));
    using Icon = BalloonStyle::Icon;
    m_warnung =
        new BalloonStyle(QStringLiteral("tt_Warnung"), QColor(255, 128, 0), Icon::Warning, this);
    m_error = new BalloonStyle(QStringLiteral("tt_Error"), QColor(255, 0, 0), Icon::Error, this);
    m_info =
        new BalloonStyle(QStringLiteral("tt_Info"), QColor(128, 128, 128), Icon::Information, this);
    m_gueltig = new BalloonStyle(QStringLiteral("tt_gültig"), QColor(0, 128, 0), Icon::None, this);

    MailServerSettings mail;
    mail.host = settings.mailHost;
    mail.port = settings.mailPort;
    mail.user = settings.mailUser;
    mail.password = settings.mailPassword;
    mail.supportMailbox = settings.supportMailbox;
    mail.connectTimeoutMs = settings.mailConnectTimeoutMs;
    mail.replyTimeoutMs = settings.mailReplyTimeoutMs;
    m_smtp = new MailClient(mail, this);
    m_message = new MailMessage(this);

    TWebUpdate::Settings update;
    update.host = settings.updateHost;
    update.port = settings.updatePort;
    update.user = settings.updateUser;
    update.password = settings.updatePassword;
    update.localFile = settings.programFile;
    update.connectTimeoutMs = settings.updateConnectTimeoutMs;
    update.totalTimeoutMs = settings.updateTotalTimeoutMs;
    m_wuUpdate = std::make_shared<TWebUpdate>(update);
    m_wuUpdate->OnStatus = [this](TWebUpdate *sender, const QString &text, int code, int err) {
        wu_UpdateStatus(sender, text, code, err);
    };
    m_wuUpdate->OnFileProgress = [this](TWebUpdate *sender, const QString &name, int pos,
                                        int size) {
        wu_UpdateFileProgress(sender, name, pos, size);
    };
    m_wuUpdate->OnDownloadedWhatsNew = [this](TWebUpdate *sender, QStringList &text, int &res) {
        wu_UpdateDownloadedWhatsNew(sender, text, res);
    };
}

void Tf_dbm::wu_UpdateStatus(TWebUpdate *Sender, const QString &StatusStr, int StatusCode,
                             int ErrCode)
{
    Q_UNUSED(Sender);
    Q_UNUSED(StatusCode);
    Q_UNUSED(ErrCode);
    Tfr_update *frame = m_updateFrame;
    if (!frame)
        return;
    // the line naming the server host is never shown
    if (!StatusStr.contains(QStringLiteral("Connect to host :")))
        QMetaObject::invokeMethod(
            frame, [frame, line = StatusStr] { frame->appendInfo(line); }, Qt::QueuedConnection);
    if (isVersionCompareLine(StatusStr)) {
        const VersionLineVersions v = versionsOfCompareLine(StatusStr);
        QMetaObject::invokeMethod(
            frame,
            [frame, v] {
                frame->le_Lokalversion()->setText(v.local);
                frame->le_neue_Versionsnummer()->setText(v.server);
            },
            Qt::QueuedConnection);
    }
}

void Tf_dbm::wu_UpdateFileProgress(TWebUpdate *Sender, const QString &FileName, int Pos, int Size)
{
    Q_UNUSED(Sender);
    Q_UNUSED(FileName);
    Tfr_update *frame = m_updateFrame;
    if (!frame)
        return;
    QMetaObject::invokeMethod(
        frame,
        [frame, Pos, Size] {
            frame->pb_Update()->setMaximum(Size);
            frame->pb_Update()->setValue(Pos);
        },
        Qt::QueuedConnection);
}

void Tf_dbm::wu_UpdateDownloadedWhatsNew(TWebUpdate *Sender, QStringList &Text, int &Res)
{
    Q_UNUSED(Sender);
    Q_UNUSED(Res);
    Tfr_update *frame = m_updateFrame;
    if (!frame)
        return;
    // a copy: the component discards its list when this returns
    QMetaObject::invokeMethod(
        frame,
        [frame, lines = QStringList(Text)] {
            for (const QString &line : lines)
                frame->appendInfo(line);
        },
        Qt::QueuedConnection);
}
