#pragma once

#include "channel/channeltree.h"

#include <QDateTime>
#include <QString>

namespace tidewell::channel {

// The texts of the channel boxes that the new-channel defaults start from (title, link, description).
struct NewChannelBoxes {
    QString title;
    QString link;
    QString description;

    // The presets of a new channel: "New title", a placeholder link, "Description of feed".
    static NewChannelBoxes defaults();
};

// The new-channel defaults (setform with 1): nine top-level sections, each with one value node, in this
// order: Title, Link, Description, Language (kind 1, the language "en-us" from the message table),
// Copyright, ManagingEditor, WebMaster (empty), Ttl ("30"), pubDate (now in the RSS date format), the last
// five with kind 0. The channel window fills its boxes from NewChannelBoxes::defaults() and its
// publishdate box with rssDate(now), then shows newChannelTree(boxes, now); tidewell-cli new writes the
// same tree.
ChannelTree newChannelTree(const NewChannelBoxes &boxes, const QDateTime &now);

} // namespace tidewell::channel
