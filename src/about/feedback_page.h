#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;

// What the page "Fehler/Wunsch" needs of the dialog around it.
class FeedbackContext
{
public:
    virtual ~FeedbackContext() = default;
    virtual QString screenshotPath() const = 0; // e_Bildverzeichnis; empty before the first
    virtual void showScreenshotPage() = 0;      // selects "Bildschirmfoto" (a page change)
    virtual QString productName() const = 0;    // caption of l_ProductName
    virtual QString versionLabel() const = 0;   // caption of l_Version
};

// The page "Fehler/Wunsch": a wish or an error report by mail to the maker.
class FeedbackPage : public QWidget
{
    Q_OBJECT

public:
    explicit FeedbackPage(FeedbackContext &context, QWidget *parent = nullptr);

    QLineEdit *le_Programmname() const { return m_programmname; }
    QLineEdit *le_Programmversion() const { return m_programmversion; }
    QComboBox *cb_Modul() const { return m_modul; }

private:
    FeedbackContext &m_context;
    QLineEdit *m_programmname;
    QLineEdit *m_programmversion;
    QComboBox *m_modul;
};
