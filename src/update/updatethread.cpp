#include "update/updatethread.h"

#include "app/menue_f.h"
#include "app/statusbar.h"
#include "app/tabpager.h"
#include "update/update_fr.h"
#include "update/webupdate.h"

TUpdateThread::TUpdateThread(Tf_Menue *menue,
                             std::function<std::shared_ptr<TWebUpdate>()> component)
    : m_menue(menue), m_component(std::move(component))
{
    setObjectName(QStringLiteral("TUpdateThread"));
}

void TUpdateThread::Execute()
{
    try {
        Tf_Menue *menue = m_menue;
        Tfr_update *frame = menue->fr_update1();
        std::shared_ptr<TWebUpdate> component;
        // The GUI thread serves this only from its event loop, after all four windows exist.
        QMetaObject::invokeMethod(
            frame,
            [&] {
                frame->clearInfo();
                component = m_component();
            },
            Qt::BlockingQueuedConnection);
        if (!component)
            return; // the page was gone before the check began

        const bool answer = component->NewVersionAvailable(false);

        QMetaObject::invokeMethod(
            menue,
            [menue, answer] {
                // the selected page stays selected: showing a tab changes no page
                menue->osb_Statusbar()->setNewVersionVisible(answer);
                menue->stp_Gesamt()->setPageVisible(Tf_Menue::PageUpdate, answer);
            },
            Qt::QueuedConnection);
        Q_EMIT checkEnded(answer);
    } catch (...) {
        // a check that fails in any other way ends without a word
    }
}
