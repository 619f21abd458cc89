#pragma once

#include <QObject>
#include <QString>
#include <exception>
#include <utility>

class QWidget;

// The general error report: an error that no handler catches ends the current event and is
// shown in a message box captioned with the application title; the program goes on.
namespace ErrorReport {

// The text as the box shows it: a full stop is added when the last character's code is above
// the full stop's.
QString boxText(const QString &errorText);

void show(const QString &errorText);

// Runs one event handler; nothing it throws crosses into Qt.
template <typename F> void guarded(F &&handler)
{
    try {
        std::forward<F>(handler)();
    } catch (const std::exception &e) {
        show(QString::fromUtf8(e.what()));
    } catch (...) {
        show(QStringLiteral("Unbekannter Fehler"));
    }
}

} // namespace ErrorReport

// Connects a signal to a handler that runs under the error report's guard.
template <typename Sender, typename Signal, typename Context, typename F>
auto onEvent(Sender *sender, Signal signal, Context *context, F handler)
{
    return QObject::connect(sender, signal, context,
                            [handler = std::move(handler)] { ErrorReport::guarded(handler); });
}
