#pragma once

#include <QString>
#include <QWidget>
#include <memory>

class HelpBrowser;
class QHelpEngine;
class QTemporaryDir;
class QTextBrowser;
class QTreeView;
class QUrl;

// Where a program file finds its help: Hilfedatei/tarvolo.qch in the program's own folder.
QString helpFilePath(const QString &programFile);

// The help window (`help_viewer`): the contents tree of the help file beside a browser that
// shows its pages. A topic is asked for by its context number, a keyword id of the help file;
// 0 is the table of contents. A missing or unreadable file and an unknown topic are reported
// in the browser, so a help request never fails.
class HelpWindow : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int contextId READ contextId NOTIFY contextIdChanged)

public:
    explicit HelpWindow(const QString &helpFile, QWidget *parent = nullptr);
    ~HelpWindow() override;

    QString helpFile() const { return m_helpFile; }
    // The context number of the last request: 0 for the contents, -1 before the first.
    int contextId() const { return m_contextId; }
    QTextBrowser *browser() const;
    QTreeView *contentsTree() const { return m_contents; }

    void showContents();
    void showTopic(int contextId);

Q_SIGNALS:
    // On every request, also when it asks for the topic already shown.
    void contextIdChanged(int contextId);

private:
    void openHelpFile();
    void release();
    void request(int contextId);
    void showPage(const QUrl &url);
    void showProblem(const QString &text);
    void followLink(const QUrl &url);

    QString m_helpFile;
    QString m_problem; // why the help file cannot be shown; empty while it can
    std::unique_ptr<QTemporaryDir> m_collectionDir;
    QHelpEngine *m_engine = nullptr;
    HelpBrowser *m_browser = nullptr;
    QTreeView *m_contents = nullptr;
    int m_contextId = -1;
};
