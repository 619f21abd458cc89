#include "app/errorreport.h"

#include "app/messageboxes.h"

#include <QApplication>

namespace ErrorReport {

QString boxText(const QString &errorText)
{
    if (!errorText.isEmpty() && errorText.back().unicode() > u'.')
        return errorText + u'.';
    return errorText;
}

void show(const QString &errorText)
{
    MessageBoxInfo info;
    info.icon = QMessageBox::Critical;
    info.caption = QApplication::applicationName();
    info.text = boxText(errorText);
    info.buttons = QMessageBox::Ok;
    MessageBoxes::show(QApplication::activeWindow(), info);
}

} // namespace ErrorReport
