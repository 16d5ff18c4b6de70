#include "OwnTests.h"
#include "quiz/MarkerRules.h"

#include "platform/Cp1250.h"
#include "platform/Files.h"
#include "platform/LineFile.h"
#include "quiz/TestFiles.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRect>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <optional>

namespace tv::owntests {

namespace {

// Codes come from file names a teacher may have copied in by hand; only
// these can stand for a test (no "_o" of a description file, no path).
bool plainCode(const QString &code)
{
    static const QRegularExpression re(QStringLiteral("^[A-Za-z0-9]{1,12}$"));
    return re.match(code).hasMatch();
}

QChar plainLetter(QChar c)
{
    if (c == u'ł')
        return u'l';
    if (c == u'Ł')
        return u'L';
    const QString d = QString(c).normalized(QString::NormalizationForm_D);
    return d.isEmpty() ? c : d.at(0);
}

// The first character of the text that the code page cannot hold, if any.
std::optional<QString> unwritable(const QString &text)
{
    for (char32_t cp : text.toUcs4())
        if (cp1250::byteFor(cp) < 0)
            return QString::fromUcs4(&cp, 1);
    return std::nullopt;
}

QByteArray fileBytes(const QString &path, Status &status)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        status = Status::failure(lines::readError(path, f.errorString()));
        return {};
    }
    return f.readAll();
}

QString lineMessage(const QString &file, int line, const QString &what)
{
    return QStringLiteral("Błąd w pliku %1, wiersz %2: %3\r\nNie można otworzyć tego testu.").arg(file).arg(line).arg(what);
}

QString fileMessage(const QString &file, const QString &what)
{
    return QStringLiteral("Błąd w pliku %1: %2\r\nNie można otworzyć tego testu.").arg(file, what);
}

} // namespace

QString folder()
{
    const QString shared = files::systemSetting(QStringLiteral("mytests"));
    if (!shared.isEmpty())
        return QDir::cleanPath(shared);
    return QDir(files::userDir()).filePath(kFolderName);
}

QString configurationFile(const QString &code)
{
    return code + QStringLiteral(".dat");
}

QString descriptionFile(const QString &code)
{
    return code + QStringLiteral("_o.dat");
}

QString pictureFile(const QString &code)
{
    return code + QStringLiteral(".jpg");
}

QString deriveCode(const QString &title, const QStringList &taken)
{
    QString base;
    bool wordStart = true;
    for (QChar c : title) {
        const QChar p = plainLetter(c);
        const bool usable = p.unicode() < 128 && p.isLetterOrNumber();
        if (usable && wordStart && base.size() < 6)
            base += p.toUpper();
        wordStart = !c.isLetterOrNumber();
    }
    if (base.isEmpty())
        base = QStringLiteral("T");
    auto isTaken = [&taken](const QString &code) {
        return std::any_of(taken.begin(), taken.end(),
                           [&code](const QString &t) { return t.compare(code, Qt::CaseInsensitive) == 0; });
    };
    QString code = base;
    for (int n = 2; isTaken(code); ++n)
        code = base + QString::number(n);
    return code;
}

QStringList codes(const QString &dir)
{
    QStringList out;
    const QStringList names = QDir(dir).entryList({QStringLiteral("*.dat"), QStringLiteral("*.DAT")}, QDir::Files);
    for (const QString &name : names) {
        const QString code = name.left(name.size() - 4);
        if (code.endsWith(QStringLiteral("_o"), Qt::CaseInsensitive) || !plainCode(code))
            continue;
        if (files::exists(dir, descriptionFile(code)) && files::exists(dir, pictureFile(code)) &&
            !out.contains(code, Qt::CaseInsensitive))
            out << code;
    }
    return out;
}

QList<Listed> list(const QString &dir)
{
    QList<Listed> out;
    for (const QString &code : codes(dir)) {
        const auto read = lines::readFile(files::resolve(dir, configurationFile(code)));
        const QString title = read.lines.value(1).trimmed();
        out.append({code, title.isEmpty() ? code : title});
    }
    QCollator polish{QLocale(QLocale::Polish, QLocale::Poland)};
    std::stable_sort(out.begin(), out.end(),
                     [&polish](const Listed &a, const Listed &b) { return polish.compare(a.title, b.title) < 0; });
    return out;
}

QStringList resultTitles(const QString &dir)
{
    QStringList out;
    for (const Listed &l : list(dir))
        out << kTitlePrefix + l.title;
    return out;
}

