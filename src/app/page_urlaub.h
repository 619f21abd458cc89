#pragma once

#include "app/settings.h"

#include <QWidget>

class NumberEdit;
class QDateEdit;

// The page "Urlaub": vacation entitlement over periods of the year.
class VacationPage : public QWidget
{
    Q_OBJECT

public:
    explicit VacationPage(const StartupSettings &settings, QWidget *parent = nullptr);

    NumberEdit *le_U_Standard() const { return m_standard; }
    QDateEdit *dtp_U_beschaeftigt_bis() const { return m_bis; }
    void p_Monat_berechnen();

private:
    const StartupSettings &m_settings;
    NumberEdit *m_standard;
    QDateEdit *m_bis;
};
