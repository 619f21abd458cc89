#include "app/numberedit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QValidator>

namespace {

const QColor kFocusText(59, 59, 59);
const QColor kResultBackground(192, 192, 192);

std::string utf8(const QString &s)
{
    return s.toStdString();
}

// Backstop for pasted text: digits, one comma and, in a money field, the grouping points of a
// shown amount. A lone comma becomes "0," like a comma typed into an empty field.
class NumberValidator : public QValidator
{
public:
    NumberValidator(bool grouping, QObject *parent) : QValidator(parent), m_grouping(grouping) {}
    State validate(QString &input, int &pos) const override
    {
        if (input == QLatin1String(",")) {
            input = QStringLiteral("0,");
            pos = 2;
            return Acceptable;
        }
        bool comma = false;
        for (QChar c : input) {
            if (c == u',') {
                if (comma)
                    return Invalid;
                comma = true;
            } else if (!(c >= u'0' && c <= u'9') && !(m_grouping && c == u'.')) {
                return Invalid;
            }
        }
        return Acceptable;
    }

private:
    bool m_grouping;
};

} // namespace

NumberEdit::NumberEdit(const QString &name, int decimals, calc::FieldKind kind, Role role,
                       QWidget *parent)
    : QLineEdit(parent), m_decimals(decimals), m_kind(kind), m_role(role)
{
    setObjectName(name);
    // the initial text is set before anyone listens, so building fires no change
    setText(shown(QStringLiteral("0")));
    if (role == Role::Result) {
        setReadOnly(true);
        setBackground(kResultBackground);
    } else {
        setValidator(new NumberValidator(kind == calc::FieldKind::Money, this));
    }
    connect(this, &QLineEdit::textChanged, this, [this] { Q_EMIT changed(); });
}

QString NumberEdit::shown(const QString &text) const
{
    return QString::fromStdString(calc::shownText(utf8(text), m_decimals, m_kind));
}

void NumberEdit::setNumberText(const QString &text)
{
    const QString next = shown(text);
    if (next != this->text())
        setText(next);
}

void NumberEdit::setNumber(double value)
{
    setNumberText(QString::fromStdString(calc::numberText(value)));
}

double NumberEdit::lenient() const
{
    return calc::f_Zahl(utf8(text()));
}

double NumberEdit::strict() const
{
    return calc::strictReading(utf8(text()));
}

double NumberEdit::textOrZero() const
{
    return calc::textOrZero(utf8(text()));
}

void NumberEdit::setRange(double minimum, double maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
}

void NumberEdit::setBorderColor(const QColor &color)
{
    if (color == m_borderColor)
        return;
    m_borderColor = color;
    update();
}

QColor NumberEdit::background() const
{
    return palette().color(QPalette::Base);
}

void NumberEdit::setBackground(const QColor &color)
{
    m_background = color;
    QPalette p = palette();
    p.setColor(QPalette::Base, color.isValid() ? color : QPalette().color(QPalette::Base));
    setPalette(p);
}

void NumberEdit::setTextColor(const QColor &color)
{
    m_textColor = color;
    updateTextColor();
}

void NumberEdit::updateTextColor()
{
    QPalette p = palette();
    QColor c = m_hasFocus ? kFocusText : m_textColor;
    if (!c.isValid())
        c = QPalette().color(QPalette::Text);
    p.setColor(QPalette::Text, c);
    setPalette(p);
}

void NumberEdit::focusInEvent(QFocusEvent *event)
{
    m_hasFocus = true;
    updateTextColor();
    QLineEdit::focusInEvent(event);
}

void NumberEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // Another window or a popup taking the activation is no exit: the focus comes back here.
    const auto reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    // A focus handed on inside another field's exit handler never arrived here: no exit.
    if (!m_hasFocus)
        return;
    m_hasFocus = false;
    updateTextColor();
    if (m_role == Role::Input && !isReadOnly())
        formatOnLeave();
    Q_EMIT exited();
}

void NumberEdit::formatOnLeave()
{
    setNumberText(text().trimmed().isEmpty() ? QStringLiteral("0") : text());
    if (m_minimum == 0 && m_maximum == 0)
        return;
    if (lenient() < m_minimum)
        setNumber(m_minimum);
    if (lenient() > m_maximum)
        setNumber(m_maximum);
}

void NumberEdit::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    if (!isReadOnly() && typed.size() == 1 && typed.at(0).isPrint() &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        QChar c = typed.at(0);
        if (c == u'.' && (event->modifiers() & Qt::KeypadModifier))
            c = u','; // the keypad's decimal key
        if (c >= u'0' && c <= u'9') {
            QLineEdit::keyPressEvent(event);
            return;
        }
        if (c == u',') {
            QString rest = text();
            if (hasSelectedText())
                rest.remove(selectionStart(), selectedText().size());
            if (!rest.contains(u',')) {
                if (rest.isEmpty()) {
                    selectAll();
                    insert(QStringLiteral("0,"));
                } else {
                    insert(QStringLiteral(","));
                }
            }
        }
        event->accept(); // anything else (minus, letters, points) is refused
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumberEdit::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    if (!m_borderColor.isValid())
        return;
    QPainter painter(this);
    painter.setPen(QPen(m_borderColor, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}
