#include "about/picturefit.h"

#include <QTest>

class TestPictureFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fit_data();
    void fit();
};

void TestPictureFit::fit_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<bool>("keepAspect");
    QTest::addColumn<QRect>("expected");

    const QSize box(661, 269);
    // natural size, cut off at the edges
    QTest::newRow("both off, smaller: natural size")
        << QSize(200, 100) << box << false << false << QRect(0, 0, 200, 100);
    QTest::newRow("both off, larger: natural size, cut off")
        << QSize(398, 480) << box << false << false << QRect(0, 0, 398, 480);
    // keep aspect alone scales only what does not fit
    QTest::newRow("keep aspect only, smaller: natural size")
        << QSize(200, 100) << box << false << true << QRect(0, 0, 200, 100);
    QTest::newRow("keep aspect only, exactly the box: natural size")
        << QSize(661, 269) << box << false << true << QRect(0, 0, 661, 269);
    QTest::newRow("keep aspect only, taller main window shrinks: 269*398/480 truncated")
        << QSize(398, 480) << box << false << true << QRect(0, 0, 223, 269);
    QTest::newRow("keep aspect only, wider picture: height to fit, width truncated")
        << QSize(1000, 500) << box << false << true << QRect(0, 0, 538, 269);
    QTest::newRow("keep aspect only, very wide: full width, height 661/4 truncated")
        << QSize(2000, 500) << box << false << true << QRect(0, 0, 661, 165);
    QTest::newRow("keep aspect only, only one side too large")
        << QSize(700, 100) << box << false << true << QRect(0, 0, 661, 94);
    // stretch without keep aspect fills the box exactly
    QTest::newRow("stretch, smaller: fills the box")
        << QSize(200, 100) << box << true << false << QRect(0, 0, 661, 269);
    QTest::newRow("stretch, larger: fills the box")
        << QSize(398, 480) << box << true << false << QRect(0, 0, 661, 269);
    // stretch with keep aspect: the formula both ways, with truncating divisions
    QTest::newRow("stretch and keep aspect, wider 3:2 in a square: 100/1.5 truncated")
        << QSize(3, 2) << QSize(100, 100) << true << true << QRect(0, 0, 100, 66);
    QTest::newRow("stretch and keep aspect, taller 2:3 in a square: 100*2/3 truncated")
        << QSize(2, 3) << QSize(100, 100) << true << true << QRect(0, 0, 66, 100);
    QTest::newRow("stretch and keep aspect, square picture goes by the height")
        << QSize(50, 50) << box << true << true << QRect(0, 0, 269, 269);
    QTest::newRow("stretch and keep aspect, square in a tall box: width limits")
        << QSize(50, 50) << QSize(100, 300) << true << true << QRect(0, 0, 100, 100);
    QTest::newRow("stretch and keep aspect, small wide picture grows to the height")
        << QSize(200, 100) << box << true << true << QRect(0, 0, 538, 269);
    QTest::newRow("stretch and keep aspect, tall picture in a tall box: width limits")
        << QSize(100, 200) << QSize(50, 300) << true << true << QRect(0, 0, 50, 100);
    QTest::newRow("stretch and keep aspect, 7:3 truncates 661*3/7 = 283.28 then 269*7/3")
        << QSize(7, 3) << box << true << true << QRect(0, 0, 627, 269);
    QTest::newRow("no picture") << QSize() << box << true << true << QRect();
}

void TestPictureFit::fit()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, box);
    QFETCH(bool, stretch);
    QFETCH(bool, keepAspect);
    QFETCH(QRect, expected);
    QCOMPARE(fitPicture(picture, box, stretch, keepAspect), expected);
}

QTEST_APPLESS_MAIN(TestPictureFit)
#include "test_picturefit.moc"
