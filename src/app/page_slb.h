#pragma once

#include <QWidget>
#include <array>

class InputCheck;
class NumberEdit;
class QCheckBox;
class QLabel;
class QToolButton;

// The page "Stundenlohnberechnung": the hourly wage from the monthly gross wage and the weekly
// hours, and the billing rate from the wage and four surcharges, each in Euro or in percent.
// There is no compute button: leaving a field recomputes.
class HourlyRatePage : public QWidget
{
    Q_OBJECT

public:
    HourlyRatePage(InputCheck &check, QWidget *parent = nullptr);

    NumberEdit *le_SLB_Bruttolohn() const { return m_bruttolohn; }
    NumberEdit *le_SLB_Wochenstunden() const { return m_wochenstunden; }
    NumberEdit *le_SLB_Stundenlohn() const { return m_stundenlohn; }
    NumberEdit *le_SLB_Verrechnungssatz() const { return m_verrechnungssatz; }
    QToolButton *sb_SLB_Zwischenablage() const { return m_zwischenablage; }
    QCheckBox *cb_nur_ein_Feld() const { return m_nurEinFeld; }

    // Writes the billing rate from the shown hourly wage and the eight surcharge fields.
    void f_Berechnen();
    // Editable look (true), or set aside (false): silver and the value reset to zero.
    void p_bearbeiten(NumberEdit *kEdit, bool boBearbeiten);

    // Handlers.
    void le_SLB_BruttolohnExit();
    void le_SLB_WochenstundenExit();
    void le_SLB_StundenlohnChange();
    void le_SLB_Ausfall_EChange();
    void le_SLB_Ausfall_EExit();
    void le_SLB_Sozial_EExit();
    void le_SLB_Sach_EExit();
    void le_SLB_Gewinn_EExit();
    void le_SLB_Ausfall_PExit();
    void le_SLB_Sozial_PExit();
    void le_SLB_Sach_PExit();
    void le_SLB_Gewinn_PExit();
    void sb_SLB_ZwischenablageClick();

protected:
    // Enter in an input field moves on like Tab.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum Bereich { Ausfall, Sozial, Sach, Gewinn };

    struct Limits
    {
        double fraglich;
        double unmoeglich;
    };

    // One surcharge row: its Euro and % field and their input-check thresholds.
    struct Row
    {
        NumberEdit *euro = nullptr;
        NumberEdit *prozent = nullptr;
        Limits euroLimits{};
        Limits prozentLimits{};
    };

    void buildLayout();
    void connectHandlers();
    NumberEdit *addInput(NumberEdit *field);
    QLabel *addLabel(const QString &name, const QString &text);

    void recomputeWage();
    void euroExit(Bereich bereich);
    void prozentExit(Bereich bereich);
    bool check(NumberEdit *field, Limits limits);

    InputCheck &m_check;
    NumberEdit *m_bruttolohn;
    NumberEdit *m_wochenstunden;
    NumberEdit *m_stundenlohn;
    QToolButton *m_zwischenablage;
    QCheckBox *m_nurEinFeld;
    std::array<Row, 4> m_rows;
    std::array<QLabel *, 4> m_rowLabels{};
    NumberEdit *m_verrechnungssatz;
    bool m_inExit = false;
};
