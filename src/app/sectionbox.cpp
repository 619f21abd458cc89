#include "app/sectionbox.h"

#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <QVBoxLayout>

namespace {
const QColor kNavy(0, 0, 128);
}

SectionBox::SectionBox(const QString &name, const QString &caption, bool checkable, QWidget *parent)
    : QGroupBox(caption, parent), m_content(new QWidget(this)), m_captionColor(kNavy)
{
    setObjectName(name);
    if (checkable) {
        // making it checkable also checks it: a section starts unchecked, its fields disabled
        setCheckable(true);
        setChecked(false);
    }
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 0, 6, 3);
    layout->setSpacing(0);
    layout->addWidget(m_content);
    setFixedHeight(kOpenHeight);
}

void SectionBox::open(int height)
{
    m_collapsed = false;
    m_content->show();
    if (height > 0) {
        setFixedHeight(height);
    } else {
        setMinimumHeight(0);
        setMaximumHeight(QWIDGETSIZE_MAX);
    }
}

void SectionBox::collapse()
{
    m_collapsed = true;
    // only the caption line shows; the fields keep their values
    m_content->hide();
    setFixedHeight(kCollapsedHeight);
}

void SectionBox::setCaptionColor(const QColor &color)
{
    if (color == m_captionColor)
        return;
    m_captionColor = color;
    update();
}

QRect SectionBox::checkBoxRect() const
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxCheckBox, this);
}

void SectionBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    // the caption only: the fields inside keep their own colours
    option.textColor = m_captionColor;
    option.palette.setColor(QPalette::WindowText, m_captionColor);
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}
