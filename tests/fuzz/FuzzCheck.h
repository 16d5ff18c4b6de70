#pragma once

// What the harnesses share: a check that stops the fuzzer with a report when
// a property of the reader does not hold, and the input as Qt bytes.

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: property does not hold: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

inline QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    // A copy, not a view: the readers may keep what they are given.
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}
