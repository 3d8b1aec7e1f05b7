#pragma once

#include <QColor>
#include <QPointer>
#include <QString>
#include <QWidget>

class QTextEdit;
class QTextCharFormat;

namespace tidewell::platform {
class HttpClient;
}

namespace tidewell::channel {

// The HTML article editor of an item tab (and later of the blog tool): a rich-text editor that offers
// exactly the operations the windows use. A document is loaded from a web address (fetched with the
// HTTP client; images of a fetched page are not fetched) or a local path (its relative images load from
// its folder). A load starts at once and ends with loadFinished; busy() is true in between.
class ArticleEditor final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ArticleEditor)

public:
    explicit ArticleEditor(QWidget *parent = nullptr);
    ~ArticleEditor() override;

    // Starts loading documentName (an http:// or https:// address, a file: URL or a local path) and
    // returns at once. False, with nothing started, when the name is empty or a load is in progress.
    // A load that fails shows why in the editor.
    bool load(const QString &documentName);
    bool busy() const { return m_busy; }
    // What the last load reported: empty after a successful one. A failed load leaves the document as it
    // was and shows the reason on the status line and in an error box.
    QString loadError() const { return m_loadError; }

    // Formatting of the selection. Bold, italic, underline, hyperlink and image do nothing while a
    // load is in progress (the command is unavailable); strike-through and the alignments wait for the
    // load to finish first.
    void bold();
    void italic();
    void underline();
    void strikeThrough();
    void justifyLeft();
    void justifyCenter();
    void justifyRight();
    // Asks for an address; makes the selection a link to it (no selection: inserts the address as a link).
    void insertHyperlink();
    // Asks for a picture's source; inserts the picture at the caret.
    void insertImage();
    void selectAll();
    // Deletes the selection.
    void deleteSelection();

    // Writes the document as a clean HTML page (cleanHtmlPage; CR LF line ends, non-ASCII as "&#n;").
    // False with the reason.
    bool save(const QString &path, QString *errorText = nullptr) const;

    // For the blog tool: the body as clean HTML (cleanHtmlBody) or plain text, replacing the document, and
    // the font of the selection (font size step 1 to 7 as in HTML's <font size>).
    QString html() const;
    QString plainText() const;
    void setHtml(const QString &html);
    void setFontName(const QString &family);
    void setFontSizeStep(int step);
    void setColor(const QColor &color);

    // The text widget inside (for focus and tests that type into it).
    QTextEdit *textEdit() const { return m_edit; }

Q_SIGNALS:
    void loadFinished(bool ok);

private:
    void runLoad(const QString &documentName);
    bool loadLocal(const QString &path);
    bool loadWeb(const QString &address);
    void showDocument(const QByteArray &bytes, const QUrl &baseUrl);
    void showLoadError(const QString &documentName, const QString &reason);
    void waitForLoad();
    QTextCharFormat selectionFormat() const;
    void mergeFormat(const QTextCharFormat &format);
    void setParagraphAlignment(Qt::Alignment alignment);

    QTextEdit *m_edit = nullptr;
    QPointer<platform::HttpClient> m_client;
    QString m_loadError;
    bool m_busy = false;
};

} // namespace tidewell::channel
