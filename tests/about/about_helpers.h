#pragma once

#include "app/menue_f.h"
#include "app/statusbar.h"
#include "support/guitest.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

namespace abouttest {

inline void clickStatusPanel(testsupport::Gui &gui, int panel)
{
    StatusBar *bar = gui.menue()->osb_Statusbar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->panel(panel)->geometry().center());
}

// Clicks the panel "Info"; whileOpen runs inside the dialog's modal run with the active modal
// widget, and the modal run is closed afterwards whatever whileOpen found.
inline void openAbout(testsupport::Gui &gui, const std::function<void(QWidget *)> &whileOpen)
{
    bool served = false;
    QTimer::singleShot(0, gui.menue(), [&] {
        served = true;
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        whileOpen(modal);
        if (QWidget *open = QApplication::activeModalWidget())
            open->close();
    });
    clickStatusPanel(gui, StatusBar::Info);
    QVERIFY(served);
    // offscreen gives the activation back to no window by itself
    gui.menue()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(gui.menue()));
}

inline void clickTab(QTabWidget *pager, int index)
{
    QTabBar *bar = pager->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

// Settings whose program file is a link to the built executable, named name, in folder.
inline StartupSettings linkedProgram(const QTemporaryDir &folder, const QString &name)
{
    StartupSettings s = testsupport::testSettings();
    const QString link = folder.filePath(name);
    if (!QFile::exists(link))
        QFile::link(QStringLiteral(TARVOLO_EXECUTABLE), link);
    s.programFile = link;
    return s;
}

} // namespace abouttest
