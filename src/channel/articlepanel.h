#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class QAbstractButton;
class QLineEdit;
class QToolButton;

namespace tidewell::channel {

class ArticleEditor;

// The article area of one item tab of the channel window: the article editor with its formatting bar
// beside it (bold to insert image, save and clear article), and the tab's article commands, including
// the two link pickers beside the tab's link box. Every button acts on this tab's editor and link box
// only. The window hands in what the panel works with, so the panel never reaches into it.
class ArticlePanel final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ArticlePanel)

public:
    // The two item tabs; the number is the one load_article takes.
    enum class Tab { NewItem = 0, EditItem = 1 };

    // linkBox: the tab's link box (itemlink / u_link); channelLinkBox: the channel's link box (link).
    ArticlePanel(Tab tab, QLineEdit *linkBox, QLineEdit *channelLinkBox, QWidget *parent = nullptr);
    ~ArticlePanel() override;

    // The link pickers beside the link box: "Link local document" and "Retrieve link from browser
    // history" (linkbutton / SpeedButton12, SpeedButton13 / SpeedButton14).
    void attachLinkPickers(QAbstractButton *localDocumentButton, QAbstractButton *historyButton);
    // The window whose title captions the panel's messages (default: the panel's own window).
    void setMessageWindow(QWidget *window) { m_messageWindow = window; }
    // The load-article setting: picking a link from the history then loads it.
    void setLoadArticleSetting(bool on) { m_loadArticleSetting = on; }
    bool loadArticleSetting() const { return m_loadArticleSetting; }
    // Whose browser history the picker reads; empty means the current user's (tests pass a fixture).
    void setHistoryHome(const QString &home) { m_historyHome = home; }

    ArticleEditor *editor() const { return m_editor; }
    Tab tab() const { return m_tab; }

    // load_article for this tab: shows the busy window and the status message, loads documentName into
    // the editor and waits for the load while window events run. Refused (false) while any article load
    // is in progress, so loads never nest.
    bool loadArticle(const QString &documentName);
    // True while this panel waits for a load: its window must not close meanwhile.
    bool isLoading() const { return m_loading; }
    // True while any panel waits for a load.
    static bool anyLoadInProgress();

    // The tab's article commands.
    void saveArticle();
    void clearArticle();
    void linkLocalDocument();
    void retrieveLinkFromHistory();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    QString messageCaption() const;

    Tab m_tab;
    QPointer<QLineEdit> m_linkBox;
    QPointer<QLineEdit> m_channelLinkBox;
    QPointer<QWidget> m_messageWindow;
    ArticleEditor *m_editor = nullptr;
    QList<QToolButton *> m_buttons; // in the order of the formatting bar
    QString m_historyHome;
    bool m_loadArticleSetting = false;
    bool m_loading = false;
};

// The parts of one item tab of the channel window that its article panel works with.
struct ArticleTabParts {
    QWidget *area = nullptr;                        // newArticleArea / editArticleArea (a QVBoxLayout inside)
    QLineEdit *linkBox = nullptr;                   // itemlink / u_link
    QAbstractButton *localDocumentButton = nullptr; // linkbutton / SpeedButton13
    QAbstractButton *historyButton = nullptr;       // SpeedButton12 / SpeedButton14
};

// Creates the article panel of one item tab inside parts.area, wired to the tab's link box and link
// pickers and to the channel link box; window captions its messages.
ArticlePanel *installArticlePanel(ArticlePanel::Tab tab, const ArticleTabParts &parts,
                                  QLineEdit *channelLinkBox, QWidget *window, bool loadArticleSetting);

} // namespace tidewell::channel
