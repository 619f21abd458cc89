#include "app/statusbar.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {

const QColor kNavy(0, 0, 128);

// The maker's name as a link; opening the site leaves the click to the status bar as well.
class LinkPanel : public QLabel
{
public:
    LinkPanel(const QUrl &url, QWidget *parent)
        : QLabel(QStringLiteral("Pelvar"), parent), m_url(url)
    {
        QFont f = font();
        f.setUnderline(true);
        setFont(f);
        setCursor(Qt::PointingHandCursor);
        setToolTip(url.toString());
    }

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && m_url.isValid())
            QDesktopServices::openUrl(m_url);
        event->ignore();
    }

private:
    QUrl m_url;
};

} // namespace

StatusBar::StatusBar(const QUrl &website, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("osb_Statusbar"));
    setFixedHeight(19);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, kNavy);
    setPalette(p);
    m_scale = logicalDpiX() / 96.0;

    const QStringList texts = {
        QStringLiteral("Version: "), QStringLiteral("neue Version"), QString(),
        QStringLiteral("Hilfe"),     QStringLiteral("Info"),         QString()};
    const int widths[] = {150, 0, 40, 50, 50, 50};
    for (int i = 0; i < texts.size(); ++i) {
        QLabel *label = i == Maker ? new LinkPanel(website, this) : new QLabel(texts[i], this);
        label->setObjectName(QStringLiteral("panel%1").arg(i));
        label->setAlignment(i == Maker ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter));
        label->setContentsMargins(3, 0, 3, 0);
        m_panels.append(label);
        m_widths.append(0);
        setPanelWidth(i, widths[i]);
    }
    layoutPanels();
}

void StatusBar::setVersionText(const QString &text)
{
    m_panels[Version]->setText(text);
}

QString StatusBar::versionText() const
{
    return m_panels[Version]->text();
}

void StatusBar::setNewVersionVisible(bool visible)
{
    if (visible)
        m_panels[NewVersion]->setText(QStringLiteral("neue Version"));
    setPanelWidth(NewVersion, visible ? 70 : 0);
    layoutPanels();
}

void StatusBar::setPanelWidth(int index, int width96)
{
    m_widths[index] = qRound(width96 * m_scale);
}

QVector<int> StatusBar::panelWidths() const
{
    return m_widths;
}

int StatusBar::panelAt(const QVector<int> &widths, int x)
{
    int sum = 0;
    for (int i = 0; i < widths.size(); ++i) {
        sum += widths[i];
        if (sum > x)
            return i;
    }
    return -1;
}

void StatusBar::layoutPanels()
{
    int x = 0;
    for (int i = 0; i < m_panels.size(); ++i) {
        m_panels[i]->setGeometry(x, 0, m_widths[i], height());
        m_panels[i]->setVisible(m_widths[i] > 0);
        x += m_widths[i];
    }
    update();
}

void StatusBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT clicked(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void StatusBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutPanels();
}

void StatusBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(0, 0, width(), 0);
    int x = 0;
    for (int w : m_widths) {
        x += w;
        if (w > 0)
            p.drawLine(x - 1, 3, x - 1, height() - 3);
    }
}
