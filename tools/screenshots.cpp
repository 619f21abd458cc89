// Renders the main window's pages and the about dialog offscreen into PNG pictures, and the
// frames of the help video made from them.
#include "about/about_dlg.h"
#include "app/menue_f.h"
#include "app/messageboxes.h"
#include "app/page_gkf.h"
#include "app/sectionbox.h"
#include "app/startup.h"
#include "app/tabpager.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QTabWidget>
#include <QTest>
#include <cstdio>
#include <cstdlib>

namespace {

struct Picture
{
    QString name;
    QImage image;
};

QImage rendered(QWidget *w)
{
    QCoreApplication::processEvents();
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool save(const QImage &image, const QString &path)
{
    if (image.save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

// Types into a field and leaves it with Tab, as a user does.
void enter(QWidget *window, const char *name, const QString &text)
{
    auto *field = window->findChild<QWidget *>(QString::fromLatin1(name));
    if (!field)
        return;
    field->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Tab);
}

void openSection(SectionBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, box->checkBoxRect().center());
}

// The worked examples of the help pages, so the pictures show the calculators at work.
void fillExamples(Tf_Menue *menue)
{
    DowntimePage *gkf = menue->stp_GFK();
    enter(menue, "le_GKF_Wochenstunden", QStringLiteral("40"));
    enter(menue, "le_GKF_Arbeitstage", QStringLiteral("5"));
    openSection(gkf->gb_GKF_Urlaub());
    enter(menue, "le_GKF_Urlaubstage", QStringLiteral("30"));
    enter(menue, "le_GKF_Krank", QStringLiteral("10"));
    openSection(gkf->gb_GKF_Feiertage());
    enter(menue, "le_GKF_Feiertage", QStringLiteral("10"));
    enter(menue, "le_GKF_verrechnet", QStringLiteral("30"));
}

void fillHourlyExample(Tf_Menue *menue)
{
    enter(menue, "le_SLB_Bruttolohn", QStringLiteral("3000"));
    enter(menue, "le_SLB_Wochenstunden", QStringLiteral("40"));
    enter(menue, "le_SLB_Sozial_P", QStringLiteral("20"));
    enter(menue, "le_SLB_Sach_E", QStringLiteral("2,5"));
}

void fillVacationExample(Tf_Menue *menue)
{
    enter(menue, "le_U_Standard", QStringLiteral("30"));
    enter(menue, "le_U_SollTage", QStringLiteral("5"));
    enter(menue, "le_U_IstTage_MA", QStringLiteral("3"));
    // hired on 27 March of this year: nine months up to the end of the year
    if (auto *start = menue->findChild<QDateEdit *>(QStringLiteral("dtp_U_Start")))
        start->setDate(QDate(QDate::currentDate().year(), 3, 27));
    if (auto *b = menue->findChild<QAbstractButton *>(QStringLiteral("b_Berechnen")))
        b->click();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s PROGRAM_FILE PICTURE_FOLDER FRAME_FOLDER\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // a box would wait for a user who is not there
    MessageBoxes::setAnswerer([](const MessageBoxInfo &info) {
        std::fprintf(stderr, "%s\n", qPrintable(info.text));
        return QMessageBox::Ok;
    });

    StartupSettings settings = StartupSettings::defaults();
    settings.programFile = QString::fromLocal8Bit(argv[1]);
    settings.startUpdateCheck = false;
    const QDir pictures(QString::fromLocal8Bit(argv[2]));
    const QDir frames(QString::fromLocal8Bit(argv[3]));
    QDir().mkpath(pictures.absolutePath());
    QDir().mkpath(frames.absolutePath());

    int rc = 0;
    {
        auto *startup = new Startup(settings);
        startup->create();
        Tf_Menue *menue = startup->f_Menue();
        QList<Picture> shots;
        const char *pageNames[] = {"ausfallfaktoren", "stundenlohnberechnung", "urlaub"};
        if (!QTest::qWaitForWindowActive(menue))
            std::fprintf(stderr, "the main window did not become active\n");
        for (int page = Tf_Menue::PageAusfall; page <= Tf_Menue::PageUrlaub; ++page) {
            menue->stp_Gesamt()->selectPage(page);
            if (page == Tf_Menue::PageAusfall)
                fillExamples(menue);
            else if (page == Tf_Menue::PageStundenlohn)
                fillHourlyExample(menue);
            else
                fillVacationExample(menue);
            shots.append({QString::fromLatin1(pageNames[page]), rendered(menue)});
        }
        menue->stp_Gesamt()->selectPage(Tf_Menue::PageAusfall);

        Tdlg_about *about = startup->dlg_about();
        menue->p_About();
        about->stp_about()->setCurrentIndex(Tdlg_about::PageProgramm);
        about->show();
        shots.append({QStringLiteral("ueber_das_programm"), rendered(about)});
        about->hide();

        QSize canvas;
        for (const Picture &shot : shots) {
            canvas = canvas.expandedTo(shot.image.size());
            if (!save(shot.image, pictures.filePath(shot.name + QStringLiteral(".png"))))
                rc = 1;
        }
        // even sides for the video encoder
        canvas = QSize((canvas.width() + 1) / 2 * 2, (canvas.height() + 1) / 2 * 2);
        const int framesPerPicture = 2;
        int frame = 0;
        for (const Picture &shot : shots) {
            QImage image(canvas, QImage::Format_RGB32);
            image.fill(QColor(224, 224, 232));
            QPainter painter(&image);
            painter.drawImage((canvas.width() - shot.image.width()) / 2,
                              (canvas.height() - shot.image.height()) / 2, shot.image);
            painter.end();
            for (int i = 0; i < framesPerPicture; ++i) {
                if (!save(image, frames.filePath(QStringLiteral("frame_%1.png")
                                                     .arg(frame++, 3, 10, QLatin1Char('0')))))
                    rc = 1;
            }
        }
    }
    // the windows go with the process, as in the program itself
    std::fflush(nullptr);
    std::quick_exit(rc);
}
