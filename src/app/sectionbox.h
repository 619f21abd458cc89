#pragma once

#include <QColor>
#include <QGroupBox>

// A box of the working-time page: a caption (with a check box for the optional sections) above
// a content widget that holds the fields. Collapsed it shows its caption line only.
class SectionBox : public QGroupBox
{
    Q_OBJECT
    Q_PROPERTY(QColor captionColor READ captionColor WRITE setCaptionColor)

public:
    static constexpr int kOpenHeight = 60;
    static constexpr int kCollapsedHeight = 20;

    SectionBox(const QString &name, const QString &caption, bool checkable,
               QWidget *parent = nullptr);

    QWidget *content() const { return m_content; }

    // Open at a fixed height, or, with 0, as high as the layout gives it.
    void open(int height);
    void collapse();
    bool isCollapsed() const { return m_collapsed; }

    QColor captionColor() const { return m_captionColor; }
    void setCaptionColor(const QColor &color);

    // Where the caption's check box is drawn, in the box's coordinates.
    QRect checkBoxRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *m_content;
    QColor m_captionColor;
    bool m_collapsed = false;
};
