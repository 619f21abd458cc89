#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTextEdit;

// The page "Update": progress of the check's downloads, local and server version, and
// everything the check reported ("Update Info").
class Tfr_update : public QWidget
{
    Q_OBJECT

public:
    explicit Tfr_update(QWidget *parent = nullptr);

    QWidget *p_UD_open() const { return m_top; }
    QPushButton *b_Neue_Version() const { return m_button; }
    QProgressBar *pb_Update() const { return m_progress; }
    QLineEdit *le_neue_Versionsnummer() const { return m_server; }
    QLineEdit *le_Lokalversion() const { return m_local; }
    QTabWidget *pc_Update() const { return m_pages; }
    QWidget *ts_UpdateInfo() const { return m_infoPage; }
    QTextEdit *re_UpdateInfo() const { return m_info; }

    // Update Info: emptied, or one more paragraph, always as plain text (the lines come from
    // a server and must not be read as markup).
    void clearInfo();
    void appendInfo(const QString &line);

private:
    QLineEdit *labelledEdit(const QString &name, const QString &label, int x);

    QWidget *m_top;
    QPushButton *m_button;
    QProgressBar *m_progress;
    QLineEdit *m_server;
    QLineEdit *m_local;
    QTabWidget *m_pages;
    QWidget *m_infoPage;
    QTextEdit *m_info;
    bool m_hasParagraph = false;
};
