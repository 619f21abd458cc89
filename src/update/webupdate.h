#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The update component: asks the update server by passive FTP whether a newer version of the
// program exists. No windows here; its events are raised on the calling thread, step by step.
class TWebUpdate
{
public:
    struct Settings
    {
        QString host;
        int port = 21;
        QString user;
        QString password;
        QString ftpDirectory = QStringLiteral("/");
        QString controlFile = QStringLiteral("/Tarvolo.INF");
        QString localFile;            // the program file whose stamp is compared
        int connectTimeoutMs = 10000; // at most 10 s
        int totalTimeoutMs = 30000;   // the whole check
    };

    // What a status line is about (StatusCode).
    enum Status {
        Connecting = 1,
        Connected,
        LoggedIn,
        Downloading,
        Downloaded,
        VersionCompare,
        Verdict,
        Failed,
        Disconnected,
    };

    // Control file and what's-new text larger than this are refused.
    static constexpr qint64 kMaxTextSize = 1024 * 1024;

    explicit TWebUpdate(Settings settings);
    ~TWebUpdate();
    TWebUpdate(const TWebUpdate &) = delete;
    TWebUpdate &operator=(const TWebUpdate &) = delete;

    const Settings &settings() const { return m_settings; }

    // True when the control file announces something newer than the program file (and, for an
    // update that lists files, at least one of them is still missing here). InitPath makes the
    // program's folder the working folder first.
    bool NewVersionAvailable(bool InitPath);

    // The version-compare status line.
    static QString versionCompareLine(const QString &path, const QString &local,
                                      const QString &announcedText, const QString &announced);

    std::function<void(TWebUpdate *Sender, const QString &StatusStr, int StatusCode, int ErrCode)>
        OnStatus;
    std::function<void(TWebUpdate *Sender, const QString &FileName, int Pos, int Size)>
        OnFileProgress;
    // Text belongs to the component and is gone when the handler returns; Res is not read.
    std::function<void(TWebUpdate *Sender, QStringList &Text, int &Res)> OnDownloadedWhatsNew;

private:
    class Session;
    friend class Session;
    void status(const QString &text, Status code, int err = 0);

    Settings m_settings;
};
