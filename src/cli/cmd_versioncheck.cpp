// Installed-file versions: one file against a required version, or a whole list.

#include "cli.h"

#include "versioncheck/fwversion.h"
#include "versioncheck/versionlist.h"

#include "common/pathresolver.h"

#include <QFileInfo>

namespace {

int runCheckFile(TCliContext &c)
{
    if (c.args.isEmpty() || c.args.size() > 2)
        return CliUsageError(c, QStringLiteral("checkfile FILE REQUIRED"));
    QString problem;
    QString current;
    if (CheckFile(c.args[0], c.args.value(1), problem, current)) {
        c.out << "ok " << current << '\n';
        return 0;
    }
    c.out << problem << '\n';
    return 1;
}

int runVersionReport(TCliContext &c)
{
    if (c.args.size() != 1)
        return CliUsageError(c, QStringLiteral("version-report INI"));
    if (!QFileInfo(ResolvePath(c.args[0])).isFile()) {
        c.err << "papyra-cli: cannot read " << c.args[0] << '\n';
        return 1;
    }
    bool allOk = true;
    for (const TVersionListEntry &entry : ReadVersionList(c.args[0]).Entries) {
        const TVersionReportLine line = ExamineEntry(entry);
        allOk = allOk && line.State == TVersionState::Ok;
        c.out << entry.DisplayText << '\t' << line.LocatedFile << '\t' << entry.RequiredVersion << '\t'
              << line.CurrentVersion << '\t' << VersionStateText(line.State) << '\n';
    }
    return allOk ? 0 : 1;
}

const TCliRegistrar checkFile({QStringLiteral("checkfile"), QStringLiteral("checkfile FILE REQUIRED"),
                               QStringLiteral("check an installed file against a required version"), runCheckFile});
const TCliRegistrar versionReport({QStringLiteral("version-report"), QStringLiteral("version-report INI"),
                                   QStringLiteral("examine every file of a version list (exit 1 when one fails)"),
                                   runVersionReport});

} // namespace
