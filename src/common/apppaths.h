#pragma once
// Directories the program works from. Computed once at start-up and read-only afterwards;
// each ends with "/".

#include <QString>

// Directory of the running executable (the installation data lies beside it).
// $PAPYRA_APPDIR overrides it, which the tests use to point at the build directory.
QString AppDir();
// Where the old system kept its settings files: "/etc/" here.
QString WindowsDir();
// The system library directory (where the C library lives).
QString SystemDir();
// The user's configuration directory: $PAPYRA_CONFIG_DIR, else $XDG_CONFIG_HOME/Zelto,
// else ~/.config/Zelto. Created on first use.
QString ConfigDir();
// The user's home directory, with "/".
QString HomeDir();

// Computes the paths now (start-up calls this first); later calls to the getters reuse it.
void InitAppPaths();
// For tests: point AppDir somewhere else.
void SetAppDirForTesting(const QString &dir);
