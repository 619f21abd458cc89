#include "about/about_dlg.h"
#include "about/picturebox.h"
#include "about/screenshot_page.h"
#include "about_helpers.h"
#include "app/messageboxes.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>
#include <memory>

using abouttest::openAbout;
using testsupport::Gui;

namespace {

// Mean absolute difference per pixel and colour channel, 0 to 255.
double meanDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB888);
    const QImage y = b.convertToFormat(QImage::Format_RGB888);
    if (x.size() != y.size())
        return 255;
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const uchar *p = x.constScanLine(row);
        const uchar *q = y.constScanLine(row);
        for (int i = 0; i < x.width() * 3; ++i)
            sum += std::abs(int(p[i]) - int(q[i]));
    }
    return sum / (double(x.width()) * x.height() * 3);
}

struct JpegFrame
{
    int startOfFrame = -1; // 0xC0 baseline, 0xC2 progressive
    int components = 0;
    int firstQuantizer = -1; // the DC entry of the first quantization table
};

JpegFrame jpegFrame(const QByteArray &data)
{
    JpegFrame frame;
    int i = 2; // after SOI
    while (i + 4 <= data.size() && uchar(data[i]) == 0xFF) {
        const int marker = uchar(data[i + 1]);
        const int length = (uchar(data[i + 2]) << 8) | uchar(data[i + 3]);
        if (marker == 0xDB && frame.firstQuantizer < 0)
            frame.firstQuantizer = uchar(data[i + 5]);
        if (marker >= 0xC0 && marker <= 0xC3) {
            frame.startOfFrame = marker;
            frame.components = uchar(data[i + 9]);
        }
        if (marker == 0xDA)
            break;
        i += 2 + length;
    }
    return frame;
}

// Settings with a clock the test can move.
StartupSettings settingsWithClock(const std::shared_ptr<QDateTime> &clock)
{
    StartupSettings s = testsupport::testSettings();
    s.now = [clock] { return *clock; };
    return s;
}

} // namespace

class TestScreenshot : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void screenshot_of_the_covered_main_window_data();
    void screenshot_of_the_covered_main_window();
    void two_within_one_second_leave_one_file();
    void keep_aspect_shrinks_a_large_picture_only();
    void a_folder_that_cannot_be_made_shows_the_error_and_keeps_the_picture();

private:
    std::unique_ptr<QTemporaryDir> m_data;
};

void TestScreenshot::init()
{
    m_data = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", m_data->path().toLocal8Bit());
    MessageBoxes::clearShown();
}

void TestScreenshot::cleanup()
{
    qunsetenv("XDG_DATA_HOME");
    m_data.reset();
}

void TestScreenshot::screenshot_of_the_covered_main_window_data()
{
    QTest::addColumn<QString>("programName");
    QTest::addColumn<QString>("folderName");
    QTest::newRow("the built executable") << QString() << QStringLiteral("tarvolo");
    QTest::newRow("renamed, extension dropped")
        << QStringLiteral("Rechner.exe") << QStringLiteral("Rechner");
}

void TestScreenshot::screenshot_of_the_covered_main_window()
{
    QFETCH(QString, programName);
    QFETCH(QString, folderName);
    QTemporaryDir programFolder;
    StartupSettings settings = programName.isEmpty()
                                   ? testsupport::testSettings()
                                   : abouttest::linkedProgram(programFolder, programName);
    settings.now = [] { return QDateTime(QDate(2024, 1, 31), QTime(14, 25, 30)); };
    Gui gui(settings);
    Tdlg_about *dlg = gui.startup().dlg_about();
    ScreenshotPage *page = dlg->stp_Bildschirmfoto();
    QVERIFY(page->e_Bildverzeichnis()->text().isEmpty());
    QVERIFY(page->i_Bildschirmfoto()->picture().isNull());

    QString path;
    openAbout(gui, [&](QWidget *modal) {
        QCOMPARE(modal, dlg);
        // the dialog stands over the main window
        dlg->move(gui.menue()->pos());
        QVERIFY(dlg->geometry().intersects(gui.menue()->geometry()));
        dlg->showScreenshotPage();
        QTest::mouseClick(page->b_Bildschirmfoto(), Qt::LeftButton);
        path = page->e_Bildverzeichnis()->text();
        QCOMPARE(dlg->screenshotPath(), path);
    });
    const QString folder = m_data->path() + "/pelvar/" + folderName + "/Bilder";
    QCOMPARE(path, folder + "/Bildschirmfoto_20240131_142530.jpg");
    QVERIFY(QRegularExpression(QStringLiteral("/Bildschirmfoto_\\d{8}_\\d{6}\\.jpg$"))
                .match(path)
                .hasMatch());
    QVERIFY(QFileInfo(path).isFile());
    QVERIFY(MessageBoxes::shown().isEmpty());

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const JpegFrame frame = jpegFrame(file.readAll());
    QCOMPARE(frame.startOfFrame, 0xC0); // baseline
    QCOMPARE(frame.components, 3);      // 24-bit colour
    QCOMPARE(frame.firstQuantizer, 3);  // libjpeg's DC step at quality 90

    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage decoded = reader.read();
    QCOMPARE(decoded.size(), gui.menue()->size());
    // the window's own rendering, not what covered it on the screen
    const double difference = meanDifference(decoded, gui.menue()->grab().toImage());
    QVERIFY2(difference < 3.0, qPrintable(QString::number(difference)));
    // shown as decoded from the file
    QCOMPARE(page->i_Bildschirmfoto()->picture(), decoded);
}

