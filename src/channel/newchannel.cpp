#include "channel/newchannel.h"

#include "channel/rssdate.h"
#include "platform/textcodec.h"

#include <QCoreApplication>

namespace tidewell::channel {

NewChannelBoxes NewChannelBoxes::defaults() {
    return {QCoreApplication::translate("Tchannelchild", "New title"),
            QStringLiteral("http://www.example.com/"),
            QCoreApplication::translate("Tchannelchild", "Description of feed")};
}

ChannelTree newChannelTree(const NewChannelBoxes &boxes, const QDateTime &now) {
    struct Section {
        const char *text;
        QString value;
        int kind;
    };
    const Section sections[] = {
        {"Title", boxes.title, ChannelSectionNode},
        {"Link", boxes.link, ChannelSectionNode},
        {"Description", boxes.description, ChannelSectionNode},
        {"Language", QCoreApplication::translate("Tchannelchild", "en-us"), ChannelSectionNode},
        {"Copyright", QString(), PlainNode},
        {"ManagingEditor", QString(), PlainNode},
        {"WebMaster", QString(), PlainNode},
        {"Ttl", QStringLiteral("30"), PlainNode},
        {"pubDate", rssDate(now), PlainNode},
    };
    ChannelTree tree;
    for (const Section &section : sections) {
        tree.append(tree.append(nullptr, section.text, section.kind), platform::storedText(section.value));
    }
    return tree;
}

} // namespace tidewell::channel
