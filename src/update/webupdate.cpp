#include "update/webupdate.h"

#include "app/curlsetup.h"
#include "app/fileversion.h"
#include "update/controlfile.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QUrl>
#include <cstring>
#include <curl/curl.h>
#include <memory>

namespace {

// A server's reply as one status line: printable, bounded.
QString replyText(const QString &s)
{
    QString t = s.left(200);
    for (QChar &c : t)
        if (c.category() == QChar::Other_Control)
            c = u' ';
    return t.trimmed();
}

} // namespace

// One connection to the update server: the easy handle (kept for every file, so the login
// happens once), the replies seen, the files downloaded into the temporary folder.
class TWebUpdate::Session
{
public:
    enum class Fetch { Ok, Failed, TooLarge };

    explicit Session(TWebUpdate &owner)
        : m_owner(owner), m_deadline(qMax(1, owner.m_settings.totalTimeoutMs))
    {
        initCurlOnce();
        m_curl = curl_easy_init();
    }

    ~Session() { close(); }

    bool ready() const { return m_curl != nullptr; }
    bool connected() const { return m_greeted; }

    Fetch fetch(const QString &name, QByteArray &data)
    {
        const Settings &s = m_owner.m_settings;
        const qint64 remaining = m_deadline.remainingTime();
        if (remaining <= 0) {
            m_owner.status(QStringLiteral("Download failed : %1 (the check took longer than %2 ms)")
                               .arg(name)
                               .arg(s.totalTimeoutMs),
                           Failed, CURLE_OPERATION_TIMEDOUT);
            return Fetch::Failed;
        }
        if (!m_greeted)
            m_owner.status(QStringLiteral("Connect to host : %1 port %2").arg(s.host).arg(s.port),
                           Connecting);
        // opened when the first bytes arrive, so a check that never gets that far (or a program
        // that ends while it connects) leaves no file behind
        QTemporaryFile file(QDir(QDir::tempPath()).filePath(QStringLiteral("Tarvolo-XXXXXX.tmp")));
        file.setAutoRemove(false);
        m_noTempFile = false;
        m_file = &file;
        m_name = name;
        m_received = 0;
        m_tooLarge = false;
        m_lastPos = m_lastSize = -1;

        const QByteArray url = this->url(name);
        const QByteArray user = s.user.toUtf8();
        const QByteArray password = s.password.toUtf8();
        curl_easy_setopt(m_curl, CURLOPT_URL, url.constData());
        curl_easy_setopt(m_curl, CURLOPT_PROTOCOLS_STR, "ftp");
        curl_easy_setopt(m_curl, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(m_curl, CURLOPT_PASSWORD, password.constData());
        curl_easy_setopt(m_curl, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(m_curl, CURLOPT_CONNECTTIMEOUT_MS,
                         long(qBound(1, s.connectTimeoutMs, 10000)));
        curl_easy_setopt(m_curl, CURLOPT_TIMEOUT_MS, long(remaining));
        curl_easy_setopt(m_curl, CURLOPT_SERVER_RESPONSE_TIMEOUT,
                         long(qBound(qint64(1), remaining / 1000, qint64(10))));
        curl_easy_setopt(m_curl, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(kMaxTextSize));
        curl_easy_setopt(m_curl, CURLOPT_WRITEFUNCTION, &Session::onWrite);
        curl_easy_setopt(m_curl, CURLOPT_WRITEDATA, this);
        curl_easy_setopt(m_curl, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(m_curl, CURLOPT_XFERINFOFUNCTION, &Session::onProgress);
        curl_easy_setopt(m_curl, CURLOPT_XFERINFODATA, this);
        curl_easy_setopt(m_curl, CURLOPT_VERBOSE, 1L);
        curl_easy_setopt(m_curl, CURLOPT_DEBUGFUNCTION, &Session::onDebug);
        curl_easy_setopt(m_curl, CURLOPT_DEBUGDATA, this);

        const CURLcode rc = curl_easy_perform(m_curl);
        m_file = nullptr;
        const bool written = file.isOpen();
        file.close();
        if (m_noTempFile) {
            m_owner.status(QStringLiteral("Download failed : no file in the temporary folder %1")
                               .arg(QDir::tempPath()),
                           Failed);
            return Fetch::Failed;
        }
        if (rc != CURLE_OK || m_tooLarge)
            return failed(rc);
        if (!written) { // an empty file on the server
            data.clear();
            progress(0, 0);
            m_owner.status(QStringLiteral("Downloaded : %1 (0 bytes)").arg(name), Downloaded);
            return Fetch::Ok;
        }
        QFile back(file.fileName());
        if (!back.open(QIODevice::ReadOnly)) {
            m_owner.status(QStringLiteral("Download failed : %1 cannot be read back").arg(name),
                           Failed);
            return Fetch::Failed;
        }
        data = back.readAll();
        if (m_lastPos != data.size())
            progress(data.size(), data.size());
        m_owner.status(QStringLiteral("Downloaded : %1 (%2 bytes)").arg(name).arg(data.size()),
                       Downloaded);
        return Fetch::Ok;
    }

    // Says goodbye to the server and deletes what was downloaded.
    void close()
    {
        if (m_curl) {
            curl_easy_cleanup(m_curl); // sends QUIT on a live connection
            m_curl = nullptr;
            if (m_greeted)
                m_owner.status(QStringLiteral("Disconnected from server"), Disconnected);
        }
        for (const QString &path : std::as_const(m_downloaded))
            QFile::remove(path);
        m_downloaded.clear();
    }

private:
    QByteArray url(const QString &name) const
    {
        const Settings &s = m_owner.m_settings;
        const QString host = s.host.contains(u':') ? u'[' + s.host + u']' : s.host;
        // "%2F" makes the FTP directory absolute: CWD to it, then RETR the bare name
        QByteArray path = "/%2F";
        for (const QString &part : s.ftpDirectory.split(u'/', Qt::SkipEmptyParts))
            path += '/' + QUrl::toPercentEncoding(part);
        path += '/' + QUrl::toPercentEncoding(name);
        return "ftp://" + host.toUtf8() + ':' + QByteArray::number(s.port) + path;
    }

    Fetch failed(CURLcode rc)
    {
        const QString reply =
            m_lastReply.isEmpty() ? QString() : QStringLiteral(" (") + m_lastReply + u')';
        QString line;
        Fetch result = Fetch::Failed;
        if (m_tooLarge || rc == CURLE_FILESIZE_EXCEEDED) {
            line = QStringLiteral("Download refused : %1 is larger than %2 bytes")
                       .arg(m_name)
                       .arg(kMaxTextSize);
            result = Fetch::TooLarge;
        } else if (!m_greeted) {
            // no host in these lines: only the "Connect to host" line names it
            if (rc == CURLE_OPERATION_TIMEDOUT)
                line = QStringLiteral("Connection failed : the server did not answer in time");
            else if (rc == CURLE_COULDNT_CONNECT)
                line = QStringLiteral("Connection failed : the server refused the connection");
            else if (rc == CURLE_COULDNT_RESOLVE_HOST)
                line = QStringLiteral("Connection failed : the server's name is unknown");
            else
                line = QStringLiteral("Connection failed : %1")
                           .arg(QString::fromUtf8(curl_easy_strerror(rc)));
        } else if (!m_loggedIn && rc == CURLE_OPERATION_TIMEDOUT) {
            line = QStringLiteral("Login failed : the server did not answer in time%1").arg(reply);
        } else if (rc == CURLE_LOGIN_DENIED) {
            line = QStringLiteral("Login failed : user %1%2").arg(m_owner.m_settings.user, reply);
        } else if (rc == CURLE_REMOTE_FILE_NOT_FOUND || rc == CURLE_FTP_COULDNT_RETR_FILE) {
            line = QStringLiteral("File not found : %1%2").arg(m_name, reply);
        } else if (rc == CURLE_REMOTE_ACCESS_DENIED) {
            line = QStringLiteral("Directory change failed : %1%2")
                       .arg(m_owner.m_settings.ftpDirectory, reply);
        } else {
            line = QStringLiteral("Download failed : %1: %2%3")
                       .arg(m_name, QString::fromUtf8(curl_easy_strerror(rc)), reply);
        }
        m_owner.status(line, Failed, int(rc));
        return result;
    }

    void progress(qint64 pos, qint64 size)
    {
        m_lastPos = pos;
        m_lastSize = size;
        if (m_owner.OnFileProgress)
            m_owner.OnFileProgress(&m_owner, m_name, int(qMin<qint64>(pos, INT_MAX)),
                                   int(qMin<qint64>(size, INT_MAX)));
    }

    static size_t onWrite(char *data, size_t size, size_t count, void *user)
    {
        auto *self = static_cast<Session *>(user);
        const size_t n = size * count;
        self->m_received += qint64(n);
        if (self->m_received > kMaxTextSize) {
            self->m_tooLarge = true; // a server that sent no SIZE
            return 0;
        }
        if (!self->m_file->isOpen()) {
            if (!self->m_file->open()) {
                self->m_noTempFile = true;
                return 0;
            }
            self->m_downloaded.append(self->m_file->fileName());
        }
        return self->m_file->write(data, qint64(n)) == qint64(n) ? n : 0;
    }

    static int onProgress(void *user, curl_off_t dltotal, curl_off_t dlnow, curl_off_t, curl_off_t)
    {
        auto *self = static_cast<Session *>(user);
        const qint64 size = dltotal > 0 ? qint64(dltotal) : qint64(dlnow);
        if (dlnow > 0 && (dlnow != self->m_lastPos || size != self->m_lastSize))
            self->progress(dlnow, size);
        return 0;
    }

    static int onDebug(CURL *, curl_infotype type, char *data, size_t size, void *user)
    {
        auto *self = static_cast<Session *>(user);
        if (type == CURLINFO_HEADER_IN)
            self->onReply(QString::fromUtf8(data, qsizetype(size)));
        else if (type == CURLINFO_HEADER_OUT && size >= 5 && std::memcmp(data, "RETR ", 5) == 0)
            self->m_owner.status(QStringLiteral("Downloading : %1").arg(self->m_name), Downloading);
        return 0;
    }

    // Reply lines of the server: the greeting and the login become steps of their own.
    void onReply(const QString &lines)
    {
        for (const QString &line : lines.split(u'\n', Qt::SkipEmptyParts)) {
            const QString l = replyText(line);
            if (l.size() < 3)
                continue;
            if (l.size() > 3 && l[3] == u'-')
                continue; // a multi-line reply goes on
            m_lastReply = l;
            if (!m_greeted && l.startsWith(u"220")) {
                m_greeted = true;
                m_owner.status(QStringLiteral("Connected : %1").arg(l), Connected, 220);
            } else if (!m_loggedIn && l.startsWith(u"230")) {
                m_loggedIn = true;
                m_owner.status(QStringLiteral("Logged in : %1").arg(l), LoggedIn, 230);
            }
        }
    }

    TWebUpdate &m_owner;
    QDeadlineTimer m_deadline;
    CURL *m_curl = nullptr;
    QStringList m_downloaded;
    QTemporaryFile *m_file = nullptr;
    bool m_noTempFile = false;
    QString m_name;
    qint64 m_received = 0;
    bool m_tooLarge = false;
    qint64 m_lastPos = -1;
    qint64 m_lastSize = -1;
    bool m_greeted = false;
    bool m_loggedIn = false;
    QString m_lastReply;
};

TWebUpdate::TWebUpdate(Settings settings) : m_settings(std::move(settings))
{
    initCurlOnce();
}

TWebUpdate::~TWebUpdate() = default;

void TWebUpdate::status(const QString &text, Status code, int err)
{
    if (OnStatus)
        OnStatus(this, text, int(code), err);
}

QString TWebUpdate::versionCompareLine(const QString &path, const QString &local,
                                       const QString &announcedText, const QString &announced)
{
    return QStringLiteral("Version check : %1")
        .arg(QStringLiteral("Version compare of ") + path + u':' + local +
             QStringLiteral(" with ") + announcedText + u':' + announced);
}

bool TWebUpdate::NewVersionAvailable(bool InitPath)
{
    const QFileInfo program(m_settings.localFile);
    if (InitPath)
        QDir::setCurrent(program.absolutePath());

    Session session(*this);
    if (!session.ready()) {
        status(QStringLiteral("Connection failed : the network library did not start"), Failed);
        return false;
    }
    const QString controlName = QFileInfo(m_settings.controlFile).fileName();
    QByteArray data;
    if (session.fetch(controlName, data) != Session::Fetch::Ok)
        return false;
    QString error;
    const std::optional<ControlFile> cf = ControlFile::parse(data, &error);
    if (!cf) {
        status(QStringLiteral("Control file malformed : %1: %2").arg(m_settings.controlFile, error),
               Failed);
        return false;
    }

    const QString local = GetFileVersion(m_settings.localFile);
    status(versionCompareLine(m_settings.localFile, local, cf->versionText, cf->version.text()),
           VersionCompare);
    if (FourNumbers::compare(cf->version.text(), local) <= 0) {
        status(QStringLiteral("Version check : no newer version available"), Verdict);
        return false;
    }
    if (!cf->files.isEmpty()) {
        const QDir folder = program.absoluteDir();
        bool missing = false;
        for (const ControlFile::File &f : cf->files) {
            const QFileInfo here(folder.filePath(f.name));
            if (!here.isFile() || (f.size >= 0 && here.size() != f.size))
                missing = true;
        }
        if (!missing) {
            status(QStringLiteral("Version check : every file of the update is already here"),
                   Verdict);
            return false;
        }
    }
    status(QStringLiteral("Version check : newer version available"), Verdict);

    if (!cf->whatsNewFile.isEmpty()) {
        QByteArray text;
        const Session::Fetch got = session.fetch(cf->whatsNewFile, text);
        if (got == Session::Fetch::TooLarge)
            return false;
        if (got == Session::Fetch::Ok && OnDownloadedWhatsNew) {
            QString all = QString::fromUtf8(text);
            all.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
            if (all.endsWith(u'\n'))
                all.chop(1);
            QStringList lines = all.split(u'\n');
            int res = 0;
            OnDownloadedWhatsNew(this, lines, res);
        }
    }
    return true;
}
