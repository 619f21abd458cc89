#include "about/feedback_page.h"

#include "about/blockingwait.h"
#include "about/mailcomponents.h"
#include "app/errorreport.h"
#include "app/messageboxes.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QVBoxLayout>
#include <stdexcept>

namespace {

QFrame *panel(const char *name, int height)
{
    auto *p = new QFrame;
    p->setObjectName(QString::fromLatin1(name));
    p->setFixedHeight(height);
    return p;
}

QLabel *labelFor(const QString &text, QWidget *buddy)
{
    auto *l = new QLabel(text);
    l->setBuddy(buddy);
    return l;
}

} // namespace

FeedbackPage::FeedbackPage(FeedbackContext &context, QWidget *parent)
    : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("stp_Wunsch"));

    auto *vorschlaege = new QFrame;
    vorschlaege->setObjectName(QStringLiteral("p_Vorschlaege"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(vorschlaege);

    m_beschreibungLabel = new QLabel(QStringLiteral("Wunsch beschreiben"));
    m_beschreibungLabel->setObjectName(QStringLiteral("l_Beschreibung"));
    QFont bold = m_beschreibungLabel->font();
    bold.setBold(true);
    m_beschreibungLabel->setFont(bold);
    QPalette navy = m_beschreibungLabel->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    m_beschreibungLabel->setPalette(navy);

    m_beschreibung = new QPlainTextEdit;
    m_beschreibung->setObjectName(QStringLiteral("m_Beschreibung"));
    m_beschreibung->setFont(QFont(QStringLiteral("Courier New"), 10));
    m_beschreibung->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_beschreibung->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_beschreibung->setTabChangesFocus(true);

    auto *layout = new QVBoxLayout(vorschlaege);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->setSpacing(0);
    layout->addWidget(buildProgramInfos());
    layout->addWidget(buildArt());
    layout->addWidget(buildModul());
    layout->addSpacing(2);
    layout->addWidget(m_beschreibungLabel);
    layout->addSpacing(2);
    layout->addWidget(m_beschreibung, 1);
    layout->addWidget(buildVersenden());

    onEvent(m_wunsch, &QRadioButton::clicked, this, [this] { rb_WunschClick(); });
    onEvent(m_fehler, &QRadioButton::clicked, this, [this] { rb_FehlerClick(); });
    onEvent(m_bildschirmfoto, &QCheckBox::clicked, this, [this] { cb_BildschirmfotoClick(); });
    onEvent(m_versenden, &QPushButton::clicked, this, [this] { b_VersendenClick(); });
}

QFrame *FeedbackPage::buildProgramInfos()
{
    QFrame *p = panel("p_Programminfos", 64);
    m_programmname = new QLineEdit;
    m_programmname->setObjectName(QStringLiteral("le_Programmname"));
    m_programmname->setReadOnly(true);
    m_programmversion = new QLineEdit;
    m_programmversion->setObjectName(QStringLiteral("le_Programmversion"));
    m_programmversion->setReadOnly(true);
    auto *grid = new QGridLayout(p);
    grid->setContentsMargins(4, 6, 4, 6);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(2);
    grid->addWidget(labelFor(QStringLiteral("Programmname"), m_programmname), 0, 0);
    grid->addWidget(m_programmname, 1, 0);
    grid->addWidget(labelFor(QStringLiteral("Programmversion"), m_programmversion), 0, 1);
    grid->addWidget(m_programmversion, 1, 1);
    return p;
}

QFrame *FeedbackPage::buildArt()
{
    QFrame *p = panel("p_Art", 24);
    m_wunsch = new QRadioButton(QStringLiteral("Wunsch"));
    m_wunsch->setObjectName(QStringLiteral("rb_Wunsch"));
    m_wunsch->setChecked(true);
    m_fehler = new QRadioButton(QStringLiteral("Fehler"));
    m_fehler->setObjectName(QStringLiteral("rb_Fehler"));
    m_bildschirmfoto = new QCheckBox(QStringLiteral("mit Bildschirmfoto der Anwendung"));
    m_bildschirmfoto->setObjectName(QStringLiteral("cb_Bildschirmfoto"));
    auto *row = new QHBoxLayout(p);
    row->setContentsMargins(4, 0, 4, 0);
    row->setSpacing(16);
    row->addWidget(m_wunsch);
    row->addWidget(m_fehler);
    row->addSpacing(24);
    row->addWidget(m_bildschirmfoto);
    row->addStretch();
    return p;
}

QFrame *FeedbackPage::buildModul()
{
    QFrame *p = panel("p_Modul", 32);
    m_modul = new QComboBox;
    m_modul->setObjectName(QStringLiteral("cb_Modul"));
    m_modul->setEditable(true);
    // the typed text is the module as it stands: not added to the list, not completed
    m_modul->setInsertPolicy(QComboBox::NoInsert);
    m_modul->setCompleter(nullptr);
    m_modul->setMaxVisibleItems(20);
    m_modul->setCurrentIndex(-1);
    m_modul->setEditText(QString());
    m_eigeneMail = new QLineEdit;
    m_eigeneMail->setObjectName(QStringLiteral("le_eigene_mail"));
    auto *row = new QHBoxLayout(p);
    row->setContentsMargins(4, 0, 4, 0);
    row->setSpacing(6);
    row->addWidget(labelFor(QStringLiteral("Modul"), m_modul));
    row->addWidget(m_modul, 1);
    row->addSpacing(16);
    row->addWidget(labelFor(QStringLiteral("Mail auch an mich"), m_eigeneMail));
    row->addWidget(m_eigeneMail, 1);
    return p;
}

QFrame *FeedbackPage::buildVersenden()
{
    QFrame *p = panel("p_Versenden", 25);
    m_versenden = new QPushButton(QStringLiteral("Versenden"));
    m_versenden->setObjectName(QStringLiteral("b_Versenden"));
    m_versenden->setAutoDefault(false);
    m_versenden->setFixedSize(90, 23);
    auto *row = new QHBoxLayout(p);
    row->setContentsMargins(0, 1, 0, 1);
    row->addStretch();
    row->addWidget(m_versenden);
    row->addStretch();
    return p;
}

void FeedbackPage::setMailComponents(MailClient *client, MailMessage *message)
{
    m_client = client;
    m_message = message;
}

QString FeedbackPage::mailSubject() const
{
    const QString kind =
        m_fehler->isChecked() ? QStringLiteral("Fehler: ") : QStringLiteral("Wunsch: ");
    return kind + m_context.productName() + QStringLiteral(" - ") + m_context.versionLabel() +
           QStringLiteral(" - ") + m_modul->currentText();
}

void FeedbackPage::rb_WunschClick()
{
    if (m_wunsch->isChecked())
        m_beschreibungLabel->setText(QStringLiteral("Wunsch beschreiben"));
}

void FeedbackPage::rb_FehlerClick()
{
    if (m_fehler->isChecked())
        m_beschreibungLabel->setText(QStringLiteral("Fehler beschreiben"));
}

void FeedbackPage::cb_BildschirmfotoClick()
{
    if (!m_bildschirmfoto->isChecked() || !m_context.screenshotPath().isEmpty())
        return;
    MessageBoxInfo question;
    question.icon = QMessageBox::Question;
    question.caption = QStringLiteral("Hínweis");
    question.text = QStringLiteral("Soll ein Foto der Anwendung gemacht werden?");
    question.buttons = QMessageBox::Yes | QMessageBox::No;
    if (MessageBoxes::show(window(), question) == QMessageBox::Yes)
        m_context.showScreenshotPage();
    else
        m_bildschirmfoto->setChecked(false);
}

void FeedbackPage::composeMessage()
{
    m_message->clear();
    FeedbackMail &mail = m_message->mail();
    const QString support = m_client->settings().supportMailbox;
    mail.sender = support;
    mail.recipients = FeedbackMailer::recipientList(support, m_eigeneMail->text());
    mail.subject = mailSubject();
    mail.bodyLines = m_beschreibung->toPlainText().split(u'\n');
    if (m_bildschirmfoto->isChecked())
        mail.attachmentPath = m_context.screenshotPath();
}

void FeedbackPage::b_VersendenClick()
{
    if (!m_client || !m_message)
        throw std::logic_error("Der Mail-Client ist nicht verfügbar");
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });

    QString error;
    try {
        composeMessage();
        const ComposedMail mail = m_message->compose();
        const MailClient *client = m_client;
        error = runWhileInputBlocked([client, mail] { return client->send(mail); });
    } catch (const MailError &e) {
        error = e.text();
    }

    MessageBoxInfo box;
    box.buttons = QMessageBox::Ok;
    if (!error.isEmpty()) {
        // shown while the busy cursor is still on; the connection is already closed
        box.icon = QMessageBox::Critical;
        box.caption = QStringLiteral("Verbindungsfehler!");
        box.text = error;
        MessageBoxes::show(window(), box);
        return;
    }
    restoreCursor.dismiss();
    QApplication::restoreOverrideCursor();
    box.icon = QMessageBox::Information;
    box.caption = QStringLiteral("Hinweis");
    box.text = QStringLiteral("Mail wurde versendet.");
    MessageBoxes::show(window(), box);
}
