#include "support/guitest.h"

#include "about/about_dlg.h"
#include "app/dbm_f.h"
#include "app/menue_f.h"
#include "update/uselcomp.h"

#include <QAbstractButton>
#include <QLocale>
#include <QTcpServer>

namespace testsupport {

void pinGermanLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

int closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const int port = probe.serverPort();
    probe.close();
    return port;
}

StartupSettings testSettings()
{
    pinGermanLocale();
    StartupSettings s = StartupSettings::defaults();
    s.programFile = QStringLiteral(TARVOLO_EXECUTABLE);
    s.updateHost = QStringLiteral("127.0.0.1");
    s.updatePort = closedPort();
    s.updateConnectTimeoutMs = 2000;
    s.updateTotalTimeoutMs = 5000;
    s.mailHost = QStringLiteral("127.0.0.1");
    s.mailPort = closedPort();
    s.mailConnectTimeoutMs = 2000;
    s.mailReplyTimeoutMs = 2000;
    s.website = QUrl();
    s.now = [] { return QDateTime(QDate(2026, 12, 11), QTime(12, 0, 0)); };
    return s;
}

Gui::Gui(StartupSettings settings) : m_startup(std::make_unique<Startup>(std::move(settings)))
{
    QObject::connect(m_startup.get(), &Startup::updateCheckFinished, m_startup.get(),
                     [this] { m_updateDone = true; });
    m_startup->create();
    QVERIFY2(QTest::qWaitForWindowActive(m_startup->f_Menue()), "main window not active");
}

Gui::~Gui() = default;

Tf_Menue *Gui::menue() const
{
    return m_startup->f_Menue();
}

QObject *Gui::findObject(const QString &name) const
{
    const QList<QWidget *> roots = {m_startup->f_Menue(), m_startup->dlg_about(),
                                    m_startup->f_dbm(), m_startup->selcomp()};
    for (QWidget *root : roots) {
        if (!root)
            continue;
        if (root->objectName() == name)
            return root;
        if (QObject *o = root->findChild<QObject *>(name))
            return o;
    }
    return nullptr;
}

void Gui::typeInto(const QString &name, const QString &text, bool selectAll)
{
    QWidget *w = find(name);
    QVERIFY2(w, qPrintable(name));
    if (!w->hasFocus()) {
        w->setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();
    }
    if (selectAll)
        QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(w, text);
}

void Gui::pressTab()
{
    QWidget *w = QApplication::focusWidget();
    QVERIFY2(w, "nothing has the focus");
    QTest::keyClick(w, Qt::Key_Tab);
}

void Gui::click(const QString &name)
{
    auto *b = find<QAbstractButton>(name);
    QVERIFY2(b, qPrintable(name));
    QTest::mouseClick(b, Qt::LeftButton);
}

bool Gui::waitForUpdateCheck(int timeoutMs)
{
    return QTest::qWaitFor([this] { return m_updateDone; }, timeoutMs);
}

} // namespace testsupport
