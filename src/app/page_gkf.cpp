#include "app/page_gkf.h"

#include "app/inputcheck.h"
#include "app/numberedit.h"

#include <QCheckBox>
#include <QVBoxLayout>

DowntimePage::DowntimePage(InputCheck &check, QWidget *parent) : QWidget(parent), m_check(check)
{
    setObjectName(QStringLiteral("stp_GFK"));
    m_seitenwechsel = new QCheckBox(QStringLiteral("Seitenwechsel"), this);
    m_seitenwechsel->setObjectName(QStringLiteral("cb_GKF_Seitenwechsel"));
    m_seitenwechsel->hide();
    m_wochenstunden = new NumberEdit(QStringLiteral("le_GKF_Wochenstunden"), 2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_wochenstunden);
    layout->addStretch();
}

void DowntimePage::collapseSections() {}
