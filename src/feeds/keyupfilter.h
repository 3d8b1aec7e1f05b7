#pragma once

#include <functional>
#include <QObject>

class QWidget;

namespace tidewell::feeds {

// Hands the key releases of a field to its key-up handler (feednameKeyUp, remoteresourceKeyUp), where
// the release of Enter runs a command. An Enter release counts only when the field also received its
// press: the Enter that closes a message box is pressed in the box and released in the field, and must
// not run the command again. Auto-repeated Enter releases run nothing either. The filter takes the Enter
// press itself, so the dialog around the field never presses its default button for it.
class KeyUpFilter final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyUpFilter)

public:
    // Watches field; the filter is a child of field and lives as long as it.
    static void install(QWidget *field, std::function<void(int key)> keyUp);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    KeyUpFilter(QWidget *field, std::function<void(int key)> keyUp);

    std::function<void(int key)> m_keyUp;
    bool m_enterPressed = false;
};

} // namespace tidewell::feeds
