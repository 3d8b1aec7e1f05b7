#pragma once

#include "platform/statusline.h"
#include "shell/recentfiles.h"
#include "shell/standarddialogs.h"

#include <memory>
#include <QMainWindow>
#include <QPointer>

class QLabel;
class QMdiSubWindow;
class QProgressBar;

namespace Ui {
class Tmain;
}

namespace tidewell::channel {
class ChannelTree;
class Tchannelchild;
} // namespace tidewell::channel

namespace tidewell::shell {

class WorkArea;

// The main frame: an MDI window that owns the channel windows (and, later, the blog tool windows), with
// the menus, the tool bar, the recent-files list and the status bar (progress bar ProgressBar1 in panel 0,
// the status line in panel 1). It is the program's StatusLine while it exists. On its first show it opens
// the documents named on the command line.
class Tmain final : public QMainWindow, public platform::StatusLine {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tmain)

public:
    // arguments: the program's parameters 1 to n. Shows the splash (modally) unless one is "/NOSPLASH".
    explicit Tmain(const QStringList &arguments = {}, QWidget *parent = nullptr);
    ~Tmain() override;

    // StatusLine
    void statusmsg(const QString &message) override;
    void setStatusText(const QString &text) override;
    void setProgressMaximum(int maximum) override;
    void setProgressPosition(int position) override;

    // Opens a channel document in a new channel window; the path goes to the top of the recent files.
    void file_open(const QString &path);
    const RecentFiles &recentFiles() const { return m_recent; }

    // The child windows in creation order, and the active one's channel window (nullptr when the active
    // child is not a channel window or none is active).
    QList<QMdiSubWindow *> childWindows() const;
    // The window showing the document at path, if one is open.
    QMdiSubWindow *findDocumentWindow(const QString &path) const;
    channel::Tchannelchild *activeChannel() const;
    // The "Selected feed" the upload dialog gets for the active child: its ".xml" copy, or empty.
    QString uploadFeedPreset() const;

    // Command handlers (menu entries and tool buttons).
    void New1Click();
    void Openfile1Click();
    void Save1Click();
    void ImportRSSfile1Click();
    void OPMLfile1Click();
    void MSAccessdatabase1Click();
    void Uploadfeed1Click();
    void Close1Click();
    void Newarticle1Click();
    void Configuration1Click();
    void FeedValidator1Click();
    void Help2Click();
    void Tidewellforums1Click();
    void About1Click();
    void mrulistMRUItemClick(const QString &path);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void connectActions();
    // The main window's place, size and maximised state, kept between runs.
    void restorePlacement();
    void savePlacement() const;
    void processCommandLine();
    QMdiSubWindow *addChild(QWidget *child);
    void updateMenus();
    void rebuildRecentMenu();
    void rebuildWindowList();
    QString activeTitle() const;

    // The dialogs of other parts of the program; each is one call away from its real dialog.
    // RSS import: returns the produced channel document, empty when none was made.
    QString runImportDialog(const QString &presetFile);
    void runOpmlDialog();
    void runValidatorDialog();
    void runExportDialog(const channel::ChannelTree *tree);
    void runUploadDialog(const QString &selectedFeed);
    void openBlogTool(const QString &title);
    void notAvailable(const QString &message);

    std::unique_ptr<Ui::Tmain> m_ui;
    WorkArea *m_workArea = nullptr;
    QPointer<QMdiSubWindow> m_lastActive; // the window last in front, for the status line
    QProgressBar *m_progress = nullptr;
    QLabel *m_statusText = nullptr;
    QList<QAction *> m_recentActions;
    QList<QAction *> m_windowListActions;
    RecentFiles m_recent;
    StandardDialogs m_dialogs;
    QStringList m_arguments;
    bool m_shown = false;
};

} // namespace tidewell::shell
