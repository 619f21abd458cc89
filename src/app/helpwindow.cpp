#include "app/helpwindow.h"

#include "app/errorreport.h"
#include "app/programicon.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpLink>
#include <QSplitter>
#include <QStyle>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const QString kScheme = QStringLiteral("qthelp");

// The contents entry of a page: the one for the exact address, else the page's own entry.
QModelIndex entryOf(QHelpContentModel *model, const QUrl &url, const QModelIndex &parent = {})
{
    QModelIndex pageEntry;
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex index = model->index(row, 0, parent);
        const QHelpContentItem *item = model->contentItemAt(index);
        if (item && item->url() == url)
            return index;
        if (item && !pageEntry.isValid() && item->url() == url.adjusted(QUrl::RemoveFragment))
            pageEntry = index;
        const QModelIndex inner = entryOf(model, url, index);
        if (inner.isValid() && model->contentItemAt(inner)->url() == url)
            return inner;
        if (!pageEntry.isValid())
            pageEntry = inner;
    }
    return pageEntry;
}

} // namespace

// A text browser that reads qthelp:// pages, style sheets and pictures from the help engine.
class HelpBrowser : public QTextBrowser
{
public:
    explicit HelpBrowser(QWidget *parent) : QTextBrowser(parent) {}
    void setEngine(QHelpEngine *engine) { m_engine = engine; }

    QVariant loadResource(int type, const QUrl &name) override
    {
        if (name.scheme() == kScheme) {
            if (!m_engine)
                return QVariant();
            return m_engine->fileData(name.adjusted(QUrl::RemoveFragment));
        }
        return QTextBrowser::loadResource(type, name);
    }

private:
    QHelpEngine *m_engine = nullptr;
};

QString helpFilePath(const QString &programFile)
{
    return QFileInfo(programFile).absoluteDir().filePath(QStringLiteral("Hilfedatei/tarvolo.qch"));
}

HelpWindow::HelpWindow(const QString &helpFile, QWidget *parent)
    : QWidget(parent, Qt::Window), m_helpFile(helpFile)
{
    setObjectName(QStringLiteral("help_viewer"));
    setWindowTitle(QStringLiteral("Tarvolo – Hilfe"));
    setWindowIcon(programIcon());
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto *home = new QToolButton(this);
    home->setText(QStringLiteral("Inhalt"));
    auto *back = new QToolButton(this);
    back->setText(QStringLiteral("Zurück"));
    back->setEnabled(false);
    auto *forward = new QToolButton(this);
    forward->setText(QStringLiteral("Vor"));
    forward->setEnabled(false);
    for (QToolButton *b : {home, back, forward})
        b->setAutoRaise(true);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(home);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch(1);

    auto *splitter = new QSplitter(Qt::Horizontal, this);
    m_contents = new QTreeView(splitter);
    m_contents->setObjectName(QStringLiteral("help_contents"));
    m_contents->setHeaderHidden(true);
    m_contents->setUniformRowHeights(true);
    m_browser = new HelpBrowser(splitter);
    m_browser->setObjectName(QStringLiteral("help_browser"));
    m_browser->setOpenLinks(false);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 560});

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);

    onEvent(home, &QToolButton::clicked, this, [this] { showContents(); });
    onEvent(back, &QToolButton::clicked, m_browser, [this] { m_browser->backward(); });
    onEvent(forward, &QToolButton::clicked, m_browser, [this] { m_browser->forward(); });
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::anchorClicked, this,
            [this](const QUrl &url) { ErrorReport::guarded([&] { followLink(url); }); });
    // The temporary collection goes with the event loop: the program leaves without
    // destroying its windows.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { release(); });

    resize(820, 560);
    openHelpFile();
}

HelpWindow::~HelpWindow()
{
    release();
}

QTextBrowser *HelpWindow::browser() const
{
    return m_browser;
}

