#pragma once

#include <memory>
#include <QDialog>

class QTimer;

namespace Ui {
class Tfrm_busy;
}

namespace tidewell::shell {

// The busy window shown while a web document loads into an article editor: stays on top, and while it is
// open a 25 ms timer lets pending window events run so the program keeps painting.
class Tfrm_busy final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_busy)

public:
    static constexpr int kPumpMs = 25;

    explicit Tfrm_busy(QWidget *parent = nullptr);
    ~Tfrm_busy() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void done(int result) override;

private:
    std::unique_ptr<Ui::Tfrm_busy> m_ui;
    QTimer *m_timer = nullptr;
};

} // namespace tidewell::shell
