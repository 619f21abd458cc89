#pragma once

#include <QUrl>
#include <QVector>
#include <QWidget>

class QLabel;

// The main window's status bar: six panels of fixed widths (version, "neue Version", the maker's
// link, "Hilfe", "Info", empty). Every click into it is reported with its position.
class StatusBar : public QWidget
{
    Q_OBJECT

public:
    enum Panel { Version = 0, NewVersion = 1, Maker = 2, Help = 3, Info = 4, Empty = 5 };

    StatusBar(const QUrl &website, QWidget *parent = nullptr);

    void setVersionText(const QString &text);
    QString versionText() const;
    void setNewVersionVisible(bool visible);
    QLabel *panel(int index) const { return m_panels.at(index); }
    int panelCount() const { return m_panels.size(); }
    QVector<int> panelWidths() const;

    // The panel hit at x: the first whose added-up width is greater than x; -1 right of all.
    static int panelAt(const QVector<int> &widths, int x);

Q_SIGNALS:
    void clicked(const QPoint &pos);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void setPanelWidth(int index, int width96);
    void layoutPanels();

    QVector<QLabel *> m_panels;
    QVector<int> m_widths;
    double m_scale = 1.0;
};
