#pragma once

#include <memory>
#include <QDialog>

namespace Ui {
class Tfrm_config;
}

namespace tidewell::shell {

// The configuration dialog: the user's name, e-mail address and site, and the article-loading option,
// loaded from the settings store when created and written by "&Save details". Escape (released in the
// dialog or one of its text fields) or the frame's close button leaves without writing.
class Tfrm_config final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_config)

public:
    explicit Tfrm_config(QWidget *parent = nullptr);
    ~Tfrm_config() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void loadDetails();
    void Button1Click();

    std::unique_ptr<Ui::Tfrm_config> m_ui;
};

} // namespace tidewell::shell
