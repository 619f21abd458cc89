#include "app/statecombo.h"

#include <QEvent>
#include <QLineEdit>

StateCombo::StateCombo(const QString &name, QWidget *parent) : QComboBox(parent)
{
    setObjectName(name);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // matching is exact: no inline completion that would turn "bay" into "Bayern"
    setCompleter(nullptr);
    installEventFilter(this);
    lineEdit()->installEventFilter(this);
}

void StateCombo::hidePopup()
{
    QComboBox::hidePopup();
    Q_EMIT closedUp();
}

bool StateCombo::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == this || watched == lineEdit()) && event->type() == QEvent::MouseButtonPress)
        Q_EMIT clicked();
    return QComboBox::eventFilter(watched, event);
}
