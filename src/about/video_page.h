#pragma once

#include <QWidget>

class QMediaPlayer;
class QVideoWidget;

// The page "Video": the help video plays into the panel p_Video, without controls. The player
// is made when the video is first played, not at program start.
class VideoPage : public QWidget
{
    Q_OBJECT

public:
    explicit VideoPage(QWidget *parent = nullptr);

    // Closes what is open and plays the file from its beginning.
    void playFromStart(const QString &file);

    QWidget *p_Video() const { return m_panel; }
    QMediaPlayer *mp_Video() const { return m_player; }

private:
    void restart();

    QWidget *m_panel;
    QVideoWidget *m_screen = nullptr;
    QMediaPlayer *m_player = nullptr;
    bool m_restartPending = false;
};
