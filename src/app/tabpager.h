#pragma once

#include <QTabWidget>

// A tab widget whose every page change (tab click, keyboard, the program, hiding the current
// tab) runs the same handling: the focus first moves to the pager, so the field being left runs
// its exit handling; then aboutToChange (the old page still current), the switch, and changed.
class TabPager : public QTabWidget
{
    Q_OBJECT

public:
    explicit TabPager(QWidget *parent = nullptr);

    // Selects a page through the page-change handling; selecting the current page does nothing.
    void selectPage(int index);
    // Shows or hides a page's tab; hiding the current tab first changes to a visible page.
    void setPageVisible(int index, bool visible);
    bool isPageVisible(int index) const;

Q_SIGNALS:
    void aboutToChange(int fromIndex, int toIndex);
    void changed(int index);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    friend class PagerTabBar;
    int neighbourPage(int from, int step) const;
    void runChange(int index);

    bool m_switching = false;
    int m_lastIndex = -1;
};
