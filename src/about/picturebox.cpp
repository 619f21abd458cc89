#include "about/picturebox.h"

#include "about/picturefit.h"

#include <QPainter>

PictureBox::PictureBox(QWidget *parent) : QWidget(parent) {}

void PictureBox::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void PictureBox::setStretch(bool on)
{
    m_stretch = on;
    update();
}

void PictureBox::setKeepAspect(bool on)
{
    m_keepAspect = on;
    update();
}

QRect PictureBox::pictureRect() const
{
    return fitPicture(m_picture.size(), size(), m_stretch, m_keepAspect);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setClipRect(rect());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(pictureRect(), m_picture);
}
