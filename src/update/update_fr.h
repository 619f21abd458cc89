#pragma once

#include <QWidget>

class QTextEdit;

// The page "Update": progress, local and server version and what the update check reported.
class Tfr_update : public QWidget
{
    Q_OBJECT

public:
    explicit Tfr_update(QWidget *parent = nullptr);

    QTextEdit *re_UpdateInfo() const { return m_info; }

private:
    QTextEdit *m_info;
};
