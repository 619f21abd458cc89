#include "about/video_page.h"

#include "app/errorreport.h"

#include <QMediaPlayer>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoWidget>

VideoPage::VideoPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("stp_Video"));
    m_panel = new QWidget;
    m_panel->setObjectName(QStringLiteral("p_Video"));
    auto *panelLayout = new QVBoxLayout(m_panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_panel);
}

void VideoPage::playFromStart(const QString &file)
{
    if (!m_player) {
        // the screen with the player: a video widget already starts the media back end
        // (GStreamer, its device monitors), which the start must not wait for
        m_screen = new QVideoWidget;
        m_screen->setObjectName(QStringLiteral("vw_Video"));
        m_panel->layout()->addWidget(m_screen);
        m_player = new QMediaPlayer(this);
        m_player->setObjectName(QStringLiteral("mp_Video"));
        m_player->setVideoOutput(m_screen);
        connect(m_player, &QMediaPlayer::mediaStatusChanged, this,
                [this](QMediaPlayer::MediaStatus status) {
                    if (m_restartPending && status != QMediaPlayer::LoadingMedia &&
                        status != QMediaPlayer::InvalidMedia && status != QMediaPlayer::NoMedia)
                        restart();
                });
        connect(m_player, &QMediaPlayer::errorOccurred, this,
                [](QMediaPlayer::Error, const QString &text) {
                    ErrorReport::guarded([&] {
                        ErrorReport::show(
                            text.isEmpty()
                                ? QStringLiteral("Das Video kann nicht abgespielt werden")
                                : text);
                    });
                });
    }
    const QUrl source = QUrl::fromLocalFile(file);
    if (m_player->source() != source) {
        m_player->setSource(source);
        m_player->play();
        return;
    }
    // GStreamer's pipeline deadlocks when it is flushed while it still builds itself (a seek or
    // a reload during loading): a restart asked for then waits until the video is loaded.
    if (m_player->mediaStatus() == QMediaPlayer::LoadingMedia) {
        m_restartPending = true;
        return;
    }
    restart();
}

void VideoPage::restart()
{
    m_restartPending = false;
    m_player->setPosition(0);
    m_player->play();
}
