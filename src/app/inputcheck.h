#pragma once

class NumberEdit;
class QCheckBox;
class BalloonStyle;

// The input check behind every checked field: a balloon for questionable and impossible values,
// a green border for a value that passes; silent while the pages are being switched.
class InputCheck
{
public:
    void setPageChangeFlag(QCheckBox *flag) { m_flag = flag; }
    void setStyles(const BalloonStyle *warning, const BalloonStyle *error);

    // True when the value is plain or questionable; false when impossible or while the
    // page-change flag is set.
    bool p_Eingabe_Prüfen(NumberEdit *kEdit, double doFraglich, double doUnmöglich) const;

private:
    QCheckBox *m_flag = nullptr;
    const BalloonStyle *m_warning = nullptr;
    const BalloonStyle *m_error = nullptr;
};
