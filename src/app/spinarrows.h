#pragma once

#include <QWidget>

class QToolButton;

// A spin button: an up and a down arrow beside a field, stepping it by clicks.
class SpinArrows : public QWidget
{
    Q_OBJECT

public:
    explicit SpinArrows(const QString &name, QWidget *parent = nullptr);

    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }

Q_SIGNALS:
    void upClicked();
    void downClicked();

private:
    QToolButton *m_up;
    QToolButton *m_down;
};
