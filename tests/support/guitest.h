#pragma once

#include "app/settings.h"
#include "app/startup.h"

#include <QApplication>
#include <QTest>
#include <memory>

class Tf_Menue;

namespace testsupport {

// Settings for a test run: the built executable, the update check pointed at a closed loopback
// port, short time-outs, a fixed clock.
StartupSettings testSettings();

// A loopback port on which nothing listens.
int closedPort();

// The real start-up of the program, offscreen, torn down by the destructor.
class Gui
{
public:
    explicit Gui(StartupSettings settings = testSettings());
    ~Gui();

    Startup &startup() { return *m_startup; }
    Tf_Menue *menue() const;

    template <typename T = QWidget> T *find(const QString &name) const
    {
        T *w = qobject_cast<T *>(findObject(name));
        if (!w)
            qWarning("no control named %s", qPrintable(name));
        return w;
    }

    // Types into a control after giving it the focus by a mouse click (as the user does).
    void typeInto(const QString &name, const QString &text, bool selectAll = true);
    // Moves the focus on with Tab, as the user leaves a field.
    void pressTab();
    void click(const QString &name);
    // Waits until the update check has ended (or the time-out).
    bool waitForUpdateCheck(int timeoutMs = 15000);

private:
    QObject *findObject(const QString &name) const;
    std::unique_ptr<Startup> m_startup;
    bool m_updateDone = false;
};

void pinGermanLocale();

} // namespace testsupport
