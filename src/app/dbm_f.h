#pragma once

#include "app/settings.h"

#include <QWidget>

class BalloonStyle;
class MailClient;
class MailMessage;

// The never-shown container of the program's non-visual components: the balloon styles, the
// update component and the mail client.
class Tf_dbm : public QWidget
{
    Q_OBJECT

public:
    explicit Tf_dbm(const StartupSettings &settings, QWidget *parent = nullptr);

    const BalloonStyle *tt_Warnung() const { return m_warnung; }
    const BalloonStyle *tt_Error() const { return m_error; }
    const BalloonStyle *tt_Info() const { return m_info; }
    const BalloonStyle *tt_gültig() const { return m_gueltig; }
    MailClient *IdSMTP1() const { return m_smtp; }
    MailMessage *IdMessage1() const { return m_message; }

private:
    BalloonStyle *m_warnung;
    BalloonStyle *m_error;
    BalloonStyle *m_info;
    BalloonStyle *m_gueltig;
    MailClient *m_smtp;
    MailMessage *m_message;
};
