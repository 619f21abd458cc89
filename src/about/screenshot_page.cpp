#include "about/screenshot_page.h"

#include "about/folders.h"
#include "about/picturebox.h"
#include "app/errorreport.h"
#include "app/settings.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QImageWriter>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <stdexcept>

namespace {

const QColor kNavy(0, 0, 128);

void setNavyText(QWidget *w)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, kNavy);
    p.setColor(QPalette::ButtonText, kNavy);
    w->setPalette(p);
}

[[noreturn]] void fail(const QString &text)
{
    throw std::runtime_error(text.toStdString());
}

// The window's own rendering of its client area and controls: covering windows never appear.
QImage renderClientArea(QWidget *window)
{
    return window->grab().toImage().convertToFormat(QImage::Format_RGB888);
}

// Baseline JPEG, quality 90, 24-bit; an existing file is overwritten.
void writeJpeg(const QImage &image, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fail(QStringLiteral("Datei %1 kann nicht erstellt werden. %2")
                 .arg(QDir::toNativeSeparators(path), file.errorString()));
    QImageWriter writer(&file, "jpeg");
    writer.setQuality(90);
    writer.setProgressiveScanWrite(false);
    if (!writer.write(image))
        fail(file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString());
    if (!file.flush())
        fail(file.errorString());
    file.close();
}

QImage readPicture(const QString &path)
{
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull())
        fail(reader.errorString());
    return image;
}

} // namespace

ScreenshotPage::ScreenshotPage(const StartupSettings &settings, QWidget *parent)
    : QWidget(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("stp_Bildschirmfoto"));

    auto *top = new QWidget;
    top->setObjectName(QStringLiteral("p_Bild_oben"));
    top->setFixedHeight(23);
    m_strech = new QCheckBox(QStringLiteral("Bild einpassen"));
    m_strech->setObjectName(QStringLiteral("cb_Strech"));
    m_proportional = new QCheckBox(QStringLiteral("Proportion beibehalten"));
    m_proportional->setObjectName(QStringLiteral("cb_proportional"));
    setNavyText(m_strech);
    setNavyText(m_proportional);
    auto *topLayout = new QHBoxLayout(top);
    topLayout->setContentsMargins(4, 0, 4, 0);
    topLayout->setSpacing(16);
    topLayout->addWidget(m_strech);
    topLayout->addWidget(m_proportional);
    topLayout->addStretch();

    m_picture = new PictureBox;
    m_picture->setObjectName(QStringLiteral("i_Bildschirmfoto"));
    m_picture->setFixedSize(661, 269);

    auto *bottom = new QWidget;
    bottom->setObjectName(QStringLiteral("p_Bildschirm_unten"));
    bottom->setFixedHeight(28);
    m_button = new QPushButton(QStringLiteral("Bildschirmfoto"));
    m_button->setObjectName(QStringLiteral("b_Bildschirmfoto"));
    setNavyText(m_button);
    m_path = new QLineEdit(bottom);
    m_path->setObjectName(QStringLiteral("e_Bildverzeichnis"));
    m_path->hide();
    auto *bottomLayout = new QHBoxLayout(bottom);
    bottomLayout->setContentsMargins(0, 2, 0, 2);
    bottomLayout->addStretch();
    bottomLayout->addWidget(m_button);
    bottomLayout->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(top);
    layout->addStretch();
    layout->addWidget(m_picture, 0, Qt::AlignLeft);
    layout->addWidget(bottom);

    onEvent(m_button, &QPushButton::clicked, this, [this] { b_BildschirmfotoClick(); });
    onEvent(m_strech, &QCheckBox::clicked, this, [this] { cb_StrechClick(); });
    onEvent(m_proportional, &QCheckBox::clicked, this, [this] { cb_proportionalClick(); });
}

void ScreenshotPage::b_BildschirmfotoClick()
{
    const QString folder = programFolder(m_settings.programFile, 1) + QStringLiteral("/pelvar/") +
                           QFileInfo(m_settings.programFile).completeBaseName() +
                           QStringLiteral("/Bilder");
    if (!QDir(folder).exists())
        QDir().mkpath(folder); // a failure shows when the file is written
    const QString path = folder + QStringLiteral("/Bildschirmfoto_") +
                         m_settings.now().toString(QStringLiteral("yyyyMMdd_HHmmss")) +
                         QStringLiteral(".jpg");
    m_path->setText(QDir::toNativeSeparators(path));
    if (!m_mainWindow)
        fail(QStringLiteral("Kein Hauptfenster für das Bildschirmfoto"));
    writeJpeg(renderClientArea(m_mainWindow), path);
    // shown as decoded from disk, so the picture is what a mail would attach
    m_picture->setPicture(readPicture(path));
    QCoreApplication::processEvents();
}

void ScreenshotPage::cb_StrechClick()
{
    m_picture->setStretch(m_strech->isChecked());
}

void ScreenshotPage::cb_proportionalClick()
{
    m_picture->setKeepAspect(m_proportional->isChecked());
}
