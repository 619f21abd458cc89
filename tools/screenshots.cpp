// Renders the main window's pages and the about dialog offscreen into PNG pictures, and the
// frames of the help video made from them.
#include "about/about_dlg.h"
#include "app/menue_f.h"
#include "app/messageboxes.h"
#include "app/startup.h"
#include "app/tabpager.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QTabWidget>
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
        for (int page = Tf_Menue::PageAusfall; page <= Tf_Menue::PageUrlaub; ++page) {
            menue->stp_Gesamt()->selectPage(page);
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
