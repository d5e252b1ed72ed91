#include "versionlist.h"

#include "fwversion.h"

#include "common/inifile.h"
#include "common/pathresolver.h"
#include "common/twtools.h"

#include <QFileInfo>

TVersionList ReadVersionList(const QString &iniFileName)
{
    TVersionList list;
    if (iniFileName.trimmed().isEmpty())
        return list;
    const QString path = ResolvePath(iniFileName);
    if (!QFileInfo(path).isFile())
        return list;
    TIniFile ini(path);
    list.Exists = ini.load();
    list.ContactEmail = ini.readString(QStringLiteral("CONTACT"), QStringLiteral("EMAIL")).trimmed();
    for (const QString &line : ini.sectionValues(QStringLiteral("VERSION"))) {
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const TStringSplitter parts(line.mid(eq + 1));
        const QString file = parts[0].trimmed();
        if (file.isEmpty())
            continue;
        list.Entries.append({file, parts[1].trimmed(), parts[2]});
    }
    return list;
}

QList<TVersionProblem> StartupProblems(const QString &iniFileName)
{
    QList<TVersionProblem> problems;
    for (const TVersionListEntry &entry : ReadVersionList(iniFileName).Entries) {
        QString problem;
        QString current;
        if (!CheckFile(entry.FileName, entry.RequiredVersion, problem, current))
            problems.append({entry.DisplayText, problem});
    }
    return problems;
}

TVersionReportLine ExamineEntry(const TVersionListEntry &entry)
{
    TVersionReportLine line;
    line.Entry = entry;
    TFileVersionChecker checker;
    checker.setFileName(entry.FileName);
    checker.setRequiredVersion(entry.RequiredVersion);
    checker.Check();
    if (checker.Missing())
        return line;
    line.LocatedFile = checker.FileName();
    line.CurrentVersion = checker.CurrentVersion();
    line.State = checker.VersionOk() ? TVersionState::Ok : TVersionState::Old;
    return line;
}

QString VersionStateText(TVersionState state)
{
    switch (state) {
    case TVersionState::Ok:
        return QStringLiteral("ok");
    case TVersionState::Old:
        return QStringLiteral("old");
    case TVersionState::Missing:
        break;
    }
    return QStringLiteral("missing");
}
