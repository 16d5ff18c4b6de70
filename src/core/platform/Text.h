#pragma once

#include <QString>

// Letter case as the program compares names: only the letters a..z fold;
// Polish letters with diacritics keep their case, as they always have in the
// program's comparisons, searches and sort order.
namespace tv::text {

constexpr char16_t upperAZ(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - (u'a' - u'A')) : c;
}

QString upperAZ(const QString &text);

// Equal when both are upper-cased by upperAZ.
bool sameIgnoringAZCase(const QString &a, const QString &b);

// The first `length` characters of `text` equal `prefix` ignoring a..z case.
bool startsWithIgnoringAZCase(const QString &text, const QString &prefix);

// A count with its noun in the Polish form for it: `one` after 1, `few`
// after 2–4 except 12–14 (also 22–24, 102–104 ...), `many` otherwise:
// "1 zadanie", "23 zadania", "12 zadań".
QString counted(int n, const QString &one, const QString &few, const QString &many);

} // namespace tv::text
