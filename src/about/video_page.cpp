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
    // closed first, so the video starts again from its beginning
    m_player->stop();
    m_player->setSource(QUrl());
    m_player->setSource(QUrl::fromLocalFile(file));
    m_player->play();
}
