#pragma once

#include <QString>

// Where users reach the people behind Terravia.
//
// PLACEHOLDERS: the project has no mail boxes or web site of its own yet.
// The addresses below use the reserved ".example" domain, so nothing can be
// sent to a stranger by mistake; replace them when the project has real ones.
namespace tv::contacts {

// Support: the write-to-author form and the first address of the about box.
inline const QString kSupportAddress = QStringLiteral("pomoc@terravia.example");
// Schools and teachers (classroom licences, the teacher's server).
inline const QString kSchoolsAddress = QStringLiteral("szkoly@terravia.example");
inline const QString kWebPage = QStringLiteral("https://terravia.example/");

} // namespace tv::contacts
