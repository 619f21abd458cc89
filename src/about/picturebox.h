#pragma once

#include <QImage>
#include <QWidget>

// A picture box: shows one picture anchored top left, with the stretch and keep-aspect
// switches of fitPicture.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }
    void setStretch(bool on);
    bool stretch() const { return m_stretch; }
    void setKeepAspect(bool on);
    bool keepAspect() const { return m_keepAspect; }
    // Where the picture is drawn now, in the box's coordinates; empty without a picture.
    QRect pictureRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
    bool m_stretch = false;
    bool m_keepAspect = false;
};
