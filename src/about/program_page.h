#pragma once

#include <QWidget>

class QLabel;
class QTextBrowser;

// The page "Über das Programm": icon, product label, version, maker and the description.
class ProgramInfoPage : public QWidget
{
    Q_OBJECT

public:
    explicit ProgramInfoPage(QWidget *parent = nullptr);

    QLabel *ProgramIcon() const { return m_icon; }
    QLabel *l_ProductName() const { return m_productName; }
    QLabel *l_Version() const { return m_version; }
    QLabel *Copyright() const { return m_copyright; }
    QLabel *Comments() const { return m_comments; }
    QTextBrowser *re_Kommentar() const { return m_kommentar; }

private:
    QLabel *m_icon;
    QLabel *m_productName;
    QLabel *m_version;
    QLabel *m_copyright;
    QLabel *m_comments;
    QTextBrowser *m_kommentar;
};