ReadBack parse(const QString &code, const QStringList &configuration, const QStringList &description)
{
    ReadBack r;
    r.test.code = code;
    const QString confName = configurationFile(code);
    const QString descName = descriptionFile(code);
    const ConfigurationRead conf = parseConfiguration(configuration, confName);
    if (!conf.status) {
        r.status = conf.status;
        return r;
    }
    const int n = conf.config.count;
    if (!markerCountValid(n)) {
        r.status = Status::failure(markerCountMessage(confName, n));
        return r;
    }
    if (conf.config.pairs < n) {
        r.status = Status::failure(lineMessage(confName, 3 + 2 * conf.config.pairs,
                                               QStringLiteral("brak położenia pola %1.").arg(conf.config.pairs + 1)));
        return r;
    }
    r.test.title = conf.config.pictureLine;
    QList<Marker> markers;
    for (int k = 0; k < n; ++k)
        markers.append({conf.config.positions[size_t(k)], QString()});
    std::array<bool, kMaxMarkers> named{};
    const QStringList used = description.mid(0, n);
    for (int i = 0; i < used.size(); ++i) {
        const QString &line = used.at(i);
        const auto number = answerNumber(line);
        const int k = number ? markers::markerOfAnswer(*number) : 0;
        if (line.size() < 3 || k < 1 || k > n) {
            r.status = Status::failure(lineMessage(
                descName, i + 1,
                QStringLiteral("\"%1\" nie kończy się numerem pola od 11 do %2.").arg(lines::excerpt(line)).arg(markers::answerNumber(n))));
            return r;
        }
        if (named[k - 1]) {
            r.status = Status::failure(
                lineMessage(descName, i + 1, QStringLiteral("pole %1 ma już nazwę.").arg(k)));
            return r;
        }
        named[k - 1] = true;
        markers[k - 1].name = answerName(line);
    }
    for (int k = 0; k < n; ++k) {
        if (!named[k]) {
            r.status = Status::failure(fileMessage(descName, QStringLiteral("pole %1 nie ma nazwy.").arg(k + 1)));
            return r;
        }
    }
    r.test.markers = markers;
    return r;
}

ReadBack read(const QString &dir, const QString &code)
{
    ReadBack r;
    r.test.code = code;
    const auto conf = lines::readFile(files::resolve(dir, configurationFile(code)));
    if (!conf.status) {
        r.status = conf.status;
        return r;
    }
    const auto desc = lines::readFile(files::resolve(dir, descriptionFile(code)));
    if (!desc.status) {
        r.status = desc.status;
        return r;
    }
    if (!files::exists(dir, pictureFile(code))) {
        r.status = Status::failure(QStringLiteral("Brak obrazu testu: %1").arg(pictureFile(code)));
        return r;
    }
    return parse(code, conf.lines, desc.lines);
}

QStringList configurationLines(const OwnTest &test)
{
    QStringList out{QString::number(test.markers.size()), test.title};
    for (const Marker &m : test.markers)
        out << QString::number(m.position.x()) << QString::number(m.position.y());
    return out;
}

QStringList descriptionLines(const OwnTest &test)
{
    QStringList out;
    for (int k = 0; k < test.markers.size(); ++k)
        out << test.markers.at(k).name + QString::number(markers::answerNumber(k + 1));
    return out;
}

Status checkPictureSize(QSize size)
{
    if (size.width() > kMaxPictureWidth || size.height() > kMaxPictureHeight)
        return Status::failure(QStringLiteral("Obraz ma %1 × %2 pikseli i jest za duży na mapę testu.\r\n"
                                              "Największy obraz, jaki może mieć test, ma %3 × %4 pikseli.")
                                   .arg(size.width())
                                   .arg(size.height())
                                   .arg(kMaxPictureWidth)
                                   .arg(kMaxPictureHeight));
    return Status::success();
}

QStringList problems(const OwnTest &test, QSize picture, const TextWidth &width)
{
    QStringList out;
    if (test.title.trimmed().isEmpty())
        out << QStringLiteral("Test nie ma tytułu: wpisz go w polu \"Tytuł testu\".");
    else if (lines::hasLineBreak(test.title))
        out << QStringLiteral("Tytuł testu musi być jednym wierszem.");
    else if (const auto c = unwritable(test.title))
        out << QStringLiteral("W tytule jest znak \"%1\", którego nie da się zapisać w pliku testu.").arg(*c);
    if (picture.isEmpty())
        out << QStringLiteral("Test nie ma obrazu: wybierz obraz mapy.");
    else if (const Status s = checkPictureSize(picture); !s)
        out << s.message;
    if (test.markers.isEmpty())
        out << QStringLiteral("Test nie ma żadnego pola: kliknij na mapie tam, gdzie ma stanąć pole.");
    if (test.markers.size() > kMaxMarkers)
        out << QStringLiteral("Test może mieć najwyżej %1 pól.").arg(kMaxMarkers);
    const QRect inside(QPoint(0, 0), picture);
    for (int k = 0; k < test.markers.size(); ++k) {
        const Marker &m = test.markers.at(k);
        const int number = k + 1;
        if (m.name.trimmed().isEmpty())
            out << QStringLiteral("Pole %1 nie ma nazwy.").arg(number);
        else if (lines::hasLineBreak(m.name))
            out << QStringLiteral("Nazwa pola %1 musi być jednym wierszem.").arg(number);
        else if (const auto c = unwritable(m.name))
            out << QStringLiteral("W nazwie pola %1 jest znak \"%2\", którego nie da się zapisać w pliku testu.")
                       .arg(number)
                       .arg(*c);
        else if (width && width(m.name) > kNameRoom)
            out << QStringLiteral("Nazwa pola %1 (\"%2\") nie mieści się w polu: skróć ją.").arg(number).arg(m.name);
        // Names are judged by exact comparison, so only an exact repeat is
        // ambiguous; and the second of a pair is the one to rename.
        for (int j = 0; j < k; ++j)
            if (!m.name.trimmed().isEmpty() && test.markers.at(j).name == m.name) {
                out << QStringLiteral("Pola %1 i %2 mają tę samą nazwę \"%3\".").arg(j + 1).arg(number).arg(m.name);
                break;
            }
        if (!picture.isEmpty() && !inside.contains(QRect(m.position, QSize(kBoxWidth, kBoxHeight))))
            out << QStringLiteral("Pole %1 wychodzi poza obraz: przesuń je na mapę.").arg(number);
    }
    return out;
}

