#pragma once

#include <QWidget>

class InputCheck;
class NumberEdit;
class QCheckBox;

// The page "Ausfallfaktoren": working time, downtime factor, holidays, optional sections.
class DowntimePage : public QWidget
{
    Q_OBJECT

public:
    DowntimePage(InputCheck &check, QWidget *parent = nullptr);

    NumberEdit *le_GKF_Wochenstunden() const { return m_wochenstunden; }
    QCheckBox *cb_GKF_Seitenwechsel() const { return m_seitenwechsel; }
    // FormShow: the optional sections and the result box start collapsed.
    void collapseSections();

private:
    InputCheck &m_check;
    QCheckBox *m_seitenwechsel;
    NumberEdit *m_wochenstunden;
};
