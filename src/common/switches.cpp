#include "switches.h"

#include "dialogs.h"

namespace {

QStringList &parameters()
{
    static QStringList p;
    return p;
}

bool &testModeFlag()
{
    static bool flag = false;
    return flag;
}

} // namespace

void SetCommandLineParameters(const QStringList &list)
{
    parameters() = list;
}

QStringList CommandLineParameters()
{
    return parameters();
}

QString FindSwitch(const QString &text)
{
    for (const QString &p : parameters()) {
        const QString upper = p.toUpper();
        if (upper.contains(text))
            return upper;
    }
    return QString();
}

bool SwitchPresent(const QString &sw)
{
    return FindSwitch(sw) == sw;
}

QString SwitchValue(const QString &sw)
{
    // The value is taken by position, as the old switches were: the parameter from just
    // past the switch's length on.
    const QString found = FindSwitch(sw);
    if (found.isEmpty())
        return QString();
    return found.mid(sw.size()).trimmed();
}

void SetTestMode(bool on)
{
    testModeFlag() = on;
}

bool TestMode()
{
    return testModeFlag();
}

void TraceStartup(const QString &message)
{
    if (testModeFlag())
        ShowBox(0, message, QStringLiteral("PASSED SUCCESFULLY:"));
}
