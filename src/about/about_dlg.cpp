#include "about/about_dlg.h"

#include <QTabWidget>
#include <QVBoxLayout>

Tdlg_about::Tdlg_about(const StartupSettings &settings, QWidget *parent)
    : QDialog(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("dlg_about"));
    setWindowTitle(QStringLiteral("Über das Programm"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("stp_about"));
    const char *names[] = {"stp_Bildschirmfoto", "stp_Video", "stp_Wunsch", "stp_Programm"};
    const QString captions[] = {QStringLiteral("Bildschirmfoto"), QStringLiteral("Video"),
                                QStringLiteral("Fehler/Wunsch"),
                                QStringLiteral("Über das Programm")};
    m_wunsch = new FeedbackPage(*this);
    for (int i = 0; i < 4; ++i) {
        QWidget *page = i == 2 ? m_wunsch : new QWidget;
        page->setObjectName(QString::fromLatin1(names[i]));
        m_pages->addTab(page, captions[i]);
    }
    m_pages->setCurrentIndex(2);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages);
    setFixedSize(667, 368);
}

void Tdlg_about::start(quint8 byRegister)
{
    m_pages->setCurrentIndex(byRegister);
    exec();
}

void Tdlg_about::fillProgramFields(const QString &programName, const QString &versionPanelText,
                                   const QStringList &modules)
{
    Q_UNUSED(programName);
    Q_UNUSED(versionPanelText);
    Q_UNUSED(modules);
}

void Tdlg_about::showScreenshotPage()
{
    m_pages->setCurrentIndex(0);
}
