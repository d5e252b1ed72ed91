#include "cli.h"

namespace {

QList<TCliCommand> &commands()
{
    static QList<TCliCommand> list;
    return list;
}

} // namespace

TCliRegistrar::TCliRegistrar(const TCliCommand &command)
{
    commands().append(command);
}

const QList<TCliCommand> &CliCommands()
{
    return commands();
}

int CliUsageError(TCliContext &context, const QString &usage)
{
    context.err << "usage: papyra-cli " << usage << Qt::endl;
    return 2;
}
