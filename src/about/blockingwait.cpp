#include "about/blockingwait.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QThread>
#include <QWidget>

namespace {

// Swallows the user's input to the whole application while it exists.
class InputBlocker : public QObject
{
public:
    InputBlocker() { qApp->installEventFilter(this); }
    ~InputBlocker() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::TabletMove:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonDblClick:
            return true;
        case QEvent::Close:
            // the close box waits, as it would during a blocking call
            if (auto *w = qobject_cast<QWidget *>(watched); w && w->isWindow()) {
                event->ignore();
                return true;
            }
            return false;
        default:
            return false;
        }
    }
};

} // namespace

QString runWhileInputBlocked(const std::function<QString()> &work)
{
    QString result;
    InputBlocker blocker;
    QEventLoop loop;
    QThread *worker = QThread::create([&result, &work] { result = work(); });
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec();
    // the loop may also end because the application quits; the worker is bounded by its
    // time-outs and must end before its thread object goes
    worker->wait();
    delete worker;
    return result;
}
