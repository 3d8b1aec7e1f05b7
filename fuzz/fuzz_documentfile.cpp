// libFuzzer target for the channel document reader: any bytes must give either a tree or an error text,
// never a crash, a read past the input or an allocation the input cannot justify. A tree that was read
// is written, and what was written must read back and write again to the same bytes.

#include "channel/documentfile.h"

#include <cstdint>
#include <cstdlib>

using tidewell::channel::ChannelTree;
using tidewell::channel::DocumentFile;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    DocumentFile file;
    ChannelTree tree;
    const QByteArrayView input(data, qsizetype(size));
    if (!file.decode(input, tree, QStringLiteral("fuzz.chf"))) {
        if (file.errorString().isEmpty()) {
            std::abort(); // a refused file always says why
        }
        return 0;
    }
    const QByteArray written = file.encode(tree);
    ChannelTree again;
    if (!file.decode(written, again, QStringLiteral("again.chf")) || file.encode(again) != written) {
        std::abort();
    }
    return 0;
}
