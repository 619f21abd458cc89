#include "support/servers.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using testsupport::LoopbackServer;

// Closing the main window while the update check waits for its server ends the program at
// once: no waiting for the check, no abort of its running thread.
class TestCloseDuringCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void closing_the_window_ends_the_program_at_once();
};

void TestCloseDuringCheck::closing_the_window_ends_the_program_at_once()
{
    LoopbackServer silent(QStringLiteral("ftpserver.py"), {QStringLiteral("--bare")});
    QVERIFY2(silent.isReady(), qPrintable(silent.output()));

    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("TMPDIR"), temp.path());
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(TARVOLO_CLOSE_DURING_CHECK), {QString::number(silent.port())});
    QVERIFY(program.waitForStarted(5000));
    // the check is connected and waiting before the window closes
    QTRY_VERIFY_WITH_TIMEOUT(silent.output().contains(QStringLiteral("CONNECTED")), 5000);
    const bool ended = program.waitForFinished(2000 + 300);
    if (!ended) {
        program.kill();
        program.waitForFinished(3000);
    }
    const QString err = QString::fromLocal8Bit(program.readAllStandardError());
    QVERIFY2(ended, "the program did not end within 2 s of closing its window");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit); // no signal
    QCOMPARE(program.exitCode(), 0);
    QVERIFY2(!err.contains(QStringLiteral("QThread")), qPrintable(err));
    QVERIFY2(!err.contains(QStringLiteral("Destroyed")), qPrintable(err));
    // a check that never received a byte leaves no download behind
    const QStringList left =
        QDir(temp.path()).entryList({QStringLiteral("Tarvolo-*")}, QDir::Files);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(u' ')));
}

QTEST_GUILESS_MAIN(TestCloseDuringCheck)
#include "test_close_during_check.moc"
