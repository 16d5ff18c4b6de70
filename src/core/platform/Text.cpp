#include "Text.h"

namespace tv::text {

QString upperAZ(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        c = QChar(upperAZ(c.unicode()));
    return out;
}

bool sameIgnoringAZCase(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (upperAZ(a.at(i).unicode()) != upperAZ(b.at(i).unicode()))
            return false;
    return true;
}

bool startsWithIgnoringAZCase(const QString &text, const QString &prefix)
{
    return text.size() >= prefix.size() && sameIgnoringAZCase(text.left(prefix.size()), prefix);
}

} // namespace tv::text
