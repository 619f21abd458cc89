#pragma once

#include <QWidget>

class MailClient;
class MailMessage;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

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

    // The mail client and message of the component container, which outlives the page.
    void setMailComponents(MailClient *client, MailMessage *message);

    QLineEdit *le_Programmname() const { return m_programmname; }
    QLineEdit *le_Programmversion() const { return m_programmversion; }
    QComboBox *cb_Modul() const { return m_modul; }
    QRadioButton *rb_Wunsch() const { return m_wunsch; }
    QRadioButton *rb_Fehler() const { return m_fehler; }
    QCheckBox *cb_Bildschirmfoto() const { return m_bildschirmfoto; }
    QLineEdit *le_eigene_mail() const { return m_eigeneMail; }
    QLabel *l_Beschreibung() const { return m_beschreibungLabel; }
    QPlainTextEdit *m_Beschreibung() const { return m_beschreibung; }
    QPushButton *b_Versenden() const { return m_versenden; }

    // The subject as the page stands: kind, product, version and module.
    QString mailSubject() const;

public Q_SLOTS:
    void rb_WunschClick();
    void rb_FehlerClick();
    void cb_BildschirmfotoClick();
    void b_VersendenClick();

private:
    QFrame *buildProgramInfos();
    QFrame *buildArt();
    QFrame *buildModul();
    QFrame *buildVersenden();
    void composeMessage();

    FeedbackContext &m_context;
    MailClient *m_client = nullptr;
    MailMessage *m_message = nullptr;
    QLineEdit *m_programmname = nullptr;
    QLineEdit *m_programmversion = nullptr;
    QRadioButton *m_wunsch = nullptr;
    QRadioButton *m_fehler = nullptr;
    QCheckBox *m_bildschirmfoto = nullptr;
    QComboBox *m_modul = nullptr;
    QLineEdit *m_eigeneMail = nullptr;
    QLabel *m_beschreibungLabel = nullptr;
    QPlainTextEdit *m_beschreibung = nullptr;
    QPushButton *m_versenden = nullptr;
};
