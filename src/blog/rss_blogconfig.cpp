#include "blog/rss_blogconfig.h"

#include "blog/blogdatabase.h"
#include "blog/bloginformation.h"
#include "platform/prompts.h"
#include "ui_rss_blogconfig.h"

namespace tidewell::blog {

using platform::PromptButtons;
using platform::Prompts;
using platform::PromptType;

Tfrm_blogconfig::Tfrm_blogconfig(QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::Tfrm_blogconfig>()) {
    m_ui->setupUi(this);
    if (parent) {
        move(parent->window()->pos() + QPoint(30, 50));
    }
    connect(m_ui->Button1, &QPushButton::clicked, this, &Tfrm_blogconfig::Button1Click);
    connect(m_ui->Button2, &QPushButton::clicked, this, &QDialog::reject);

    platform::Status status = BlogDatabase::ensureExists();
    if (status) {
        const auto information = BlogInformationRecord::read();
        if (information) {
            m_id = information->id;
            m_ui->blogname->setText(information->name);
            m_ui->blogowner->setText(information->owner);
            m_ui->emailaddress->setText(information->email);
            return;
        }
        status = platform::Status::failure(information.error());
    }
    m_unusable = true;
    Prompts::current().message(PromptType::Error, windowTitle(),
                               BlogDatabase::missingMessage() + QStringLiteral("\n\n") + status.error(),
                               PromptButtons::Ok);
}

Tfrm_blogconfig::~Tfrm_blogconfig() = default;

int Tfrm_blogconfig::exec() {
    if (m_unusable) {
        return Rejected;
    }
    return QDialog::exec();
}

void Tfrm_blogconfig::Button1Click() {
    BlogInformation information;
    information.id = m_id;
    information.name = m_ui->blogname->text();
    information.owner = m_ui->blogowner->text();
    information.email = m_ui->emailaddress->text();
    if (const platform::Status changed = BlogInformationRecord::change(information); !changed) {
        // The dialog stays open with what was typed.
        Prompts::current().message(PromptType::Error, windowTitle(), changed.error(), PromptButtons::Ok);
        return;
    }
    accept();
}

void Tfrm_blogconfig::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
    }
    QDialog::changeEvent(event);
}

} // namespace tidewell::blog
