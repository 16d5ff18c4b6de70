// Feeds arbitrary bytes to the session line codec and the discovery parsers,
// as a teacher's server (or anything pretending to be one) might send them.

#include "net/Protocol.h"
#include "platform/Cp1250.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

using namespace tv::protocol;

namespace {

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    // The network cuts the stream anywhere: the first byte chooses a cut.
    const qsizetype cut = size == 0 ? 0 : static_cast<qsizetype>(data[0] % (size + 1));
    LineDecoder decoder;
    decoder.feed(bytes.left(cut));
    decoder.feed(bytes.mid(cut));

    LineDecoder whole;
    whole.feed(bytes);

    while (const std::optional<QString> line = decoder.next()) {
        // The same lines whatever the cut.
        const std::optional<QString> same = whole.next();
        check(same && *same == *line);
        check(line->size() <= kMaxLineLength);
        check(!line->contains(u'\n'));

        const ServerCommand command = parseServerLine(*line);
        if (command.kind == ServerCommand::Kind::AssignTest)
            check(command.code >= 10 && command.code <= 65);
        if (command.kind == ServerCommand::Kind::Message)
            check(command.text == line->mid(2));

        // A line the client sends is always exactly one line on the wire.
        LineDecoder echo;
        echo.feed(encodeLine(*line));
        const std::optional<QString> back = echo.next();
        check(back.has_value() && !echo.next().has_value());
        if (!line->contains(u'\r'))
            check(*back == *line);
    }
    check(!whole.next().has_value());

    const DiscoveryReply reply = parseUdpReply(bytes);
    check(!reply.address.contains(kFieldEnd));
    parseProbeReply(bytes);
    broadcastText(tv::cp1250::decode(bytes));
    return 0;
}
