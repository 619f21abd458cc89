#include "update/update_fr.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
constexpr int kTopHeight = 58;
constexpr int kEditHeight = 21;
} // namespace

Tfr_update::Tfr_update(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("fr_update1"));

    m_top = new QWidget(this);
    m_top->setObjectName(QStringLiteral("p_UD_open"));
    m_top->setFixedHeight(kTopHeight);

    m_button = new QPushButton(QStringLiteral("Update"), m_top);
    m_button->setObjectName(QStringLiteral("b_Neue_Version"));
    m_button->setGeometry(10, 10, 82, 25);
    // no action bound on the main window: a click changes nothing

    m_progress = new QProgressBar(m_top);
    m_progress->setObjectName(QStringLiteral("pb_Update"));
    m_progress->setGeometry(98, 13, 249, 16);
    m_progress->setMinimum(0);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);

    m_server = labelledEdit(QStringLiteral("le_neue_Versionsnummer"), QStringLiteral("Server"), 98);
    m_local = labelledEdit(QStringLiteral("le_Lokalversion"), QStringLiteral("Lokale"), 248);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pc_Update"));
    m_infoPage = new QWidget;
    m_infoPage->setObjectName(QStringLiteral("ts_UpdateInfo"));
    m_info = new QTextEdit(m_infoPage);
    m_info->setObjectName(QStringLiteral("re_UpdateInfo"));
    m_info->setFont(QFont(QStringLiteral("Tahoma"), 8));
    m_info->setAcceptRichText(false);
    auto *infoLayout = new QVBoxLayout(m_infoPage);
    infoLayout->setContentsMargins(0, 0, 0, 0);
    infoLayout->addWidget(m_info);
    m_pages->addTab(m_infoPage, QStringLiteral("Update Info"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_top);
    layout->addWidget(m_pages, 1);
}

QLineEdit *Tfr_update::labelledEdit(const QString &name, const QString &label, int x)
{
    auto *edit = new QLineEdit(m_top);
    edit->setObjectName(name);
    edit->setGeometry(x, 35, 99, kEditHeight);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::ClickFocus);
    QPalette p = edit->palette();
    p.setColor(QPalette::Base, QColor(192, 192, 192));
    edit->setPalette(p);
    auto *caption = new QLabel(label, m_top);
    caption->setObjectName(name + QStringLiteral("_EditLabel"));
    caption->setBuddy(edit);
    caption->adjustSize();
    caption->move(x - 3 - caption->width(), 35 + (kEditHeight - caption->height()) / 2);
    return edit;
}

void Tfr_update::clearInfo()
{
    m_info->clear();
    m_hasParagraph = false;
}

void Tfr_update::appendInfo(const QString &line)
{
    QTextCursor cursor(m_info->document());
    cursor.movePosition(QTextCursor::End);
    if (m_hasParagraph || !m_info->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(line);
    m_hasParagraph = true;
}
