#include "update/uselcomp.h"

Tselcomp::Tselcomp(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("selcomp"));
    setWindowTitle(QStringLiteral("Komponenten auswählen"));
}
