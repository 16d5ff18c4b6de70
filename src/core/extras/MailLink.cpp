#include "MailLink.h"

#include <QUrl>

namespace tv::mail {

QStringList bodyLines(const QString &text)
{
    if (text.isEmpty())
        return {};
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QStringList lines = t.split(QLatin1Char('\n'));
    if (t.endsWith(QLatin1Char('\n')))
        lines.removeLast();
    return lines;
}

Refusal refusal(const QString &subject, const QStringList &body)
{
    if (subject.isEmpty())
        return Refusal::NoSubject;
    if (body.isEmpty())
        return Refusal::NoBody;
    return Refusal::None;
}

QString mailtoLink(const QString &address, const QString &subject, const QStringList &body)
{
    auto encode = [](const QString &text) { return QString::fromLatin1(QUrl::toPercentEncoding(text)); };
    QString link = QStringLiteral("mailto:") + address + QStringLiteral("?Subject=") + encode(subject)
                 + QStringLiteral("&Body=");
    for (const QString &line : body)
        link += QStringLiteral("%0D%0A") + encode(line);
    return link;
}

} // namespace tv::mail
