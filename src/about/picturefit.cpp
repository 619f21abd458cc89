#include "about/picturefit.h"

#include <cmath>

QRect fitPicture(const QSize &picture, const QSize &box, bool stretch, bool keepAspect)
{
    if (picture.isEmpty())
        return {};
    const int w = picture.width();
    const int h = picture.height();
    const bool larger = w > box.width() || h > box.height();
    if (!stretch && !(keepAspect && larger))
        return QRect(QPoint(0, 0), picture);
    if (!keepAspect)
        return QRect(QPoint(0, 0), box);

    const double ratio = double(w) / double(h);
    const auto truncated = [](double v) { return int(std::trunc(v)); };
    int width;
    int height;
    if (w > h) {
        width = box.width();
        height = truncated(box.width() / ratio);
        if (height > box.height()) {
            height = box.height();
            width = truncated(box.height() * ratio);
        }
    } else {
        height = box.height();
        width = truncated(box.height() * ratio);
        if (width > box.width()) {
            width = box.width();
            height = truncated(box.width() / ratio);
        }
    }
    return QRect(0, 0, width, height);
}
