#include "app/inputcheck.h"

#include "app/balloon.h"
#include "app/numberedit.h"

#include <QCheckBox>

namespace {
const QColor kPassed(0, 128, 0);
}

void InputCheck::setStyles(const BalloonStyle *warning, const BalloonStyle *error)
{
    m_warning = warning;
    m_error = error;
}

bool InputCheck::p_Eingabe_Prüfen(NumberEdit *kEdit, double doFraglich, double doUnmöglich) const
{
    if (m_flag && m_flag->isChecked())
        return false;
    static const BalloonStyle fallbackWarning(QStringLiteral("tt_Warnung"), QColor(255, 128, 0),
                                              BalloonStyle::Icon::Warning);
    static const BalloonStyle fallbackError(QStringLiteral("tt_Error"), QColor(255, 0, 0),
                                            BalloonStyle::Icon::Error);
    const double v = kEdit->strict();
    const bool questionable = v >= doFraglich && v < doUnmöglich;
    const bool impossible = v >= doUnmöglich;
    if (questionable)
        BalloonService::show(kEdit, QStringLiteral("Wirklich?"),
                             m_warning ? *m_warning : fallbackWarning);
    if (impossible)
        BalloonService::show(kEdit, QStringLiteral("Unmöglich?"),
                             m_error ? *m_error : fallbackError);
    if (!questionable && !impossible) {
        BalloonService::remove(kEdit);
        kEdit->setBorderColor(kPassed);
        return true;
    }
    if (questionable)
        return true;
    kEdit->setFocus(Qt::OtherFocusReason);
    return false;
}
