#include "window_figures.h"

#include "figures.h"

#include "about/about_dlg.h"
#include "about/picturebox.h"
#include "about/screenshot_page.h"
#include "app/menue_f.h"
#include "app/messageboxes.h"
#include "app/numberedit.h"
#include "app/page_gkf.h"
#include "app/sectionbox.h"
#include "app/startup.h"
#include "app/tabpager.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>
#include <cstdio>

namespace bench {

namespace {

template <typename T = QWidget> T *control(QWidget *root, const char *name)
{
    T *w = root->findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no control named %s", name);
    return w;
}

// Types a value into a field as the user does (click, select all, type) and leaves it by Tab.
void enter(QWidget *root, const char *name, const QString &text)
{
    auto *w = control(root, name);
    w->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(w, text);
    QTest::keyClick(w, Qt::Key_Tab);
    QCoreApplication::processEvents();
}

void openSection(QWidget *root, const char *name)
{
    auto *box = control<SectionBox>(root, name);
    if (!box->isChecked())
        QTest::mouseClick(box, Qt::LeftButton, {}, box->checkBoxRect().center());
    QCoreApplication::processEvents();
    if (!box->isChecked())
        std::fprintf(stderr, "section %s did not open\n", name);
}

QStringList resultTexts(const QList<NumberEdit *> &results)
{
    QStringList texts;
    for (const NumberEdit *e : results)
        texts.append(e->text());
    return texts;
}

double elapsedMs(const QElapsedTimer &clock)
{
    return clock.nsecsElapsed() / 1e6;
}

// Every section filled: vacation, sick days, school, holidays; the result box open.
void fillDowntimePage(QWidget *page)
{
    enter(page, "le_GKF_Wochenstunden", QStringLiteral("38"));
    enter(page, "le_GKF_Arbeitstage", QStringLiteral("5"));
    openSection(page, "gb_GKF_Urlaub");
    enter(page, "le_GKF_Urlaubstage", QStringLiteral("30"));
    enter(page, "le_GKF_Krank", QStringLiteral("10"));
    openSection(page, "gb_GKF_Schule");
    enter(page, "le_GKF_Schulwochen", QStringLiteral("6"));
    openSection(page, "gb_GKF_Feiertage");
    enter(page, "le_GKF_Feiertage", QStringLiteral("11"));
    enter(page, "le_GKF_verrechnet", QStringLiteral("30"));
}

// Weekly hours "3" → "38" or "39": the digit typed is the keystroke measured; the backspace
// after it, that brings "3" back, is not.
QList<double> measureKeystrokes(QWidget *page, int repetitions)
{
    auto *hours = control<NumberEdit>(page, "le_GKF_Wochenstunden");
    QList<NumberEdit *> results;
    for (NumberEdit *e : page->findChildren<NumberEdit *>()) {
        if (e->role() == NumberEdit::Role::Result)
            results.append(e);
    }
    hours->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    QTest::keyClick(hours, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(hours, Qt::Key_3);
    QCoreApplication::processEvents();

    QStringList expected[2];
    QList<double> times;
    int unchanged = 0;
    for (int i = 0; i < repetitions + 2; ++i) {
        const QStringList before = resultTexts(results);
        const int which = i % 2;
        const Qt::Key digit = which ? Qt::Key_9 : Qt::Key_8;

        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(hours, digit);
        QCoreApplication::processEvents(); // shown: the fields repainted
        const double ms = elapsedMs(clock);

        const QStringList after = resultTexts(results);
        if (hours->text() != QLatin1String(which ? "39" : "38"))
            std::fprintf(stderr, "weekly hours show %s\n", qPrintable(hours->text()));
        QTest::keyClick(hours, Qt::Key_Backspace);
        QCoreApplication::processEvents();
        if (i < 2) {
            expected[which] = after; // the first two are warm-up, and the reference
            continue;
        }
        if (after != expected[which])
            std::fprintf(stderr, "keystroke %d: results differ from the first run\n", i);
        unchanged += after == before;
        times.append(ms);
    }
    if (unchanged)
        std::fprintf(stderr, "%d keystrokes left the results unchanged\n", unchanged);
    return times;
}

// Each switch timed on its own, until the new page is shown; a round is the three of them.
void measurePageSwitches(TabPager *pager, int rounds, WindowFigures &figures)
{
    const int order[] = {Tf_Menue::PageStundenlohn, Tf_Menue::PageUrlaub, Tf_Menue::PageAusfall};
    for (int r = 0; r < rounds + 1; ++r) {
        double round = 0;
        for (int i = 0; i < 3; ++i) {
            QElapsedTimer clock;
            clock.start();
            pager->selectPage(order[i]);
            QCoreApplication::processEvents(); // shown
            const double ms = elapsedMs(clock);
            if (pager->currentIndex() != order[i])
                std::fprintf(stderr, "page %d not selected\n", order[i]);
            round += ms;
            if (r > 0) // the first round is warm-up
                figures.pageSwitch[i].append(ms);
        }
        if (r > 0)
            figures.pageRound.append(round);
    }
}

QList<double> measureScreenshots(Tdlg_about *about, int runs)
{
    about->stp_about()->setCurrentIndex(Tdlg_about::PageBildschirmfoto);
    about->show();
    QCoreApplication::processEvents();
    ScreenshotPage *page = about->stp_Bildschirmfoto();
    QList<double> times;
    for (int r = 0; r < runs + 1; ++r) {
        page->i_Bildschirmfoto()->setPicture(QImage());
        QElapsedTimer clock;
        clock.start();
        page->b_Bildschirmfoto()->click();
        QCoreApplication::processEvents(); // shown
        const double ms = elapsedMs(clock);
        if (page->i_Bildschirmfoto()->picture().isNull() ||
            !QFileInfo(page->e_Bildverzeichnis()->text()).isFile())
            std::fprintf(stderr, "screenshot %d: no picture\n", r);
        if (r > 0)
            times.append(ms);
    }
    about->hide();
    return times;
}

} // namespace

WindowFigures measureWindowFigures(int keystrokes, int rounds, int screenshots)
{
    // a box would wait for a user who is not there
    MessageBoxes::setAnswerer([](const MessageBoxInfo &info) {
        std::fprintf(stderr, "message box: %s\n", qPrintable(info.text));
        return QMessageBox::Ok;
    });
    const StartupSettings settings = benchSettings();
    WindowFigures figures;
    auto *startup = new Startup(settings); // goes with the process, as in the program
    startup->create();
    Tf_Menue *menue = startup->f_Menue();
    if (!QTest::qWaitForWindowActive(menue))
        std::fprintf(stderr, "main window not active\n");

    QWidget *page = menue->stp_GFK();
    fillDowntimePage(page);
    figures.keystroke = measureKeystrokes(page, keystrokes);
    measurePageSwitches(menue->stp_Gesamt(), rounds, figures);
    figures.screenshot = measureScreenshots(startup->dlg_about(), screenshots);
    return figures;
}

} // namespace bench
