#pragma once
// Form fonts on Linux. Scripts name the fonts their forms were laid out with; each name
// resolves to an installed family with the same metrics, so text widths (and with them
// clipping, right alignment and wrapping) match what the scripts were written for.

#include <QFont>
#include <QString>

struct TMWFontInfo;

// The installed family a form font name stands for ("ARIAL CE" -> "Liberation Sans").
QString ResolveFormFontFamily(const QString &formName);
// A QFont for a form font at its point size, hinting off so that widths scale linearly
// with the resolution of the surface.
QFont MakeFormFont(const TMWFontInfo &font);
// Registers the substitutions with Qt's font database (once per process).
void InstallFormFontSubstitutions();
