#pragma once
// The lists of required files beside the program ("startup.ini", "version.ini"): section
// "VERSION", one line per file with file, required version and display text separated by
// ","; "version.ini" also names the support address under "CONTACT", "EMAIL".

#include <QList>
#include <QString>

struct TVersionListEntry
{
    QString FileName;        // as written: a bare name or a path
    QString RequiredVersion; // "" means any version
    QString DisplayText;
};

struct TVersionList
{
    bool Exists = false; // the list file was there to read
    QList<TVersionListEntry> Entries;
    QString ContactEmail; // "" when the list names none
};

// Lines without "=" or with a blank file part are passed over.
TVersionList ReadVersionList(const QString &iniFileName);

struct TVersionProblem
{
    QString DisplayText; // the line's third part
    QString Problem;     // "Nie znaleziono" or "Niewłaściwa wersja: ..."
};

// The start-up examination without any window: one row per failing line. A missing list
// gives no rows (the program starts).
QList<TVersionProblem> StartupProblems(const QString &iniFileName);

// One examined line as the version report prints it.
enum class TVersionState { Ok, Old, Missing };
struct TVersionReportLine
{
    TVersionListEntry Entry;
    QString LocatedFile; // "" when the file was not found
    QString CurrentVersion;
    TVersionState State = TVersionState::Missing;
};
TVersionReportLine ExamineEntry(const TVersionListEntry &entry);
QString VersionStateText(TVersionState state); // "ok", "old", "missing"
