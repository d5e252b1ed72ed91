#pragma once
// papyra-cli: a thin front over the engines. Every engine file cmd_*.cpp registers its
// subcommands with a TCliRegistrar; main() looks them up and runs them.

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>

struct TCliContext
{
    QStringList args; // the arguments after the subcommand's name
    QTextStream &out; // stdout, UTF-8
    QTextStream &err; // stderr, UTF-8
};

// Exit statuses: 0 success, 1 the operation failed, 2 usage error.
using TCliHandler = std::function<int(TCliContext &)>;

struct TCliCommand
{
    QString name;
    QString usage; // "mask MASK NUMBER"
    QString summary;
    TCliHandler run;
};

class TCliRegistrar
{
public:
    explicit TCliRegistrar(const TCliCommand &command);
};

const QList<TCliCommand> &CliCommands();

// Prints "usage: papyra-cli <usage>" to stderr and returns 2.
int CliUsageError(TCliContext &context, const QString &usage);