void HelpWindow::openHelpFile()
{
    const QString shownPath = QDir::toNativeSeparators(m_helpFile).toHtmlEscaped();
    if (!QFileInfo(m_helpFile).isFile()) {
        m_problem = QStringLiteral("Die Hilfedatei <b>%1</b> wurde nicht gefunden.").arg(shownPath);
        return;
    }
    const QString ns = QHelpEngineCore::namespaceName(m_helpFile);
    if (ns.isEmpty()) {
        m_problem =
            QStringLiteral("Die Datei <b>%1</b> ist keine lesbare Hilfedatei.").arg(shownPath);
        return;
    }
    // The engine writes into its collection file, so it gets a fresh one of its own.
    m_collectionDir = std::make_unique<QTemporaryDir>();
    if (!m_collectionDir->isValid()) {
        m_problem = QStringLiteral("Für die Hilfe kann kein temporärer Ordner angelegt werden.");
        m_collectionDir.reset();
        return;
    }
    m_engine = new QHelpEngine(m_collectionDir->filePath(QStringLiteral("tarvolo.qhc")), this);
    m_engine->setReadOnly(false);
    if (!m_engine->setupData() || !m_engine->registerDocumentation(m_helpFile) ||
        !m_engine->setupData()) {
        m_problem = QStringLiteral("Die Hilfedatei <b>%1</b> kann nicht gelesen werden: %2")
                        .arg(shownPath, m_engine->error().toHtmlEscaped());
        release();
        return;
    }
    m_browser->setEngine(m_engine);

    QHelpContentModel *model = m_engine->contentModel();
    m_contents->setModel(model);
    // the tree marks the page shown, also once the contents arrive from the background
    auto markShown = [this, model](const QUrl &url) {
        if (m_engine)
            m_contents->setCurrentIndex(entryOf(model, url));
    };
    connect(model, &QHelpContentModel::contentsCreated, m_contents, [this, markShown] {
        m_contents->expandToDepth(0);
        markShown(m_browser->source());
    });
    // the signal comes before source() names the new page
    connect(m_browser, &QTextBrowser::sourceChanged, m_contents, markShown);
    auto open = [this, model](const QModelIndex &index) {
        ErrorReport::guarded([&] {
            if (QHelpContentItem *item = model->contentItemAt(index))
                followLink(item->url());
        });
    };
    connect(m_contents, &QTreeView::activated, this, open);
    // a single click opens a page also where the style activates only on a double click
    connect(m_contents, &QTreeView::clicked, this, [this, open](const QModelIndex &index) {
        if (!m_contents->style()->styleHint(QStyle::SH_ItemView_ActivateItemOnSingleClick, nullptr,
                                            m_contents))
            open(index);
    });
}

void HelpWindow::release()
{
    m_browser->setEngine(nullptr);
    m_contents->setModel(nullptr);
    delete m_engine;
    m_engine = nullptr;
    m_collectionDir.reset();
}

void HelpWindow::showContents()
{
    request(0);
}

void HelpWindow::showTopic(int contextId)
{
    request(contextId);
}

void HelpWindow::request(int contextId)
{
    m_contextId = contextId;
    if (!m_problem.isEmpty()) {
        showProblem(m_problem);
    } else if (!m_engine) {
        showProblem(QStringLiteral("Die Hilfe ist nicht mehr verfügbar."));
    } else {
        const QList<QHelpLink> links = m_engine->documentsForIdentifier(QString::number(contextId));
        if (links.isEmpty()) {
            showProblem(contextId == 0
                            ? QStringLiteral("Die Hilfedatei enthält kein Inhaltsverzeichnis.")
                            : QStringLiteral("Zum Hilfethema Nummer %1 enthält die Hilfedatei "
                                             "keine Seite.")
                                  .arg(contextId));
        } else {
            showPage(links.first().url);
        }
    }
    Q_EMIT contextIdChanged(m_contextId);
}

void HelpWindow::showPage(const QUrl &url)
{
    if (!m_engine || m_engine->fileData(url.adjusted(QUrl::RemoveFragment)).isEmpty()) {
        showProblem(QStringLiteral("Die Seite <b>%1</b> fehlt in der Hilfedatei.")
                        .arg(url.fileName().toHtmlEscaped()));
        return;
    }
    m_browser->setSource(url, QTextDocument::HtmlResource);
}

void HelpWindow::showProblem(const QString &text)
{
    m_browser->setHtml(QStringLiteral("<h2 style=\"color:#000080\">Hilfe nicht verfügbar</h2>"
                                      "<p>%1</p><p>Die Hilfe gehört in den Ordner "
                                      "<b>Hilfedatei</b> neben dem Programm. Installieren Sie "
                                      "Tarvolo gegebenenfalls neu.</p>")
                           .arg(text));
}

void HelpWindow::followLink(const QUrl &url)
{
    const QUrl target = m_browser->source().resolved(url);
    if (target.scheme() == kScheme)
        showPage(target);
    else
        QDesktopServices::openUrl(target);
}
