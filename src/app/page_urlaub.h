#pragma once

#include "app/settings.h"

#include <QWidget>

class NumberEdit;
class QCheckBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QToolButton;

// The page "Urlaub": vacation entitlement over periods of the year.
class VacationPage : public QWidget
{
    Q_OBJECT

public:
    explicit VacationPage(const StartupSettings &settings, QWidget *parent = nullptr);

    NumberEdit *le_U_Standard() const { return m_standard; }
    NumberEdit *le_U_SollTage() const { return m_sollTage; }
    NumberEdit *le_U_IstTage_MA() const { return m_istTage; }
    QDateEdit *dtp_U_Start() const { return m_start; }
    QDateEdit *dtp_U_beschaeftigt_bis() const { return m_bis; }
    NumberEdit *le_U_Monate() const { return m_monate; }
    QCheckBox *cb_U_Schwerb() const { return m_schwerb; }
    QPushButton *b_Berechnen() const { return m_berechnen; }
    NumberEdit *le_U_Anspruch() const { return m_anspruch; }
    NumberEdit *le_U_Summe() const { return m_summe; }
    QToolButton *sb_U_Plus() const { return m_plus; }
    QToolButton *sb_U_Zwischenablage() const { return m_zwischenablage; }

    // Counts the months of the period, then computes the entitlement.
    void p_Monat_berechnen();

    // Handlers.
    void le_U_StandardExit();
    void le_U_SollTageExit();
    void le_U_IstTage_MAExit();
    void dtp_U_StartChange();
    void dtp_U_beschaeftigt_bisChange();
    void b_BerechnenClick();
    void cb_U_SchwerbClick();
    void sb_U_PlusClick();
    void sb_U_ZwischenablageClick();

private:
    void buildLayout();
    void connectHandlers();
    // Missing-value colour for an input holding zero, else the window colour; true when zero.
    bool markIfZero(NumberEdit *kEdit);

    const StartupSettings &m_settings;
    NumberEdit *m_standard;
    NumberEdit *m_sollTage;
    NumberEdit *m_istTage;
    QDateEdit *m_start;
    QDateEdit *m_bis;
    NumberEdit *m_monate;
    QCheckBox *m_schwerb;
    QPushButton *m_berechnen;
    NumberEdit *m_anspruch;
    QToolButton *m_plus;
    NumberEdit *m_summe;
    QToolButton *m_zwischenablage;
};
