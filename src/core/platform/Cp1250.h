#pragma once

#include <QByteArray>
#include <QString>

// Windows-1250 conversion done by our own table: Qt 6 only reaches this code
// page through ICU, and whether ICU is there depends on how Qt was built.
namespace tv::cp1250 {

// Every byte decodes to one character. The five bytes that the code page leaves
// undefined (0x81, 0x83, 0x88, 0x90, 0x98) decode to the C1 control of the same
// value, so that any file read and written back keeps its bytes.
QString decode(const QByteArray &bytes);

// A character the code page cannot hold becomes '?' (one per code point).
QByteArray encode(const QString &text);

// The byte for one character, or -1 when the code page has none.
int byteFor(char32_t codePoint);

} // namespace tv::cp1250
