#pragma once

#include "app/numberedit.h"

#include <QColor>
#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QWidget>

// A balloon style component: icon, border colour and text look of the balloons it draws.
class BalloonStyle : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QColor borderColor READ borderColor CONSTANT)

public:
    enum class Icon { None, Information, Warning, Error };
    BalloonStyle(const QString &name, const QColor &border, Icon icon, QObject *parent = nullptr);

    QColor borderColor() const { return m_border; }
    Icon icon() const { return m_icon; }

private:
    QColor m_border;
    Icon m_icon;
};

// The callout beside a number field, drawn over the window's other controls.
class Balloon : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString balloonText READ balloonText)
    Q_PROPERTY(QString balloonStyle READ balloonStyle)

public:
    Balloon(NumberEdit *field, const QString &text, const BalloonStyle &style);

    QString balloonText() const { return m_text; }
    QString balloonStyle() const { return m_styleName; }
    void setContent(const QString &text, const BalloonStyle &style);
    NumberEdit *field() const { return m_field; }
    QColor rememberedBorder() const { return m_rememberedBorder; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();

    QPointer<NumberEdit> m_field;
    QString m_text;
    QString m_styleName;
    QColor m_border;
    BalloonStyle::Icon m_icon = BalloonStyle::Icon::None;
    QColor m_rememberedBorder;
};

// show / remove of a field's balloon; a field has at most one.
namespace BalloonService {
void show(NumberEdit *field, const QString &text, const BalloonStyle &style);
void remove(NumberEdit *field);
Balloon *balloonOf(const NumberEdit *field);
// Removes the balloon of every field inside the container (a page being left).
void removeAllIn(QWidget *container);
} // namespace BalloonService
