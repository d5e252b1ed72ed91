#pragma once
// The surroundings the Firebird client library needs before it loads: a Firebird root
// directory of the program's own and a lock directory the user may write.
//
// The engine's default mode lets one process at a time open a database file, yet the
// program and papyra-cli work on one file together. So the program keeps a copy of the
// installed root (copied files, not links: the engine looks for its character sets next to
// its configuration) whose firebird.conf selects SuperClassic, and chooses it through
// FIREBIRD. Processes that share a file must share the lock directory too, so it is derived
// from the user id alone, never from session variables.

#include <QString>

class QSqlError;

// Sets FIREBIRD and, when unset, FIREBIRD_LOCK (once per process; later calls return the
// first answer). Must run before the first QIBASE connection is added. Returns the root in
// use, or "" when no Firebird installation was found (opening then fails with a message).
// $PAPYRA_FIREBIRD_ROOT names a prepared root to use instead of the copy.
QString PrepareFirebird();

// The installed root the copy is made from ("" when none is found).
QString FirebirdSystemRoot();
// The per-user lock directory used when FIREBIRD_LOCK is unset.
QString FirebirdDefaultLockDir();

// The empty database shipped beside the program.
QString EmptyDatabaseTemplate();
// Copies the empty database to target through a temporary name, so that a failed copy
// leaves nothing half-written. An existing target is replaced only with overwrite; without
// it, a database another process created meanwhile is kept (and counts as success).
// False with a Polish message on failure.
bool CreateDatabaseFromTemplate(const QString &target, QString *message = nullptr, bool overwrite = true);

// The Polish message shown when a database cannot be opened.
QString DescribeOpenError(const QString &databaseName, const QSqlError &error);
