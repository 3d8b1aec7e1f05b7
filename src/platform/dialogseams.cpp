#include "platform/dialogseams.h"

namespace tidewell::platform {

namespace {
class NoDialogs final : public DialogSeams {
public:
    QWidget *showBusyWindow(QWidget *) override { return nullptr; }
    std::optional<QString> pickHistoryLink(QWidget *, const QString &) override { return std::nullopt; }
    void runValidator(QWidget *, const QString &) override {}
};

NoDialogs &noDialogs() {
    static NoDialogs none;
    return none;
}

DialogSeams *&installed() {
    static DialogSeams *seams = nullptr;
    return seams;
}
} // namespace

DialogSeams &DialogSeams::current() {
    return installed() ? *installed() : noDialogs();
}

void DialogSeams::install(DialogSeams *seams) {
    installed() = seams;
}

} // namespace tidewell::platform
