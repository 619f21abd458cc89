#include "app/spinarrows.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *arrow(const QString &name, Qt::ArrowType type, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setArrowType(type);
    b->setAutoRepeat(true);
    // clicking an arrow leaves the focus where it is, like a spin button
    b->setFocusPolicy(Qt::NoFocus);
    b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    b->setFixedWidth(16);
    return b;
}

} // namespace

SpinArrows::SpinArrows(const QString &name, QWidget *parent) : QWidget(parent)
{
    setObjectName(name);
    m_up = arrow(name + QStringLiteral("Up"), Qt::UpArrow, this);
    m_down = arrow(name + QStringLiteral("Down"), Qt::DownArrow, this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    connect(m_up, &QToolButton::clicked, this, [this] { Q_EMIT upClicked(); });
    connect(m_down, &QToolButton::clicked, this, [this] { Q_EMIT downClicked(); });
}
