#pragma once

#include <memory>
#include <QDialog>

namespace Ui {
class Tfrm_about;
}

namespace tidewell::shell {

// The about window: a borderless picture centred on the main window; a click on the picture or the
// Escape key closes it.
class Tfrm_about final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_about)

public:
    explicit Tfrm_about(QWidget *parent = nullptr);
    ~Tfrm_about() override;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<Ui::Tfrm_about> m_ui;
};

} // namespace tidewell::shell
