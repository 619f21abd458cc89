#pragma once

#include <QWidget>

class InputCheck;
class NumberEdit;
class QBoxLayout;
class QCheckBox;
class QGridLayout;
class QToolButton;
class SectionBox;
class SpinArrows;
class StateCombo;

// The page "Ausfallfaktoren": working time, downtime factor, holidays, optional sections.
// Every change of an input recomputes all results; leaving an input checks it.
class DowntimePage : public QWidget
{
    Q_OBJECT

public:
    DowntimePage(InputCheck &check, QWidget *parent = nullptr);

    NumberEdit *le_GKF_Wochenstunden() const { return m_wochenstunden; }
    QCheckBox *cb_GKF_Seitenwechsel() const { return m_seitenwechsel; }
    SectionBox *gb_GKF_Arbeitszeit() const { return m_gbArbeitszeit; }
    SectionBox *gb_GKF_Urlaub() const { return m_gbUrlaub; }
    SectionBox *gb_GKF_Schule() const { return m_gbSchule; }
    SectionBox *gb_GKF_Feiertage() const { return m_gbFeiertage; }
    SectionBox *gb_GKF_Ergebnis() const { return m_gbErgebnis; }
    StateCombo *cb_GKF_Bundesland() const { return m_bundesland; }
    SpinArrows *sb_Feiertage() const { return m_spin; }
    QToolButton *sb_GKF_Zwischenablage() const { return m_zwischenablage; }

    // FormShow: the optional sections and the result box start collapsed.
    void collapseSections();

    // The calculations.
    void Arbeitszeit();
    void Produktivität();

    // Handlers.
    void le_GKF_WochenstundenExit();
    void le_GKF_ArbeitstageExit();
    void le_GKF_UrlaubstageExit();
    void le_GKF_KrankExit();
    void le_GKF_SchulwochenExit(NumberEdit *sender); // also for the holidays field
    void le_GKF_SchultageExit();
    void sb_GKF_ZwischenablageClick();
    void cb_GKF_BundeslandCloseUp();
    void sb_FeiertageUpClick();
    void sb_FeiertageDownClick();
    void gb_GKF_UrlaubCheckBoxClick();
    void gb_GKF_SchuleCheckBoxClick();
    void gb_GKF_FeiertageCheckBoxClick();

    QString f_SpinButton(bool boDown, NumberEdit *kEdit, double fWert) const;
    void f_Feld_ausgefüllt(SectionBox *kGroupBox, NumberEdit *kWert1, NumberEdit *kWert2,
                           NumberEdit *kWert3);

private:
    void buildArbeitszeit();
    void buildUrlaub();
    void buildSchule();
    void buildFeiertage();
    void buildErgebnis();
    void connectHandlers();
    NumberEdit *addField(QGridLayout *grid, int row, int column, const QString &name,
                         const QString &label, int decimals, bool result, const QString &hint,
                         Qt::Alignment alignment = Qt::AlignRight, QWidget *beside = nullptr);
    void layoutResultBox();
    void openSection(SectionBox *box, QWidget *focus);
    void collapseSection(SectionBox *box);

    InputCheck &m_check;
    QBoxLayout *m_layout = nullptr;
    QCheckBox *m_seitenwechsel;

    SectionBox *m_gbArbeitszeit = nullptr;
    SectionBox *m_gbUrlaub = nullptr;
    SectionBox *m_gbSchule = nullptr;
    SectionBox *m_gbFeiertage = nullptr;
    SectionBox *m_gbErgebnis = nullptr;

    NumberEdit *m_wochenstunden = nullptr;        // W
    NumberEdit *m_arbeitstage = nullptr;          // A
    NumberEdit *m_stundenTag = nullptr;           // S
    NumberEdit *m_urlaubstage = nullptr;          // U
    NumberEdit *m_krank = nullptr;                // K
    NumberEdit *m_schulwochen = nullptr;          // SW
    NumberEdit *m_schultage = nullptr;            // ST
    NumberEdit *m_feiertage = nullptr;            // H
    NumberEdit *m_feiertageStunden = nullptr;     // FS
    NumberEdit *m_gesamtstunden = nullptr;        // G
    NumberEdit *m_produktivUrlaub = nullptr;      // P
    NumberEdit *m_verrechnet = nullptr;           // V
    NumberEdit *m_produktivverhaeltnis = nullptr; // R
    NumberEdit *m_produktivstunden = nullptr;     // PS
    NumberEdit *m_ausfallfaktor = nullptr;        // F
    NumberEdit *m_unproduktivstunden = nullptr;   // N

    StateCombo *m_bundesland = nullptr;
    SpinArrows *m_spin = nullptr;
    QToolButton *m_zwischenablage = nullptr;
};
