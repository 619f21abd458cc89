#pragma once

#include <QThread>
#include <functional>
#include <memory>

class TWebUpdate;
class Tf_Menue;

// The update check on its own thread. It never touches a window: every change goes to the GUI
// thread as a queued call, in order, with the window as context. Nobody waits for it.
class TUpdateThread : public QThread
{
    Q_OBJECT

public:
    // component is asked on the GUI thread, in the first step, once start-up has made it.
    TUpdateThread(Tf_Menue *menue, std::function<std::shared_ptr<TWebUpdate>()> component);

Q_SIGNALS:
    // The check has ended with its answer; emitted after the last window change was queued.
    void checkEnded(bool newVersion);

protected:
    void run() override { Execute(); }

private:
    void Execute();

    Tf_Menue *m_menue;
    std::function<std::shared_ptr<TWebUpdate>()> m_component;
};
