#include "about/about_pager.h"

#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>

namespace {

class BoldTabBar : public QTabBar
{
public:
    using QTabBar::QTabBar;

    int boldTab = -1;

protected:
    QSize tabSizeHint(int index) const override
    {
        QSize hint = QTabBar::tabSizeHint(index);
        if (index == boldTab) {
            const QString caption = tabText(index);
            hint.rwidth() += QFontMetrics(boldFont()).horizontalAdvance(caption) -
                             fontMetrics().horizontalAdvance(caption);
        }
        return hint;
    }

    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        // the selected tab last: it overlaps its neighbours
        for (int pass = 0; pass < 2; ++pass) {
            for (int i = 0; i < count(); ++i) {
                if ((i == currentIndex()) != (pass == 1))
                    continue;
                QStyleOptionTab option;
                initStyleOption(&option, i);
                painter.setFont(i == boldTab ? boldFont() : font());
                painter.drawControl(QStyle::CE_TabBarTab, option);
            }
        }
    }

private:
    QFont boldFont() const
    {
        QFont f = font();
        f.setBold(true);
        return f;
    }
};

} // namespace

AboutPager::AboutPager(QWidget *parent) : QTabWidget(parent)
{
    setTabBar(new BoldTabBar(this));
}

void AboutPager::setBoldTab(int index)
{
    static_cast<BoldTabBar *>(tabBar())->boldTab = index;
    tabBar()->update();
}

int AboutPager::boldTab() const
{
    return static_cast<const BoldTabBar *>(tabBar())->boldTab;
}
