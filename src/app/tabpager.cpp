#include "app/tabpager.h"

#include "app/errorreport.h"

#include <QKeyEvent>
#include <QTabBar>
#include <QWheelEvent>

class PagerTabBar : public QTabBar
{
public:
    explicit PagerTabBar(TabPager *pager) : QTabBar(pager), m_pager(pager) {}

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton) {
            event->ignore();
            return;
        }
        const int index = tabAt(event->position().toPoint());
        if (index >= 0 && isTabEnabled(index))
            m_pager->selectPage(index);
        event->accept();
    }
    void keyPressEvent(QKeyEvent *event) override
    {
        int step = 0;
        if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Up)
            step = -1;
        else if (event->key() == Qt::Key_Right || event->key() == Qt::Key_Down)
            step = 1;
        if (step == 0) {
            QTabBar::keyPressEvent(event);
            return;
        }
        const int to = m_pager->neighbourPage(currentIndex(), step);
        if (to >= 0)
            m_pager->selectPage(to);
        event->accept();
    }
    void wheelEvent(QWheelEvent *event) override { event->ignore(); }

private:
    TabPager *m_pager;
};

TabPager::TabPager(QWidget *parent) : QTabWidget(parent)
{
    setTabBar(new PagerTabBar(this));
    setMovable(false);
    // a change that did not come through selectPage still gets its handling, if late
    connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        if (m_switching) {
            m_lastIndex = index;
            return;
        }
        const int from = m_lastIndex;
        m_lastIndex = index;
        if (from < 0 || index < 0)
            return;
        ErrorReport::guarded([&] { Q_EMIT aboutToChange(from, index); });
        ErrorReport::guarded([&] { Q_EMIT changed(index); });
    });
}

int TabPager::neighbourPage(int from, int step) const
{
    const int n = count();
    for (int i = 1; i < n; ++i) {
        const int to = (from + step * i + n * n) % n;
        if (isTabVisible(to) && isTabEnabled(to))
            return to;
    }
    return -1;
}

void TabPager::selectPage(int index)
{
    if (index < 0 || index >= count() || index == currentIndex() || m_switching)
        return;
    // leaving the field first: its exit handling runs before the change starts
    if (!tabBar()->hasFocus())
        tabBar()->setFocus(Qt::TabFocusReason);
    runChange(index);
}

void TabPager::runChange(int index)
{
    const int from = currentIndex();
    m_switching = true;
    ErrorReport::guarded([&] { Q_EMIT aboutToChange(from, index); });
    setCurrentIndex(index);
    m_lastIndex = index;
    ErrorReport::guarded([&] { Q_EMIT changed(index); });
    m_switching = false;
}

bool TabPager::isPageVisible(int index) const
{
    return isTabVisible(index);
}

void TabPager::setPageVisible(int index, bool visible)
{
    if (visible == isTabVisible(index))
        return;
    if (!visible && index == currentIndex()) {
        int to = neighbourPage(index, 1);
        if (to >= 0 && to < index)
            to = neighbourPage(index, -1);
        if (to >= 0)
            selectPage(to);
    }
    setTabVisible(index, visible);
}

void TabPager::keyPressEvent(QKeyEvent *event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    int step = 0;
    if (ctrl && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_PageDown))
        step = 1;
    else if (ctrl && (event->key() == Qt::Key_Backtab || event->key() == Qt::Key_PageUp))
        step = -1;
    if (step == 0) {
        QTabWidget::keyPressEvent(event);
        return;
    }
    const int to = neighbourPage(currentIndex(), step);
    if (to >= 0)
        selectPage(to);
    event->accept();
}
