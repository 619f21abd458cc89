#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

// Every message box of the program goes through here, so tests can answer boxes in advance
// (or record them) instead of blocking in a modal loop.
struct MessageBoxInfo
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString caption;
    QString text;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
};

class MessageBoxes
{
public:
    using Answerer = std::function<QMessageBox::StandardButton(const MessageBoxInfo &)>;

    // Answers every later box without showing it (empty: real modal boxes).
    static void setAnswerer(Answerer answerer);
    // Answers only the next box without showing it.
    static void setNextAnswer(QMessageBox::StandardButton answer);
    // Boxes shown or answered since the last clear, oldest first.
    static const QList<MessageBoxInfo> &shown();
    static void clearShown();

    static QMessageBox::StandardButton show(QWidget *parent, const MessageBoxInfo &info);
};
