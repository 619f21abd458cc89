#include "update/update_fr.h"

#include <QTextEdit>
#include <QVBoxLayout>

Tfr_update::Tfr_update(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("fr_update1"));
    m_info = new QTextEdit(this);
    m_info->setObjectName(QStringLiteral("re_UpdateInfo"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_info);
}
