#include "about/feedback_page.h"

#include <QComboBox>
#include <QLineEdit>
#include <QVBoxLayout>

FeedbackPage::FeedbackPage(FeedbackContext &context, QWidget *parent)
    : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("stp_Wunsch"));
    m_programmname = new QLineEdit;
    m_programmname->setObjectName(QStringLiteral("le_Programmname"));
    m_programmname->setReadOnly(true);
    m_programmversion = new QLineEdit;
    m_programmversion->setObjectName(QStringLiteral("le_Programmversion"));
    m_programmversion->setReadOnly(true);
    m_modul = new QComboBox;
    m_modul->setObjectName(QStringLiteral("cb_Modul"));
    m_modul->setEditable(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_programmname);
    layout->addWidget(m_programmversion);
    layout->addWidget(m_modul);
    layout->addStretch();
}
