#include "platform/FontFamilies.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QSet>
#include <QStringList>
#include <fontconfig/fontconfig.h>

namespace {
// Names the font database lists that no font file stands behind: fontconfig's generic
// families, which the search would resolve anyway.
bool IsGenericName(const QString& family)
{
    static const QStringList generic{QStringLiteral("Serif"),     QStringLiteral("Sans Serif"),
                                     QStringLiteral("Monospace"), QStringLiteral("sans-serif"),
                                     QStringLiteral("serif"),     QStringLiteral("monospace")};
    return generic.contains(family, Qt::CaseInsensitive);
}

bool IsInstalled(const QString& family)
{
    static const QSet<QString> installed = [] {
        QSet<QString> names;
        for (const QString& name : QFontDatabase::families())
            if (!IsGenericName(name))
                names.insert(name.toCaseFolded());
        return names;
    }();
    return installed.contains(family.toCaseFolded());
}

QString Substitute(const QString& family)
{
    FcPattern* pattern = FcPatternCreate();
    if (!pattern)
        return family;
    const QByteArray name = family.toUtf8();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.constData()));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    QString found = family;
    FcChar8* candidate = nullptr;
    for (int i = 0; FcPatternGetString(pattern, FC_FAMILY, i, &candidate) == FcResultMatch; ++i) {
        const QString installed = QString::fromUtf8(reinterpret_cast<const char*>(candidate));
        if (IsInstalled(installed)) {
            found = installed;
            break;
        }
    }
    FcPatternDestroy(pattern);
    return found;
}
}

QString InstalledFamily(const QString& family)
{
    static QHash<QString, QString> resolved;
    // Without the application there is no font database to ask yet.
    if (family.isEmpty() || !QGuiApplication::instance() || IsInstalled(family))
        return family;
    auto known = resolved.constFind(family);
    if (known == resolved.constEnd())
        known = resolved.insert(family, Substitute(family));
    return *known;
}

QFont WithInstalledFamily(QFont font)
{
    QStringList families = font.families();
    for (QString& family : families)
        family = InstalledFamily(family);
    font.setFamilies(families);
    return font;
}
