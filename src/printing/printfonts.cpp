#include "printing/printfonts.h"

#include "printing/PrintDrv.h"

#include <QHash>

namespace {

const QString kSans = QStringLiteral("Liberation Sans");
const QString kSerif = QStringLiteral("Liberation Serif");
const QString kMono = QStringLiteral("Liberation Mono");

const QHash<QString, QString> &substitutions()
{
    // Keys upper-case. The Windows bitmap fonts have no metric twin; the sans and serif
    // twins of their outline successors come closest.
    static const QHash<QString, QString> map = {
        {QStringLiteral("ARIAL"), kSans},
        {QStringLiteral("HELVETICA"), kSans},
        {QStringLiteral("MS SANS SERIF"), kSans},
        {QStringLiteral("MICROSOFT SANS SERIF"), kSans},
        {QStringLiteral("SMALL FONTS"), kSans},
        {QStringLiteral("TAHOMA"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("VERDANA"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("ARIAL NARROW"), QStringLiteral("Liberation Sans Narrow")},
        {QStringLiteral("TIMES NEW ROMAN"), kSerif},
        {QStringLiteral("TIMES"), kSerif},
        {QStringLiteral("MS SERIF"), kSerif},
        {QStringLiteral("COURIER NEW"), kMono},
        {QStringLiteral("COURIER"), kMono},
        {QStringLiteral("FIXEDSYS"), kMono},
        {QStringLiteral("LUCIDA CONSOLE"), QStringLiteral("DejaVu Sans Mono")},
    };
    return map;
}

} // namespace

QString ResolveFormFontFamily(const QString &formName)
{
    QString key = formName.trimmed().toUpper();
    // Central-European variants of the old fonts ("Arial CE") share the metrics.
    if (key.endsWith(QLatin1String(" CE")))
        key.chop(3);
    const auto it = substitutions().constFind(key);
    if (it != substitutions().constEnd())
        return it.value();
    return formName.trimmed().isEmpty() ? kSans : formName.trimmed();
}

QFont MakeFormFont(const TMWFontInfo &info)
{
    QFont f(ResolveFormFontFamily(info.name));
    f.setPointSizeF(info.size > 0 ? info.size : 8);
    f.setBold(info.style & fsBold);
    f.setItalic(info.style & fsItalic);
    f.setUnderline(info.style & fsUnderline);
    f.setStrikeOut(info.style & fsStrikeOut);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}

void InstallFormFontSubstitutions()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    const QStringList names = {QStringLiteral("MS Sans Serif"), QStringLiteral("Small Fonts"),
                               QStringLiteral("MS Serif"), QStringLiteral("Arial"),
                               QStringLiteral("Times New Roman"), QStringLiteral("Courier New")};
    for (const QString &n : names)
        QFont::insertSubstitution(n, ResolveFormFontFamily(n));
}
