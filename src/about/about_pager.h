#pragma once

#include <QTabWidget>

// The about dialog's tab pager: one tab caption may be drawn in bold.
class AboutPager : public QTabWidget
{
    Q_OBJECT

public:
    explicit AboutPager(QWidget *parent = nullptr);

    void setBoldTab(int index);
    int boldTab() const;
};
