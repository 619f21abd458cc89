#include "about/program_page.h"

#include "app/programicon.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const QColor kNavy(0, 0, 128);

QLabel *navyLabel(const QString &name, const QString &text, int pointSize)
{
    auto *label = new QLabel(text);
    label->setObjectName(name);
    QFont f(QStringLiteral("Tahoma"), pointSize);
    f.setBold(true);
    label->setFont(f);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, kNavy);
    label->setPalette(p);
    return label;
}

} // namespace

ProgramInfoPage::ProgramInfoPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("stp_Programm"));

    // lowered outside, raised inside
    auto *panel = new QFrame;
    panel->setObjectName(QStringLiteral("p_Programminfo"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *inner = new QFrame;
    inner->setFrameStyle(QFrame::Panel | QFrame::Raised);

    m_icon = new QLabel;
    m_icon->setObjectName(QStringLiteral("ProgramIcon"));
    m_icon->setFixedSize(65, 57);
    m_icon->setScaledContents(true);
    // the 48 × 48 program icon, stretched to the box
    m_icon->setPixmap(programIcon().pixmap(48, 48));

    m_productName = navyLabel(QStringLiteral("l_ProductName"), QStringLiteral("Tarvolo"), 12);
    m_version = navyLabel(QStringLiteral("l_Version"), QStringLiteral("Version: "), 8);
    m_copyright = navyLabel(QStringLiteral("Copyright"),
                            QStringLiteral("Copyright © Pelvar. Alle Rechte vorbehalten."), 8);
    m_comments = navyLabel(QStringLiteral("Comments"), QStringLiteral("Programmbeschreibung"), 8);

    m_kommentar = new QTextBrowser;
    m_kommentar->setObjectName(QStringLiteral("re_Kommentar"));
    m_kommentar->setReadOnly(true);
    m_kommentar->setFixedSize(657, 233);
    m_kommentar->setFont(QFont(QStringLiteral("Tahoma"), 8));
    QPalette p = m_kommentar->palette();
    p.setColor(QPalette::Base, QColor(240, 240, 240));
    m_kommentar->setPalette(p);

    auto *head = new QGridLayout;
    head->setContentsMargins(0, 0, 0, 0);
    head->setHorizontalSpacing(12);
    head->setVerticalSpacing(2);
    head->addWidget(m_icon, 0, 0, 3, 1, Qt::AlignTop | Qt::AlignLeft);
    head->addWidget(m_productName, 0, 1);
    head->addWidget(m_version, 1, 1);
    head->addWidget(m_copyright, 2, 1);
    head->setColumnStretch(1, 1);

    auto *innerLayout = new QVBoxLayout(inner);
    innerLayout->setContentsMargins(0, 0, 0, 0);
    innerLayout->setSpacing(2);
    innerLayout->addLayout(head);
    innerLayout->addStretch();
    innerLayout->addWidget(m_comments);
    innerLayout->addWidget(m_kommentar, 0, Qt::AlignLeft | Qt::AlignBottom);

    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(1, 1, 1, 1);
    panelLayout->addWidget(inner);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);
}
