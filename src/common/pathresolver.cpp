#include "pathresolver.h"

#include <QDir>
#include <QFileInfo>

QString ToLinuxPath(const QString &path)
{
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return p;
}

bool IsAbsolutePath(const QString &path)
{
    if (path.startsWith(QLatin1Char('/')) || path.startsWith(QLatin1Char('\\')))
        return true;
    return path.size() >= 2 && path[1] == QLatin1Char(':');
}

namespace {

QString resolveComponents(const QString &base, const QStringList &parts, bool trailingSlash)
{
    QString current = base;
    for (int i = 0; i < parts.size(); ++i) {
        const QString &part = parts[i];
        if (part.isEmpty() || part == QLatin1String("."))
            continue;
        QString next = current.endsWith(QLatin1Char('/')) ? current + part : current + QLatin1Char('/') + part;
        if (part != QLatin1String("..") && !QFileInfo::exists(next)) {
            const QDir dir(current.isEmpty() ? QStringLiteral("/") : current);
            const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            bool found = false;
            for (const QString &entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    next = current.endsWith(QLatin1Char('/')) ? current + entry : current + QLatin1Char('/') + entry;
                    found = true;
                    break;
                }
            }
            if (!found) {
                // Nothing answers from here on: keep the rest as written.
                QString rest = parts.mid(i).join(QLatin1Char('/'));
                QString out = current.endsWith(QLatin1Char('/')) ? current + rest : current + QLatin1Char('/') + rest;
                return trailingSlash ? out + QLatin1Char('/') : out;
            }
        }
        current = next;
    }
    if (trailingSlash && !current.endsWith(QLatin1Char('/')))
        current += QLatin1Char('/');
    return current;
}

} // namespace

QString ResolvePathIn(const QString &baseDir, const QString &path)
{
    QString p = ToLinuxPath(path);
    if (p.isEmpty())
        return p;
    // Old data may carry a drive letter; on Linux the rest of the path is absolute.
    if (p.size() >= 2 && p[1] == QLatin1Char(':'))
        p = p.mid(2);
    if (QFileInfo::exists(p) && (p.startsWith(QLatin1Char('/')) || baseDir.isEmpty()))
        return p;

    const bool trailing = p.endsWith(QLatin1Char('/'));
    QString base;
    if (p.startsWith(QLatin1Char('/'))) {
        base = QStringLiteral("/");
    } else {
        base = baseDir.isEmpty() ? QDir::currentPath() : ToLinuxPath(baseDir);
        const QString joined = base.endsWith(QLatin1Char('/')) ? base + p : base + QLatin1Char('/') + p;
        if (QFileInfo::exists(joined))
            return baseDir.isEmpty() ? p : joined;
        if (baseDir.isEmpty()) {
            // Keep a relative answer relative.
            const QString resolved = resolveComponents(base, p.split(QLatin1Char('/')), trailing);
            const QString prefix = base.endsWith(QLatin1Char('/')) ? base : base + QLatin1Char('/');
            return resolved.startsWith(prefix) ? resolved.mid(prefix.size()) : resolved;
        }
    }
    return resolveComponents(base, p.split(QLatin1Char('/')), trailing);
}

QString ResolvePath(const QString &path)
{
    return ResolvePathIn(QString(), path);
}
