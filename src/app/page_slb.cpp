#include "app/page_slb.h"

#include "app/inputcheck.h"
#include "app/numberedit.h"

#include <QVBoxLayout>

HourlyRatePage::HourlyRatePage(InputCheck &check, QWidget *parent) : QWidget(parent), m_check(check)
{
    setObjectName(QStringLiteral("stp_SLB"));
    m_bruttolohn = new NumberEdit(QStringLiteral("le_SLB_Bruttolohn"), 2, calc::FieldKind::Money);
    m_wochenstunden = new NumberEdit(QStringLiteral("le_SLB_Wochenstunden"), 2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_bruttolohn);
    layout->addWidget(m_wochenstunden);
    layout->addStretch();
}
