#pragma once

#include <QPointer>
#include <QWidget>

struct StartupSettings;
class PictureBox;
class QCheckBox;
class QLineEdit;
class QPushButton;

// The page "Bildschirmfoto": takes a picture of the main window, saves it as a JPEG file and
// shows the file as decoded from disk.
class ScreenshotPage : public QWidget
{
    Q_OBJECT

public:
    explicit ScreenshotPage(const StartupSettings &settings, QWidget *parent = nullptr);

    void setMainWindow(QWidget *window) { m_mainWindow = window; }

    // Handlers.
    void b_BildschirmfotoClick();
    void cb_StrechClick();
    void cb_proportionalClick();

    QCheckBox *cb_Strech() const { return m_strech; }
    QCheckBox *cb_proportional() const { return m_proportional; }
    PictureBox *i_Bildschirmfoto() const { return m_picture; }
    QPushButton *b_Bildschirmfoto() const { return m_button; }
    QLineEdit *e_Bildverzeichnis() const { return m_path; }

private:
    const StartupSettings &m_settings;
    QPointer<QWidget> m_mainWindow;
    QCheckBox *m_strech;
    QCheckBox *m_proportional;
    PictureBox *m_picture;
    QPushButton *m_button;
    QLineEdit *m_path;
};
