// libFuzzer target for the road from bytes to a channel tree: the XML scanner (recovery and normalisation
// on) delivers the parts, with start and end tags paired, they become indented nodes, and the nodes are
// reshaped into the result tree. Any bytes must end in a tree or an error text; never a crash, a read
// past the input, a hang or unbounded memory (entity expansion is bounded by the scanner).

#include "feeds/indentedtext.h"
#include "feeds/rssimport.h"
#include "platform/xmlscanner.h"

#include <cstdint>
#include <cstdlib>

using tidewell::platform::XmlScanner;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    XmlScanner scanner;
    scanner.normalize = true;
    scanner.recover = true;
    scanner.loadBytes(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    tidewell::feeds::IndentedLines lines;
    int depth = 0;
    int open = 0; // start tags without their end tag yet
    size_t parts = 0;
    while (scanner.next()) {
        const XmlScanner::Part &part = scanner.part();
        if (part.depth < 0) {
            std::abort();
        }
        // A part is never deeper than one below the element it is in, nor produced out of nothing.
        if (part.kind != XmlScanner::PartKind::EndTag && part.depth > depth + 1 && !lines.empty()) {
            std::abort();
        }
        if (++parts > 4 * size + 64) {
            std::abort(); // more parts than the input can hold
        }
        if (part.kind == XmlScanner::PartKind::StartTag) {
            ++open;
        }
        if (part.kind == XmlScanner::PartKind::EndTag) {
            if (--open < 0 || part.depth != open) {
                std::abort(); // an end tag always closes the innermost open element
            }
            continue;
        }
        depth = part.depth;
        const std::string &text =
            (part.kind == XmlScanner::PartKind::StartTag || part.kind == XmlScanner::PartKind::EmptyTag)
                ? part.name
                : part.content;
        lines.append(part.depth, text);
    }
    if (open != 0) {
        std::abort(); // a recovered document ends with every element closed
    }
    tidewell::channel::ChannelTree tree;
    QString error;
    if (!tidewell::feeds::RssImport::reshape(lines, tree, &error) && error.isEmpty()) {
        std::abort(); // a refused document always says why
    }
    return 0;
}
