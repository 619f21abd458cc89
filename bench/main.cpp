// `make bench`: how fast and how light the real program is, offscreen, against its budgets.
// It reports; it never fails on a figure.
#include "figures.h"
#include "startup_child.h"
#include "window_figures.h"

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr double kStartupBudgetMs = 60;
constexpr double kKeystrokeBudgetMs = 1;
constexpr double kPageSwitchBudgetMs = 5;
constexpr double kScreenshotBudgetMs = 60;
constexpr double kMemoryBudgetMiB = 60;

constexpr int kStartupRuns = 11;
constexpr int kKeystrokes = 301;
constexpr int kRounds = 101;
constexpr int kScreenshots = 15;

struct ChildFigures
{
    QList<double> startupMs;
    QList<double> peakMiB;
};

// Each start-up in a fresh process of this program, so no run inherits another's caches.
ChildFigures runStartupChildren(const QString &self, int runs)
{
    static const QRegularExpression line(QStringLiteral(R"(startup_ms=(\S+) peak_kib=(\S+))"));
    ChildFigures figures;
    for (int i = 0; i < runs + 1; ++i) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(self, {QStringLiteral("--child"), QStringLiteral("startup")});
        if (!child.waitForFinished(30000) || child.exitCode() != 0) {
            std::fprintf(stderr, "start-up child %d failed\n", i);
            continue;
        }
        const auto m = line.match(QString::fromLocal8Bit(child.readAllStandardOutput()));
        if (!m.hasMatch() || m.captured(1).toDouble() < 0) {
            std::fprintf(stderr, "start-up child %d did not report\n", i);
            continue;
        }
        if (i == 0)
            continue; // warm-up: the disk cache and fontconfig's cache filled once
        figures.startupMs.append(m.captured(1).toDouble());
        figures.peakMiB.append(m.captured(2).toDouble() / 1024);
    }
    return figures;
}

QtMessageHandler previousHandler = nullptr;

// Offscreen's own chatter, which says nothing about the program.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (text.contains(QLatin1String("propagateSizeHints")) ||
        text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    previousHandler(type, context, text);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    previousHandler = qInstallMessageHandler(quietHandler);
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0 && std::strcmp(argv[2], "startup") == 0)
        bench::runStartupChild(argc, argv);

    QApplication app(argc, argv);
    // screenshots land in a folder of their own, removed at the end
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    std::printf("Tarvolo, offscreen; medians of %d start-ups, %d keystrokes, %d rounds of page "
                "switches, %d screenshots\n",
                kStartupRuns, kKeystrokes, kRounds, kScreenshots);
    const ChildFigures children =
        runStartupChildren(QCoreApplication::applicationFilePath(), kStartupRuns);
    bench::report("start-up", bench::median(children.startupMs), kStartupBudgetMs, "ms");

    const bench::WindowFigures w = bench::measureWindowFigures(kKeystrokes, kRounds, kScreenshots);
    bench::report("keystroke", bench::median(w.keystroke), kKeystrokeBudgetMs, "ms");
    // a switch is as fast as the slowest of the three
    double slowest = -1;
    for (const QList<double> &each : w.pageSwitch)
        slowest = std::max(slowest, bench::median(each));
    bench::report("page switch", slowest, kPageSwitchBudgetMs, "ms",
                  QStringLiteral("to Stundenlohnberechnung %1, to Urlaub %2, back %3 ms; "
                                 "the round %4 ms")
                      .arg(bench::median(w.pageSwitch[0]), 0, 'f', 2)
                      .arg(bench::median(w.pageSwitch[1]), 0, 'f', 2)
                      .arg(bench::median(w.pageSwitch[2]), 0, 'f', 2)
                      .arg(bench::median(w.pageRound), 0, 'f', 2));
    bench::report("screenshot", bench::median(w.screenshot), kScreenshotBudgetMs, "ms");
    bench::report("peak memory", bench::median(children.peakMiB), kMemoryBudgetMiB, "MiB");
    data.remove(); // quick_exit runs no destructors
    std::fflush(nullptr);
    // the windows go with the process, as in the program
    std::quick_exit(0);
}
