#include "app/balloon.h"

#include "app/numberedit.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

namespace {
constexpr int kMargin = 4;
constexpr int kWrapWidth = 200;
constexpr int kTip = 6;
constexpr int kIconSize = 16;

QString balloonName(const NumberEdit *field)
{
    return QStringLiteral("balloon_") + field->objectName();
}

QFont balloonFont()
{
    return QFont(QStringLiteral("Segoe UI"), 8);
}
} // namespace

BalloonStyle::BalloonStyle(const QString &name, const QColor &border, Icon icon, QObject *parent)
    : QObject(parent), m_border(border), m_icon(icon)
{
    setObjectName(name);
}

Balloon::Balloon(NumberEdit *field, const QString &text, const BalloonStyle &style)
    : QWidget(field->window()), m_field(field), m_rememberedBorder(field->borderColor())
{
    setObjectName(balloonName(field));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFont(balloonFont());
    setContent(text, style);
    // follow the field when it or one of its boxes moves
    for (QWidget *w = field; w && w != window(); w = w->parentWidget())
        w->installEventFilter(this);
    show();
}

void Balloon::setContent(const QString &text, const BalloonStyle &style)
{
    m_text = text;
    m_styleName = style.objectName();
    m_border = style.borderColor();
    m_icon = style.icon();
    place();
    update();
}

void Balloon::place()
{
    if (!m_field)
        return;
    const QFontMetrics fm(font());
    const QRect textRect = fm.boundingRect(QRect(0, 0, kWrapWidth, 1000), Qt::TextWordWrap, m_text);
    const int iconWidth = m_icon == BalloonStyle::Icon::None ? 0 : kIconSize + kMargin;
    const int w = textRect.width() + iconWidth + 2 * kMargin + 2;
    const int h = qMax(textRect.height(), iconWidth ? kIconSize : 0) + 2 * kMargin + 2 + kTip;
    QPoint pos = m_field->mapTo(window(), QPoint(m_field->width() / 3, m_field->height() - 2));
    const int maxX = window()->width() - w - 2;
    pos.setX(qMax(0, qMin(pos.x(), maxX)));
    setGeometry(QRect(pos, QSize(w, h)));
    raise();
}

void Balloon::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(rect()).adjusted(0.5, kTip + 0.5, -0.5, -0.5);
    QPainterPath path;
    path.addRoundedRect(body, 3, 3);
    QPainterPath tip;
    tip.moveTo(8, kTip + 1);
    tip.lineTo(12, 0.5);
    tip.lineTo(16, kTip + 1);
    path = path.united(tip);
    p.setPen(QPen(m_border, 1));
    p.setBrush(Qt::white);
    p.drawPath(path);

    int x = kMargin + 1;
    const int y = kTip + kMargin + 1;
    QStyle::StandardPixmap sp = QStyle::SP_MessageBoxInformation;
    if (m_icon == BalloonStyle::Icon::Warning)
        sp = QStyle::SP_MessageBoxWarning;
    else if (m_icon == BalloonStyle::Icon::Error)
        sp = QStyle::SP_MessageBoxCritical;
    if (m_icon != BalloonStyle::Icon::None) {
        style()->standardIcon(sp).paint(&p, QRect(x, y, kIconSize, kIconSize));
        x += kIconSize + kMargin;
    }
    p.setPen(Qt::black);
    p.drawText(QRect(x, y, kWrapWidth, height() - y - kMargin), Qt::TextWordWrap, m_text);
}

bool Balloon::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        place();
    return QWidget::eventFilter(watched, event);
}

namespace BalloonService {

Balloon *balloonOf(const NumberEdit *field)
{
    if (!field || !field->window())
        return nullptr;
    return field->window()->findChild<Balloon *>(balloonName(field), Qt::FindDirectChildrenOnly);
}

void show(NumberEdit *field, const QString &text, const BalloonStyle &style)
{
    if (Balloon *b = balloonOf(field)) {
        b->setContent(text, style); // the border keeps the colour it took first
        return;
    }
    new Balloon(field, text, style);
    field->setBorderColor(style.borderColor());
}

void remove(NumberEdit *field)
{
    Balloon *b = balloonOf(field);
    if (!b)
        return;
    field->setBorderColor(b->rememberedBorder());
    b->hide();
    b->setObjectName(QString());
    b->deleteLater();
}

void removeAllIn(QWidget *container)
{
    if (!container)
        return;
    const auto fields = container->findChildren<NumberEdit *>();
    for (NumberEdit *field : fields)
        remove(field);
}

} // namespace BalloonService
