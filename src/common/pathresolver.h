#pragma once
// Paths as the installation data writes them ("Forms\Pit37.xml", "C:\ZELTO\...") reach
// the Linux file system here: "\" is a separator, and a path that does not exist as
// written is matched component by component without regard to case.

#include <QString>

// "\" becomes "/"; nothing else changes.
QString ToLinuxPath(const QString &path);
// True for "/..." and for old data with a drive letter ("C:\...").
bool IsAbsolutePath(const QString &path);
// The existing file or directory that answers to the path, whatever the case of its
// components; when nothing answers, the path with "/" separators as written (so that a
// file can be created under that name). Relative paths are taken from the current directory.
QString ResolvePath(const QString &path);
// Like ResolvePath, relative paths taken from baseDir instead.
QString ResolvePathIn(const QString &baseDir, const QString &path);
