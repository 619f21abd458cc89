#include "app/page_urlaub.h"

#include "app/numberedit.h"

#include <QDateEdit>
#include <QVBoxLayout>

VacationPage::VacationPage(const StartupSettings &settings, QWidget *parent)
    : QWidget(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("stp_Urlaub"));
    m_standard = new NumberEdit(QStringLiteral("le_U_Standard"), 2);
    m_bis = new QDateEdit(QDate(2023, 3, 27));
    m_bis->setObjectName(QStringLiteral("dtp_U_beschaeftigt_bis"));
    m_bis->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_standard);
    layout->addWidget(m_bis);
    layout->addStretch();
}

void VacationPage::p_Monat_berechnen() {}
