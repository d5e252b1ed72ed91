#pragma once
// Command-line switches. Parameters are compared upper-cased; the first parameter that
// contains the asked text decides, so a switch counts only when that parameter is exactly
// the switch.

#include <QString>
#include <QStringList>

// The program's parameters without the program name (set by the entry, or by tests).
void SetCommandLineParameters(const QStringList &parameters);
QStringList CommandLineParameters();

// The first upper-cased parameter that contains text anywhere; "" when none does.
QString FindSwitch(const QString &text);
// FindSwitch(sw) == sw (sw given upper-case, e.g. "/LDG").
bool SwitchPresent(const QString &sw);
// The value of a valued switch such as "/FORMS:": the found parameter from just after the
// switch's length on, trimmed (upper-cased like the parameter); "" when absent.
QString SwitchValue(const QString &sw);

// The start-up trace: with "/TESTMODE" each stage shows an information box.
void SetTestMode(bool on);
bool TestMode();
void TraceStartup(const QString &message);
