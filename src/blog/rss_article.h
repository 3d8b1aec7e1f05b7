#pragma once

#include "blog/blogentries.h"

#include <memory>
#include <QMainWindow>

class QLineEdit;
class QTreeWidget;

namespace Ui {
class Tfrm_article;
}

namespace tidewell::blog {

// The blog tool window: a child of the main frame in which blog entries are written in an HTML editor,
// stored in the blog database, edited, deleted, archived and restored, moved to another day with the
// calendar, renumbered and compacted (Repair), and from which the blog configuration and publishing
// start. The entry commands themselves are BlogEntries'; the window gathers their input and shows
// their outcome.
//
// The window is in new-entry mode (addtoblog enabled, editblog disabled) or in edit mode (the reverse,
// idlabel naming the entry being edited).
class Tfrm_article final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_article)

public:
    explicit Tfrm_article(QWidget *parent = nullptr);
    ~Tfrm_article() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Commands.
    void addtoblogClick();
    void editblogClick();
    void Editselectedentry1Click();
    void Createnewentry1Click();
    void Deleteselectedentry1Click();
    void Togglearchivestatus1Click();
    void Togglearchivestatus2Click();
    void MonthCalendar1DblClick();
    void repair();
    void publish();
    void configure();
    void historylinkClick();
    void loadwebpageClick();

    // Formatting bar.
    void fontcomboChange(const QString &family);
    void font_sizeChange();
    void ColorComboBox1Click(int index);

    // The publishing wizard, modal; the connection is closed while it runs.
    void runPublishWizard();

    void reload();
    void refreshLists();
    void fillList(QTreeWidget *list, EntryTable table);
    void loadCategories();
    void fillFonts();
    void fillColours();
    void clearEntryFields();
    // Puts text into box as its default, remembered so that a language change can translate it.
    static void showDefault(QLineEdit *box, QString &shown, const QString &text);
    static QString titleDefault();
    static QString linkdesDefault();
    void setEditMode(bool edit);
    EntryDraft draftFromFields() const;
    // The id of the row selected in list; 0 when none is.
    qint64 selectedId(const QTreeWidget *list) const;
    // Shows an engine failure; true when there was one.
    bool failed(const QString &error);
    // Runs a command that renumbers and compacts, with the status line showing its progress.
    template <typename Command> void runRepairing(Command command);
    void closeWindow();

    std::unique_ptr<Ui::Tfrm_article> m_ui;
    BlogEntries m_entries;
    QString m_fontSizeText = QStringLiteral("10");
    QString m_editedGuid; // guid of the entry being edited, as it was read
    // The default texts last put into the title and link description boxes, as shown.
    QString m_titleShown;
    QString m_linkdesShown;
    bool m_busy = false;
    bool m_shownOnce = false;
    bool m_closing = false;
};

} // namespace tidewell::blog
