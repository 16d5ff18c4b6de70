#include "SkinLook.h"

#include "platform/Files.h"
#include "platform/ScaledPicture.h"

namespace tv {

namespace {

QColor blend(const QColor &a, const QColor &b)
{
    return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

QPixmap picture(const QString &dataDir, const QString &name)
{
    if (name.isEmpty() || !files::exists(dataDir, name))
        return QPixmap();
    return QPixmap(files::resolve(dataDir, name));
}

} // namespace

SkinLook makeSkinLook(const skins::Skin &skin, const QPalette &standard, const QString &dataDir)
{
    auto colour = [&](const char *key, const QColor &fallback) {
        const QString c = skin.colour(QLatin1String(key));
        return c.isEmpty() ? fallback : QColor(c);
    };
    const QColor window = colour("okno", standard.color(QPalette::Window));
    const QColor button = colour("przycisk", window);
    // Bevels, shadows and the disabled colours follow the button and the
    // window colour, as the style expects them to.
    QPalette p(button, window);
    const struct {
        QPalette::ColorRole role;
        const char *key;
    } roles[] = {
        {QPalette::WindowText, "tekst"},          {QPalette::Base, "pole"},
        {QPalette::Text, "tekst_pola"},           {QPalette::ButtonText, "tekst_przycisku"},
        {QPalette::Highlight, "wyroznienie"},     {QPalette::HighlightedText, "tekst_wyroznienia"},
    };
    for (const auto &r : roles) {
        const QColor c = colour(r.key, standard.color(QPalette::Active, r.role));
        p.setColor(QPalette::Active, r.role, c);
        p.setColor(QPalette::Inactive, r.role, c);
    }
    p.setColor(QPalette::AlternateBase, blend(p.color(QPalette::Base), window));
    p.setColor(QPalette::ToolTipBase, standard.color(QPalette::ToolTipBase));
    p.setColor(QPalette::ToolTipText, standard.color(QPalette::ToolTipText));
    p.setColor(QPalette::Link, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::PlaceholderText, blend(p.color(QPalette::Active, QPalette::Text), p.color(QPalette::Base)));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, blend(p.color(QPalette::Active, role), window));
    p.setColor(QPalette::Disabled, QPalette::Base, window);

    SkinLook look;
    look.palette = p;
    look.picture = picture(dataDir, skin.picture);
    if (!look.picture.isNull()) {
        const QPixmap sharper = picture(dataDir, sharperName(skin.picture));
        if (sharper.size() == look.picture.size() * 2)
            look.pictureSharper = sharper;
    }
    look.testPicture = picture(dataDir, skin.testPicture);
    const QString title = skin.colour(QStringLiteral("tytul"));
    if (!title.isEmpty())
        look.title = QColor(title);
    const QString area = skin.colour(QStringLiteral("obszar"));
    if (!area.isEmpty())
        look.area = QColor(area);
    return look;
}

} // namespace tv
