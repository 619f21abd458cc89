#include "app/messageboxes.h"

#include <QApplication>
#include <QPointer>
#include <optional>

namespace {
MessageBoxes::Answerer g_answerer;
std::optional<QMessageBox::StandardButton> g_nextAnswer;
QList<MessageBoxInfo> g_shown;
} // namespace

void MessageBoxes::setAnswerer(Answerer answerer)
{
    g_answerer = std::move(answerer);
}

void MessageBoxes::setNextAnswer(QMessageBox::StandardButton answer)
{
    g_nextAnswer = answer;
}

const QList<MessageBoxInfo> &MessageBoxes::shown()
{
    return g_shown;
}

void MessageBoxes::clearShown()
{
    g_shown.clear();
}

QMessageBox::StandardButton MessageBoxes::show(QWidget *parent, const MessageBoxInfo &info)
{
    g_shown.append(info);
    if (g_nextAnswer) {
        const auto answer = *g_nextAnswer;
        g_nextAnswer.reset();
        return answer;
    }
    if (g_answerer)
        return g_answerer(info);
    QMessageBox box(info.icon, info.caption, info.text, info.buttons, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
