#pragma once
// Helpers shared by the tests: a fresh temporary directory per test, file writing, and the
// path of the checked-in fixtures.

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class TTestDir
{
public:
    TTestDir();
    QString path() const; // ends with "/"
    QString file(const QString &name) const { return path() + name; }
    // Writes bytes to a file below the directory (creating folders); returns the full name.
    QString write(const QString &name, const QByteArray &bytes) const;

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QString FixturePath(const QString &relative);

// One run of build/papyra-cli: exit status (-1 when it crashed or ran past a minute),
// stdout and stderr (UTF-8).
struct TCliRun
{
    int status;
    QString out;
    QString err;
};
TCliRun RunPapyraCli(const QStringList &args);
