#pragma once

#include <QComboBox>

// The editable list of federal states. It reports clicks and the closing of its list, which a
// plain combo box does not, and leaves the typed text alone: no inserting on Enter, no
// completing.
class StateCombo : public QComboBox
{
    Q_OBJECT

public:
    explicit StateCombo(const QString &name, QWidget *parent = nullptr);

    void hidePopup() override;

Q_SIGNALS:
    void clicked();
    void closedUp();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