void TestScreenshot::two_within_one_second_leave_one_file()
{
    auto clock = std::make_shared<QDateTime>(QDate(2026, 12, 11), QTime(9, 5, 7));
    Gui gui(settingsWithClock(clock));
    Tdlg_about *dlg = gui.startup().dlg_about();
    ScreenshotPage *page = dlg->stp_Bildschirmfoto();
    dlg->show();
    dlg->showScreenshotPage();
    QTest::mouseClick(page->b_Bildschirmfoto(), Qt::LeftButton);
    const QString first = page->e_Bildverzeichnis()->text();
    QFile::resize(first, 10); // spoil the first, so the second must overwrite it
    *clock = clock->addMSecs(900);
    QTest::mouseClick(page->b_Bildschirmfoto(), Qt::LeftButton);
    QCOMPARE(page->e_Bildverzeichnis()->text(), first);
    const QDir folder = QFileInfo(first).dir();
    QCOMPARE(folder.entryList(QDir::Files), QStringList{"Bildschirmfoto_20261211_090507.jpg"});
    QCOMPARE(QImageReader(first).size(), gui.menue()->size());
    QVERIFY(MessageBoxes::shown().isEmpty());
    dlg->hide();
}

void TestScreenshot::keep_aspect_shrinks_a_large_picture_only()
{
    Gui gui;
    Tdlg_about *dlg = gui.startup().dlg_about();
    ScreenshotPage *page = dlg->stp_Bildschirmfoto();
    PictureBox *box = page->i_Bildschirmfoto();
    dlg->show();
    dlg->showScreenshotPage();
    QCOMPARE(box->size(), QSize(661, 269));
    QVERIFY(!page->cb_Strech()->isChecked());
    QVERIFY(!page->cb_proportional()->isChecked());
    QTest::mouseClick(page->b_Bildschirmfoto(), Qt::LeftButton);
    const QSize window = gui.menue()->size();
    QCOMPARE(box->pictureRect(), QRect(QPoint(0, 0), window)); // natural size, cut off

    QTest::mouseClick(page->cb_proportional(), Qt::LeftButton);
    QVERIFY(box->keepAspect());
    QVERIFY(!box->stretch());
    const int width = int(269 * (double(window.width()) / window.height()));
    QCOMPARE(box->pictureRect(), QRect(0, 0, width, 269));

    box->setPicture(QImage(QSize(200, 100), QImage::Format_RGB32));
    QCOMPARE(box->pictureRect(), QRect(0, 0, 200, 100));

    QTest::mouseClick(page->cb_Strech(), Qt::LeftButton);
    QVERIFY(box->stretch());
    QCOMPARE(box->pictureRect(), QRect(0, 0, 538, 269));
    QTest::mouseClick(page->cb_proportional(), Qt::LeftButton);
    QCOMPARE(box->pictureRect(), QRect(0, 0, 661, 269));
    dlg->hide();
}

void TestScreenshot::a_folder_that_cannot_be_made_shows_the_error_and_keeps_the_picture()
{
    auto clock = std::make_shared<QDateTime>(QDate(2026, 12, 11), QTime(12, 0, 0));
    Gui gui(settingsWithClock(clock));
    Tdlg_about *dlg = gui.startup().dlg_about();
    ScreenshotPage *page = dlg->stp_Bildschirmfoto();
    openAbout(gui, [&](QWidget *) {
        dlg->showScreenshotPage();
        QTest::mouseClick(page->b_Bildschirmfoto(), Qt::LeftButton);
        const QImage before = page->i_Bildschirmfoto()->picture();
        QVERIFY(!before.isNull());

        // a file where the folder would have to be
        const QString blocker = m_data->filePath(QStringLiteral("blocker"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        qputenv("XDG_DATA_HOME", blocker.toLocal8Bit());
        *clock = clock->addSecs(5);
        MessageBoxes::setNextAnswer(QMessageBox::Ok);
        QTest::mouseClick(page->b_Bildschirmfoto(), Qt::LeftButton);

        QCOMPARE(MessageBoxes::shown().size(), 1);
        const MessageBoxInfo box = MessageBoxes::shown().first();
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.caption, QStringLiteral("Tarvolo"));
        const QString expectedPath =
            blocker + QStringLiteral("/pelvar/tarvolo/Bilder/Bildschirmfoto_20261211_120005.jpg");
        QVERIFY2(box.text.contains(expectedPath), qPrintable(box.text));
        QVERIFY2(box.text.contains(QString::fromLocal8Bit(std::strerror(ENOTDIR))),
                 qPrintable(box.text));
        QCOMPARE(page->e_Bildverzeichnis()->text(), expectedPath);
        QCOMPARE(page->i_Bildschirmfoto()->picture(), before);
        QVERIFY(dlg->isVisible()); // the program goes on
    });
}

QTEST_MAIN(TestScreenshot)
#include "test_screenshot.moc"
