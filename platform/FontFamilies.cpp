#include "platform/FontFamilies.h"

#include "platform/DataFile.h"
#include "platform/Paths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QSet>
#include <QStringList>
#include <algorithm>
#include <fontconfig/fontconfig.h>
#include <sys/stat.h>

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

const QSet<QString>& InstalledNames()
{
    static const QSet<QString> installed = [] {
        QSet<QString> names;
        for (const QString& name : QFontDatabase::families())
            if (!IsGenericName(name))
                names.insert(name.toCaseFolded());
        return names;
    }();
    return installed;
}

bool IsInstalled(const QString& family)
{
    return InstalledNames().contains(family.toCaseFolded());
}

// Fontconfig's substitution costs a start about a millisecond a name, so its answers
// are kept for the next start, with what they were made from: fontconfig's version,
// its configuration files and the installed families. A change to any of them
// makes them stale.
std::string CacheFile()
{
    return CacheDir() + "font-families";
}

QByteArray Fingerprint()
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(QByteArray::number(FcGetVersion()));
    if (FcStrList* files = FcConfigGetConfigFiles(nullptr)) {
        while (FcChar8* file = FcStrListNext(files)) {
            struct stat info {};
            const auto* path = reinterpret_cast<const char*>(file);
            ::stat(path, &info);
            hash.addData(QByteArray(path) + ' ' + QByteArray::number(qint64(info.st_mtim.tv_sec)) + '.' +
                         QByteArray::number(qint64(info.st_mtim.tv_nsec)) + '\n');
        }
        FcStrListDone(files);
    }
    QStringList names(InstalledNames().begin(), InstalledNames().end());
    std::sort(names.begin(), names.end());
    hash.addData(names.join(QLatin1Char('\n')).toUtf8());
    return hash.result().toHex();
}

QHash<QString, QString>& Resolved()
{
    static QHash<QString, QString> resolved = [] {
        QHash<QString, QString> kept;
        std::string text;
        if (ReadRegularFile(CacheFile(), 64 * 1024, text) != FileState::Readable)
            return kept;
        const QStringList lines = QString::fromUtf8(text.data(), qsizetype(text.size())).split(QLatin1Char('\n'));
        if (lines.value(0).toUtf8() != Fingerprint())
            return kept;
        for (const QString& line : lines.mid(1)) {
            const QStringList pair = line.split(QLatin1Char('\t'));
            if (pair.size() == 2 && IsInstalled(pair[1]))
                kept.insert(pair[0], pair[1]);
        }
        return kept;
    }();
    return resolved;
}

void KeepResolved()
{
    QString text = QString::fromLatin1(Fingerprint()) + QLatin1Char('\n');
    for (auto it = Resolved().cbegin(); it != Resolved().cend(); ++it)
        text += it.key() + QLatin1Char('\t') + it.value() + QLatin1Char('\n');
    QDir().mkpath(QString::fromStdString(CacheDir()));
    WriteFileAtomically(CacheFile(), text.toStdString(), Durable::No);
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
    // Without the application there is no font database to ask yet.
    if (family.isEmpty() || !QGuiApplication::instance() || IsInstalled(family))
        return family;
    auto known = Resolved().constFind(family);
    if (known == Resolved().constEnd()) {
        known = Resolved().insert(family, Substitute(family));
        KeepResolved();
    }
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
