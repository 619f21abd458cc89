#include "update/controlfile.h"
#include "update/textpieces.h"
#include "update/version.h"
#include "update/webupdate.h"

#include <QTest>

// The text rules of the update page and the component, without windows or network.
class TestUpdateParse : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void piece_taking_data();
    void piece_taking();
    void versions_of_the_compare_line_data();
    void versions_of_the_compare_line();
    void version_compare_data();
    void version_compare();
    void control_file_data();
    void control_file();
};

void TestUpdateParse::piece_taking_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("piece");
    const QString abc = QStringLiteral("abcdef");
    QTest::newRow("from 1, 3 chars") << abc << 1 << 3 << QStringLiteral("abc");
    QTest::newRow("middle") << abc << 3 << 2 << QStringLiteral("cd");
    QTest::newRow("start 0 counts as 1") << abc << 0 << 2 << QStringLiteral("ab");
    QTest::newRow("negative start counts as 1") << abc << -5 << 2 << QStringLiteral("ab");
    QTest::newRow("last char") << abc << 6 << 1 << QStringLiteral("f");
    QTest::newRow("start past the end") << abc << 7 << 1 << QString();
    QTest::newRow("count 0") << abc << 2 << 0 << QString();
    QTest::newRow("negative count") << abc << 2 << -1 << QString();
    QTest::newRow("count past the end stops") << abc << 4 << 100 << QStringLiteral("def");
    QTest::newRow("huge count") << abc << 1 << INT_MAX << abc;
    QTest::newRow("empty text") << QString() << 1 << 1 << QString();
}

void TestUpdateParse::piece_taking()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, count);
    QFETCH(QString, piece);
    QCOMPARE(TextPieces::Copy(text, start, count), piece);
}

void TestUpdateParse::versions_of_the_compare_line_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("local");
    QTest::addColumn<QString>("server");
    const QString path = QStringLiteral("/opt/tarvolo/tarvolo");
    QTest::newRow("as the component builds it")
        << TWebUpdate::versionCompareLine(path, QStringLiteral("1.0.0.0"),
                                          QStringLiteral("Tarvolo 2.0"), QStringLiteral("2.0.0.0"))
        << QStringLiteral("1.0.0.0") << QStringLiteral("Tarvolo 2.0");
    QTest::newRow("path with colons")
        << TWebUpdate::versionCompareLine(QStringLiteral("/a:b/c:d/tarvolo"),
                                          QStringLiteral("1.2.3.4"), QStringLiteral("1.3"),
                                          QStringLiteral("1.3.0.0"))
        << QStringLiteral("1.2.3.4") << QStringLiteral("1.3");
    QTest::newRow("program without a stamp")
        << TWebUpdate::versionCompareLine(path, QString(), QStringLiteral("2.0"),
                                          QStringLiteral("2.0.0.0"))
        << QString() << QStringLiteral("2.0");
    QTest::newRow("no colon within 100 characters leaves Server empty")
        << QStringLiteral("Version check : Version compare of %1:1.0.0.0 with %2:2.0.0.0")
               .arg(path, QString(100, u'x'))
        << QStringLiteral("1.0.0.0") << QString();
    QTest::newRow("colon as the 100th character")
        << QStringLiteral("Version check : Version compare of %1:1.0.0.0 with %2:2.0.0.0")
               .arg(path, QString(99, u'x'))
        << QStringLiteral("1.0.0.0") << QString(99, u'x');
    QTest::newRow("text full of colons: the part before the first")
        << TWebUpdate::versionCompareLine(path, QStringLiteral("1.0.0.0"), QStringLiteral("::a:b"),
                                          QStringLiteral("2.0.0.0"))
        << QStringLiteral("1.0.0.0") << QString();
    QTest::newRow("nothing behind with")
        << QStringLiteral("Version check : Version compare of x:1.0.0.0 with ")
        << QStringLiteral("1.0.0.0") << QString();
    QTest::newRow("no with at all names neither")
        << QStringLiteral("Version check : Version compare of x:1.0.0.0") << QString() << QString();
}

void TestUpdateParse::versions_of_the_compare_line()
{
    QFETCH(QString, line);
    QFETCH(QString, local);
    QFETCH(QString, server);
    QVERIFY(isVersionCompareLine(line));
    const VersionLineVersions v = versionsOfCompareLine(line);
    QCOMPARE(v.local, local);
    QCOMPARE(v.server, server);
}