Status save(const QString &dir, const OwnTest &test, const QByteArray &jpeg, QSize picture, const TextWidth &width)
{
    const QStringList found = problems(test, picture, width);
    if (!found.isEmpty())
        return Status::failure(found.join(QStringLiteral("\r\n")));
    if (!plainCode(test.code))
        return Status::failure(QStringLiteral("Niepoprawny kod testu: %1").arg(test.code));
    if (!files::ensureDir(dir))
        return Status::failure(lines::writeError(dir, QStringLiteral("nie można utworzyć folderu")));
    // The configuration file goes last: a test is listed only with all
    // three files, so a write that fails half way shows no broken test.
    if (Status s = lines::writeBytes(files::resolve(dir, pictureFile(test.code)), jpeg); !s)
        return s;
    if (Status s = lines::writeFile(files::resolve(dir, descriptionFile(test.code)), descriptionLines(test)); !s)
        return s;
    return lines::writeFile(files::resolve(dir, configurationFile(test.code)), configurationLines(test));
}

Status exportTest(const QString &dir, const QString &code, const QString &destination)
{
    if (!files::ensureDir(destination))
        return Status::failure(lines::writeError(destination, QStringLiteral("nie można utworzyć folderu")));
    for (const QString &name : {pictureFile(code), descriptionFile(code), configurationFile(code)}) {
        Status status;
        const QByteArray bytes = fileBytes(files::resolve(dir, name), status);
        if (!status)
            return status;
        if (Status s = lines::writeBytes(files::resolve(destination, name), bytes); !s)
            return s;
    }
    return Status::success();
}

Imported importTest(const QString &configurationPath, const QString &dir, const ConfirmReplace &confirm)
{
    Imported r;
    const QFileInfo info(configurationPath);
    const QString name = info.fileName();
    const QString code = name.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive) ? name.left(name.size() - 4)
                                                                                     : QString();
    if (!plainCode(code)) {
        r.status = Status::failure(
            QStringLiteral("Plik %1 nie jest plikiem testu: wybierz plik XX.dat (nie XX_o.dat) testu.").arg(name));
        return r;
    }
    const QString source = info.absolutePath();
    const ReadBack back = read(source, code);
    if (!back.status) {
        r.status = back.status;
        return r;
    }
    Status status;
    const QByteArray jpeg = fileBytes(files::resolve(source, pictureFile(code)), status);
    if (!status) {
        r.status = status;
        return r;
    }
    if (!jpeg.startsWith("\xFF\xD8\xFF")) {
        r.status = Status::failure(QStringLiteral("Plik %1 nie jest obrazem JPEG.").arg(pictureFile(code)));
        return r;
    }
    r.code = code;
    if (QDir(source).canonicalPath() == QDir(dir).canonicalPath())
        return r; // already where it belongs
    const QStringList present = codes(dir);
    const auto same = std::find_if(present.begin(), present.end(),
                                   [&code](const QString &c) { return c.compare(code, Qt::CaseInsensitive) == 0; });
    if (same != present.end()) {
        const ReadBack old = read(dir, *same);
        if (confirm && !confirm(*same, old.status ? old.test.title : QString())) {
            r.cancelled = true;
            return r;
        }
        // The old files may be spelled in another letter case.
        for (const QString &n : {pictureFile(*same), descriptionFile(*same), configurationFile(*same)})
            QFile::remove(files::resolve(dir, n));
    }
    r.status = exportTest(source, code, dir);
    return r;
}

} // namespace tv::owntests
