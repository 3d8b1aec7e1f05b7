#include "channel/articleeditor.h"

#include "channel/articlehtml.h"
#include "channel/cleanhtml.h"
#include "platform/httpclient.h"
#include "platform/prompts.h"
#include "platform/statusline.h"
#include "platform/textcodec.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace tidewell::channel {

namespace {

bool isWebAddress(const QString &name) {
    return name.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
           name.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

// The page's own declaration (byte order mark, meta charset) when it has one we can decode; else UTF-8,
// or Windows-1252 for bytes that are not valid UTF-8 (pages saved on older Windows installs).
QString decodeHtml(const QByteArray &bytes) {
    const std::optional<QStringConverter::Encoding> encoding = QStringConverter::encodingForHtml(bytes);
    if (encoding && !(*encoding == QStringConverter::Utf8 &&
                      !platform::isValidUtf8(std::string_view(bytes.constData(), size_t(bytes.size()))))) {
        QStringDecoder decoder(*encoding);
        return decoder.decode(bytes);
    }
    return platform::displayText(std::string_view(bytes.constData(), size_t(bytes.size())));
}

// Point sizes of the seven HTML font size steps.
constexpr qreal kFontSizeSteps[] = {8, 10, 12, 14, 18, 24, 36};

} // namespace

ArticleEditor::ArticleEditor(QWidget *parent) : QWidget(parent), m_edit(new QTextEdit(this)) {
    m_edit->setObjectName(QStringLiteral("articleText"));
    m_edit->setAcceptRichText(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_edit);
    setFocusProxy(m_edit);
}

ArticleEditor::~ArticleEditor() {
    if (m_client) {
        m_client->cancel();
    }
}

bool ArticleEditor::load(const QString &documentName) {
    const QString name = documentName.trimmed();
    if (m_busy || name.isEmpty()) {
        return false;
    }
    m_busy = true;
    m_loadError.clear();
    m_edit->setReadOnly(true);
    // The load runs from the event loop, so load() returns at once like the editing control it replaces.
    QTimer::singleShot(0, this, [this, name] { runLoad(name); });
    return true;
}

void ArticleEditor::runLoad(const QString &documentName) {
    QPointer<ArticleEditor> self(this);
    const bool ok = isWebAddress(documentName) ? loadWeb(documentName) : loadLocal(documentName);
    if (!self) {
        return;
    }
    m_edit->setReadOnly(false);
    m_busy = false;
    Q_EMIT loadFinished(ok);
}

bool ArticleEditor::loadLocal(const QString &name) {
    const QUrl url(name);
    const QString path = url.isLocalFile() ? url.toLocalFile() : name;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        showLoadError(name, file.exists() ? file.errorString() : tr("The file does not exist."));
        return false;
    }
    showDocument(file.readAll(), QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    return true;
}

bool ArticleEditor::loadWeb(const QString &address) {
    // The client is not a child of the editor: should the editor go away while the fetch waits, its
    // destructor cancels the fetch and the client outlives it until fetch has returned.
    platform::HttpClient client;
    m_client = &client;
    QPointer<ArticleEditor> self(this);
    QString failure;
    try {
        switch (client.fetch(address)) {
        case platform::HttpClient::Outcome::Success:
            break;
        case platform::HttpClient::Outcome::Failure:
            failure = tr("The server answered %1.").arg(client.statusCode());
            break;
        case platform::HttpClient::Outcome::Cancelled:
            failure = tr("The load was cancelled.");
            break;
        default:
            failure = tr("The page could not be loaded.");
            break;
        }
    } catch (const platform::HttpError &error) {
        failure = error.message();
    }
    if (!self) {
        return false;
    }
    m_client = nullptr;
    if (!failure.isEmpty()) {
        showLoadError(address, failure);
        return false;
    }
    showDocument(client.body(), client.finalUrl());
    return true;
}

void ArticleEditor::showDocument(const QByteArray &bytes, const QUrl &baseUrl) {
    const QString text = decodeHtml(bytes);
    QTextDocument *document = m_edit->document();
    document->setBaseUrl(baseUrl);
    if (Qt::mightBeRichText(text)) {
        m_edit->setHtml(text);
    } else {
        m_edit->setPlainText(text);
    }
}

void ArticleEditor::showLoadError(const QString &documentName, const QString &reason) {
    // The article keeps what it held: an error text inside it could be saved as the article.
    m_loadError = tr("Cannot load %1: %2").arg(documentName, reason);
    platform::StatusLine::current().statusmsg(m_loadError);
    platform::Prompts::error(m_loadError);
}

void ArticleEditor::waitForLoad() {
    if (!m_busy) {
        return;
    }
    QEventLoop loop;
    connect(this, &ArticleEditor::loadFinished, &loop, &QEventLoop::quit);
    loop.exec();
}

QTextCharFormat ArticleEditor::selectionFormat() const {
    const QTextCursor cursor = m_edit->textCursor();
    if (!cursor.hasSelection()) {
        return cursor.charFormat();
    }
    // The format of the selection's first character decides whether a style is switched on or off.
    QTextCursor probe(m_edit->document());
    probe.setPosition(cursor.selectionStart() + 1);
    return probe.charFormat();
}

void ArticleEditor::mergeFormat(const QTextCharFormat &format) {
    m_edit->mergeCurrentCharFormat(format);
}

void ArticleEditor::bold() {
    if (m_busy) {
        return;
    }
    QTextCharFormat format;
    format.setFontWeight(selectionFormat().fontWeight() > QFont::Normal ? QFont::Normal : QFont::Bold);
    mergeFormat(format);
}

void ArticleEditor::italic() {
    if (m_busy) {
        return;
    }
    QTextCharFormat format;
    format.setFontItalic(!selectionFormat().fontItalic());
    mergeFormat(format);
}

void ArticleEditor::underline() {
    if (m_busy) {
        return;
    }
    QTextCharFormat format;
    format.setFontUnderline(!selectionFormat().fontUnderline());
    mergeFormat(format);
}

void ArticleEditor::strikeThrough() {
    waitForLoad();
    QTextCharFormat format;
    format.setFontStrikeOut(!selectionFormat().fontStrikeOut());
    mergeFormat(format);
}

void ArticleEditor::setParagraphAlignment(Qt::Alignment alignment) {
    waitForLoad();
    m_edit->setAlignment(alignment);
}

void ArticleEditor::justifyLeft() {
    setParagraphAlignment(Qt::AlignLeft);
}

void ArticleEditor::justifyCenter() {
    setParagraphAlignment(Qt::AlignHCenter);
}

void ArticleEditor::justifyRight() {
    setParagraphAlignment(Qt::AlignRight);
}

void ArticleEditor::insertHyperlink() {
    if (m_busy) {
        return;
    }
    QTextCursor cursor = m_edit->textCursor();
    const QString current = selectionFormat().anchorHref();
    const std::optional<QString> answer = platform::Prompts::current().inputText(
        tr("Hyperlink"), tr("Address:"), current.isEmpty() ? QStringLiteral("http://") : current);
    const QString href = answer ? answer->trimmed() : QString();
    if (href.isEmpty()) {
        return;
    }
    QTextCharFormat format;
    format.setAnchor(true);
    format.setAnchorHref(href);
    format.setFontUnderline(true);
    format.setForeground(palette().link());
    if (cursor.hasSelection()) {
        cursor.mergeCharFormat(format);
    } else {
        cursor.insertText(href, format);
        // Text typed after the link is not part of it.
        m_edit->setCurrentCharFormat(QTextCharFormat());
    }
}

void ArticleEditor::insertImage() {
    if (m_busy) {
        return;
    }
    const std::optional<QString> answer = platform::Prompts::current().inputText(
        tr("Image"), tr("Picture source (file or address):"), QString());
    const QString source = answer ? answer->trimmed() : QString();
    if (source.isEmpty()) {
        return;
    }
    QTextImageFormat format;
    format.setName(source);
    m_edit->textCursor().insertImage(format);
}

void ArticleEditor::selectAll() {
    m_edit->selectAll();
}

void ArticleEditor::deleteSelection() {
    m_edit->textCursor().removeSelectedText();
}

bool ArticleEditor::save(const QString &path, QString *errorText) const {
    return saveArticleHtml(path, cleanHtmlPage(*m_edit->document(), m_edit->documentTitle()), errorText);
}

QString ArticleEditor::html() const {
    return cleanHtmlBody(*m_edit->document());
}

QString ArticleEditor::plainText() const {
    return m_edit->toPlainText();
}

void ArticleEditor::setHtml(const QString &html) {
    m_edit->setHtml(html);
}

void ArticleEditor::setFontName(const QString &family) {
    QTextCharFormat format;
    format.setFontFamilies({family});
    mergeFormat(format);
}

void ArticleEditor::setFontSizeStep(int step) {
    QTextCharFormat format;
    format.setFontPointSize(kFontSizeSteps[std::clamp(step, 1, 7) - 1]);
    mergeFormat(format);
}

void ArticleEditor::setColor(const QColor &color) {
    QTextCharFormat format;
    format.setForeground(color);
    mergeFormat(format);
}

} // namespace tidewell::channel