void TestUpdateParse::version_compare_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("order");
    QTest::newRow("equal") << "1.0.0.0"
                           << "1.0.0.0" << 0;
    QTest::newRow("build newer") << "1.0.0.1"
                                 << "1.0.0.0" << 1;
    QTest::newRow("minor older") << "1.0.9.9"
                                 << "1.1.0.0" << -1;
    QTest::newRow("numbers, not text: 10 > 9") << "1.10.0.0"
                                               << "1.9.0.0" << 1;
    QTest::newRow("major decides") << "2.0.0.0"
                                   << "1.65535.65535.65535" << 1;
    QTest::newRow("no stamp counts as 0.0.0.0") << "0.0.0.1"
                                                << "" << 1;
    QTest::newRow("missing file -1 counts as 0.0.0.0") << "0.0.0.0"
                                                       << "-1" << 0;
    QTest::newRow("three numbers are no version") << "1.0.0"
                                                  << "0.0.0.0" << 0;
    QTest::newRow("too large a number is no version") << "65536.0.0.0"
                                                      << "0.0.0.0" << 0;
}

void TestUpdateParse::version_compare()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, order);
    QCOMPARE(FourNumbers::compare(a, b), order);
    QCOMPARE(FourNumbers::compare(b, a), -order);
}

void TestUpdateParse::control_file_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("text");     // announced text, or the error when not ok
    QTest::addColumn<QString>("whatsNew"); // or "" when not ok
    QTest::addColumn<int>("files");

    QTest::newRow("full") << QByteArray(
                                 "; comment\r\n[Version]\r\nText=Tarvolo 2.0\r\n"
                                 "Number=2.0.0.0\r\nDate=01/02/2027\r\n[WhatsNew]\r\n"
                                 "File=whatsnew.txt\r\n[Files]\r\nCount=1\r\nFile1=tarvolo\r\n"
                                 "Size1=1234\r\n")
                          << true << "Tarvolo 2.0"
                          << "whatsnew.txt" << 1;
    QTest::newRow("keys and sections in any case, text defaults to the number")
        << QByteArray("[VERSION]\nnumber = 1.2.3.4\n") << true << "1.2.3.4"
        << "" << 0;
    QTest::newRow("BOM") << QByteArray("\xEF\xBB\xBF[Version]\nNumber=1.0.0.1\n") << true
                         << "1.0.0.1"
                         << "" << 0;
    QTest::newRow("text full of colons")
        << QByteArray("[Version]\nText=:::::\nNumber=2.0.0.0\n") << true << ":::::"
        << "" << 0;
    QTest::newRow("empty file") << QByteArray() << false << "no version number in [Version]"
                                << "" << 0;
    QTest::newRow("not INI at all")
        << QByteArray("<html>hello</html>") << false << "line 1 is no key=value in a section"
        << "" << 0;
    QTest::newRow("broken section header")
        << QByteArray("[Version\nNumber=1.0.0.0\n") << false << "line 1 is no section header"
        << "" << 0;
    QTest::newRow("key before any section")
        << QByteArray("Number=1.0.0.0\n") << false << "line 1 is no key=value in a section"
        << "" << 0;
    QTest::newRow("version not four numbers") << QByteArray("[Version]\nNumber=2.0\n") << false
                                              << "version number \"2.0\" is not four numbers"
                                              << "" << 0;
    QTest::newRow("version with colons") << QByteArray("[Version]\nNumber=1:2:3:4\n") << false
                                         << "version number \"1:2:3:4\" is not four numbers"
                                         << "" << 0;
    QTest::newRow("binary") << QByteArray("[Version]\nNumber=1.0.0.0\n\0\0", 28) << false
                            << "not a text file"
                            << "" << 0;
    QTest::newRow("what's-new leaving its folder")
        << QByteArray("[Version]\nNumber=2.0.0.0\n[WhatsNew]\nFile=../../etc/passwd\n") << false
        << "what's-new file \"../../etc/passwd\" is no plain file name"
        << "" << 0;
    QTest::newRow("file count not a number")
        << QByteArray("[Version]\nNumber=2.0.0.0\n[Files]\nCount=many\n") << false
        << "file count \"many\" is no number from 0 to 1000"
        << "" << 0;
    QTest::newRow("file count huge")
        << QByteArray("[Version]\nNumber=2.0.0.0\n[Files]\nCount=99999999999\n") << false
        << "file count \"99999999999\" is no number from 0 to 1000"
        << "" << 0;
    QTest::newRow("listed file missing")
        << QByteArray("[Version]\nNumber=2.0.0.0\n[Files]\nCount=2\nFile1=a\n") << false
        << "File2 \"\" is no plain file name"
        << "" << 0;
}

void TestUpdateParse::control_file()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, ok);
    QFETCH(QString, text);
    QFETCH(QString, whatsNew);
    QFETCH(int, files);
    QString error;
    const auto cf = ControlFile::parse(data, &error);
    QCOMPARE(cf.has_value(), ok);
    if (!ok) {
        QCOMPARE(error, text);
        return;
    }
    QCOMPARE(cf->versionText, text);
    QCOMPARE(cf->whatsNewFile, whatsNew);
    QCOMPARE(cf->files.size(), files);
}

QTEST_GUILESS_MAIN(TestUpdateParse)
#include "test_update_parse.moc"
