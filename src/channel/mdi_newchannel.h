#pragma once

#include <memory>
#include <QPersistentModelIndex>
#include <QStringList>
#include <QWidget>

class QLineEdit;
class QMenu;
class QPlainTextEdit;

namespace Ui {
class Tchannelchild;
}

namespace tidewell::channel {

class ArticlePanel;
class ChannelTreeModel;
class TreeNode;
struct ItemFields;

// The channel window: a child of the main frame in which one channel is edited. It owns the channel
// tree (shown in rsstree), writes its channel boxes into the tree when they are left, adds, edits,
// updates and deletes items, edits the image section, keeps the category list, and exports the channel
// through the RSS writer.
//
// The window title is the document name ("Untitled <n>" or the document path) and is never decorated;
// whether the tree changed since it was opened, created or last exported is isChannelModified().
class Tchannelchild final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tchannelchild)

public:
    explicit Tchannelchild(QWidget *parent = nullptr);
    ~Tchannelchild() override;

    // Called once by the main window after creating the window. 1: new-channel defaults; 0: open the
    // document named by filetoopen(). Returns false when the document could not be loaded: the error
    // was shown and the window is left empty.
    bool setform(int flag);
    // Loads documentName into an item tab's article editor: 0 new_article, 1 edit_article (others: nothing).
    // False when the load did not start (another article load is in progress).
    bool load_article(int editor, const QString &documentName);
    // "Process, export,  & save feed information". True when the feed was written.
    bool ToolButton2Click();
    // "Save as". True when the feed was written.
    bool ToolButton4Click();

    // The channel tree shown in rsstree.
    ChannelTreeModel *channelModel() const;
    // True when the tree changed since the document was opened, created or last exported.
    bool isChannelModified() const { return m_modified; }

Q_SIGNALS:
    // An item was opened in the edit tab while the load-article setting is on: its article editor
    // should load link.
    void articleLoadRequested(const QString &link);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Channel box write-back.
    void titleExit();
    void linkExit();
    void descriptionExit();
    void managingeditorExit();
    void managingeditorKeyUp();
    void webmasterExit();
    void copyrightExit();
    void pdateExit();
    void langualistChange();
    void ttlChange();
    void writeBox(const char *lookedUpName, const char *createdName, const QString &value);

    // Commands.
    void SpeedButton9Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void rsstreeClick();
    // Tree pop-up "Add image section": adds the image section and opens its dialog.
    void Addimagesection1Click();
    void Editselectedrow1Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void Deletesection1Click();
    void SpeedButton7Click();
    void SpeedButton8Click();
    void categoryKeyUp();
    void ToolButton3Click();
    void Validatefeed1Click();

    bool parserssfile(const QString &path);
    bool exportTo(const QString &fileName);
    // Hands the feed's .xml copy to the feed validator.
    void runValidator(const QString &feedName);
    void readregistry();
    void loadCategories();

    TreeNode *selectedNode() const;
    void openImageDialog(const QPersistentModelIndex &index);
    ItemFields editTabFields() const;
    void closeEditTab();
    void setModified(bool modified);
    void setEditingLocked(bool locked);
    void fillLanguageList();

    std::unique_ptr<Ui::Tchannelchild> m_ui;
    ArticlePanel *m_newArticle = nullptr;
    ArticlePanel *m_editArticle = nullptr;
    QMenu *m_treeMenu = nullptr;
    QPersistentModelIndex m_editnode;
    QStringList m_categories;
    bool m_loadArticle = false;
    bool m_modified = false;
    bool m_filling = false;   // boxes filled by the program: no write-back, no change
    bool m_exporting = false; // an export runs
    bool m_closeWithoutAsking = false;
    bool m_destroying = false;
};

} // namespace tidewell::channel
