// Windows-1250 decoding and encoding: every byte is one character and comes
// back unchanged; any text encodes to one byte per code point.

#include "FuzzCheck.h"
#include "platform/Cp1250.h"

#include <QString>

using namespace tv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const QString text = cp1250::decode(bytes);
    FUZZ_CHECK(text.size() == bytes.size());
    FUZZ_CHECK(cp1250::encode(text) == bytes);

    // The same bytes taken as UTF-16, lone surrogates included.
    const QString utf16(reinterpret_cast<const QChar *>(data), static_cast<qsizetype>(size / 2));
    const QByteArray encoded = cp1250::encode(utf16);
    qsizetype codePoints = 0;
    for (qsizetype i = 0; i < utf16.size(); ++i, ++codePoints)
        if (utf16.at(i).isHighSurrogate() && i + 1 < utf16.size() && utf16.at(i + 1).isLowSurrogate())
            ++i;
    FUZZ_CHECK(encoded.size() == codePoints);
    // What the code page holds survives the way back.
    const QString back = cp1250::decode(encoded);
    for (qsizetype i = 0, j = 0; i < utf16.size(); ++i, ++j) {
        const char32_t c = utf16.at(i).unicode();
        if (utf16.at(i).isHighSurrogate() && i + 1 < utf16.size() && utf16.at(i + 1).isLowSurrogate())
            ++i;
        else if (cp1250::byteFor(c) >= 0)
            FUZZ_CHECK(back.at(j).unicode() == c);
    }
    return 0;
}
