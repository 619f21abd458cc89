#pragma once

#include "calc/numbers.h"

#include <QColor>
#include <QLineEdit>

// The number field: its shown text is its value. It formats what the program sets into it and
// what the user leaves in it, and reports a change only when the shown text really changes.
class NumberEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(QColor background READ background WRITE setBackground)

public:
    enum class Role { Input, Result };

    NumberEdit(const QString &name, int decimals, calc::FieldKind kind = calc::FieldKind::Decimal,
               Role role = Role::Input, QWidget *parent = nullptr);

    // Sets a text as the program does: shown with the field's decimals.
    void setNumberText(const QString &text);
    void setNumber(double value);

    double lenient() const;    // f_Zahl of the text
    double strict() const;     // strict reading; throws calc::ConversionError
    double textOrZero() const; // text-or-zero reading

    int decimals() const { return m_decimals; }
    calc::FieldKind kind() const { return m_kind; }
    Role role() const { return m_role; }

    // Minimum 0 and maximum 0 mean no range.
    void setRange(double minimum, double maximum);
    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }

    QColor borderColor() const { return m_borderColor; }
    void setBorderColor(const QColor &color);
    QColor background() const;
    void setBackground(const QColor &color); // invalid: the window background
    void setTextColor(const QColor &color);

    // The text shown for the given text in this field.
    QString shown(const QString &text) const;

Q_SIGNALS:
    void changed(); // the text changed (typed or set)
    void exited();  // the focus moved to another control of the same window

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void formatOnLeave();
    void updateTextColor();

    int m_decimals;
    calc::FieldKind m_kind;
    Role m_role;
    double m_minimum = 0;
    double m_maximum = 0;
    QColor m_borderColor;
    QColor m_background;
    QColor m_textColor;
    bool m_hasFocus = false;
};
