#pragma once

#include "channel/channeledit.h"

#include <memory>
#include <QDialog>

namespace Ui {
class Tfrm_imageedit;
}

namespace tidewell::channel {

// The Image Properties dialog: edits the fields of a channel's image section. Opened modally by the
// channel window's "Edit selected row" on the image section; "&Ok" accepts, any other close does not.
class Tfrm_imageedit final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_imageedit)

public:
    explicit Tfrm_imageedit(QWidget *parent = nullptr);
    ~Tfrm_imageedit() override;

    // Shows the fields that are present; absent ones keep the dialog's presets.
    void setFields(const ImageFields &fields);
    // Every box's value (height and width as whole numbers).
    ImageFields fields() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::Tfrm_imageedit> m_ui;
};

} // namespace tidewell::channel
