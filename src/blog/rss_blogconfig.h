#pragma once

#include <memory>
#include <QDialog>

namespace Ui {
class Tfrm_blogconfig;
}

namespace tidewell::blog {

// The blog configuration dialog: the blog's name, its owner and the owner's e-mail address, kept in the
// blog information record. When the blog database cannot be made or opened, the dialog says so and
// closes at once (exec() returns Rejected without showing it).
class Tfrm_blogconfig final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_blogconfig)

public:
    explicit Tfrm_blogconfig(QWidget *parent = nullptr);
    ~Tfrm_blogconfig() override;

    int exec() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void Button1Click();

    std::unique_ptr<Ui::Tfrm_blogconfig> m_ui;
    qint64 m_id = 0;
    bool m_unusable = false;
};

} // namespace tidewell::blog
