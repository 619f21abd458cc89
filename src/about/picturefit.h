#pragma once

#include <QRect>
#include <QSize>

// Where a picture box draws its picture: always anchored at the box's top left corner.
// Scaled when stretch is on, or when keep aspect is on and the picture is wider or taller than
// the box; scaled without keep aspect it fills the box exactly, with keep aspect the sides are
// worked out with truncating divisions. Otherwise the natural size, cut off by the box.
QRect fitPicture(const QSize &picture, const QSize &box, bool stretch, bool keepAspect);
