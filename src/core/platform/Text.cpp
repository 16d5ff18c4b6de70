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

QString counted(int n, const QString &one, const QString &few, const QString &many)
{
    const int last = n % 10;
    const int lastTwo = n % 100;
    const QString &noun = n == 1                                                    ? one
                          : last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14) ? few
                                                                                     : many;
    return QString::number(n) + u' ' + noun;
}

} // namespace tv::text
