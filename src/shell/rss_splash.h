#pragma once

#include <memory>
#include <QDialog>

class QTimer;

namespace Ui {
class Tfrm_splash;
}

namespace tidewell::shell {

// The splash window: a borderless picture in the middle of the desktop that closes itself 4000 ms after
// it is shown.
class Tfrm_splash final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_splash)

public:
    static constexpr int kShowMs = 4000;

    explicit Tfrm_splash(QWidget *parent = nullptr);
    ~Tfrm_splash() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Timer1Timer();

    std::unique_ptr<Ui::Tfrm_splash> m_ui;
    QTimer *m_timer = nullptr;
};

} // namespace tidewell::shell
