#pragma once

#include <QWidget>

class InputCheck;
class NumberEdit;

// The page "Stundenlohnberechnung": hourly wage and billing rate.
class HourlyRatePage : public QWidget
{
    Q_OBJECT

public:
    HourlyRatePage(InputCheck &check, QWidget *parent = nullptr);

    NumberEdit *le_SLB_Bruttolohn() const { return m_bruttolohn; }
    NumberEdit *le_SLB_Wochenstunden() const { return m_wochenstunden; }

private:
    InputCheck &m_check;
    NumberEdit *m_bruttolohn;
    NumberEdit *m_wochenstunden;
};
