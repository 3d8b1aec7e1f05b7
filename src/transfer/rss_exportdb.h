#pragma once

#include "channel/channeltree.h"

#include <memory>
#include <QDialog>

class QPixmap;
class QStatusBar;

namespace Ui {
class Tfrm_exportdb;
}

namespace tidewell::transfer {

// The "Export to Database" dialog: asks for the file, the item table's name and the format version,
// and writes the channel it was given into a new database file (DbExport). It works on its own copy of
// the channel tree, so the channel window is never changed. Created for one showing.
class Tfrm_exportdb final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_exportdb)

public:
    explicit Tfrm_exportdb(QWidget *parent = nullptr);
    ~Tfrm_exportdb() override;

    Ui::Tfrm_exportdb *ui() const { return m_ui.get(); }
    // The channel to export (the hidden tree); an empty tree when no channel document was active.
    void setTree(channel::ChannelTree tree) { m_tree = std::move(tree); }
    const channel::ChannelTree &tree() const { return m_tree; }
    // The picture beside the fields.
    void setLogo(const QPixmap &logo);
    // 30 or 40, from vsbox.
    int formatVersion() const;

    // Chooses a directory and puts it in front of the file name in fname.
    void SpeedButton1Click();
    // The export; closes the dialog 250 ms after it succeeded, stays open when it failed.
    void Button1Click();

    QStatusBar *StatusBar1 = nullptr;

protected:
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::Tfrm_exportdb> m_ui;
    channel::ChannelTree m_tree;
    QString m_lastDirectory; // the directory chosen last in this dialog
};

} // namespace tidewell::transfer
