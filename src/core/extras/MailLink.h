#pragma once

#include <QString>
#include <QStringList>

// The write-to-author form's rules: when it may send, and the mailto link it
// hands to the desktop's mail program.
namespace tv::mail {

inline const QString kProblemSubject = QStringLiteral("Terravia: Problem z testami...");
inline const QString kNoSubject = QStringLiteral("Przed wysłaniem, musisz wpisać temat wiadomości");
inline const QString kNoBody = QStringLiteral("Przed wysłaniem, musisz wpisać treść wiadomości");

// The lines of a multi-line text as a memo holds them: a final line break
// ends the last line rather than starting an empty one, so an empty text has
// no lines at all.
QStringList bodyLines(const QString &text);

enum class Refusal { None, NoSubject, NoBody };
Refusal refusal(const QString &subject, const QStringList &body);

// "mailto:" + address + "?Subject=" + subject + "&Body=" and, for every body
// line, "%0D%0A" + the line. The subject and each line are percent-encoded
// (UTF-8), so that "&", "#", "?", "%" or "+" typed by the user reach the mail
// program as typed instead of ending the subject or the body early.
QString mailtoLink(const QString &address, const QString &subject, const QStringList &body);

} // namespace tv::mail
