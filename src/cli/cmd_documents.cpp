// Calculated forms without a window on screen: builds a form from its layout description,
// loads its expression file, applies a field-values file and prints the field-values text
// after one recalculation, so form authors can check their rules.

#include "cli.h"

#include "common/codepage.h"
#include "common/pathresolver.h"
#include "documents/zelto_calculatedform.h"
#include "forms/controlvaluesetter.h"
#include "forms/form_creator.h"
#include "forms/standardclasses.h"

#include <QFileInfo>

namespace {

QString lines(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

int runCalc(TCliContext &c)
{
    const QString usage = QStringLiteral("calc --layout FILE.xml --expressions FILE [--values FILE] [--errors]");
    QString layoutFile;
    QString expressionFile;
    QString valuesFile;
    bool errors = false;
    for (int i = 0; i < c.args.size(); ++i) {
        const QString &a = c.args[i];
        QString *target = a == QLatin1String("--layout")        ? &layoutFile
                          : a == QLatin1String("--expressions") ? &expressionFile
                          : a == QLatin1String("--values")      ? &valuesFile
                                                                : nullptr;
        if (target) {
            if (i + 1 >= c.args.size() || !target->isEmpty())
                return CliUsageError(c, usage);
            *target = c.args[++i];
        } else if (a == QLatin1String("--errors") && !errors) {
            errors = true;
        } else {
            return CliUsageError(c, usage);
        }
    }
    if (layoutFile.isEmpty() || expressionFile.isEmpty())
        return CliUsageError(c, usage);

    const QString layoutPath = ResolvePath(layoutFile);
    const QString expressionPath = QFileInfo(ResolvePath(expressionFile)).absoluteFilePath();
    if (!QFileInfo(layoutPath).isFile()) {
        c.err << "papyra-cli: no such layout file: " << layoutFile << '\n';
        return 1;
    }
    if (!QFileInfo(expressionPath).isFile()) {
        c.err << "papyra-cli: no such expression file: " << expressionFile << '\n';
        return 1;
    }
    QString values;
    if (!valuesFile.isEmpty() && !ReadCp1250File(ResolvePath(valuesFile), values)) {
        c.err << "papyra-cli: cannot read " << valuesFile << '\n';
        return 1;
    }

    RegisterStandardClasses();
    TZeltoCalculatedForm form;
    TFormCreator creator;
    creator.setFileName(layoutPath);
    if (!creator.BuildForm(&form)) {
        c.err << "papyra-cli: " << layoutFile << " is no layout description (it does not parse or has no root \"form\")\n";
        return 1;
    }
    form.ResetFields();
    form.setExpressionFile(expressionPath);
    if (!values.isEmpty())
        form.ApplyFieldValues(values);
    // As showing the form does: find the hint and error controls, then one pass.
    form.FindMessageControls();
    form.Recalculate();

    const QString fieldValues = form.GetFieldValues();
    if (!fieldValues.isEmpty())
        c.out << lines(fieldValues) << '\n';
    if (errors) {
        c.out << "ERRORS:\n";
        if (form.ErrorControl()) {
            QString shown = lines(form.ControlValueSetter()->GetControlValue(form.ErrorControl()));
            if (!shown.isEmpty() && !shown.endsWith(QLatin1Char('\n')))
                shown += QLatin1Char('\n');
            c.out << shown;
        }
    }
    return 0;
}

const TCliRegistrar calc({QStringLiteral("calc"),
                          QStringLiteral("calc --layout FILE.xml --expressions FILE [--values FILE] [--errors]"),
                          QStringLiteral("recalculate a calculated form offscreen and print its field values"), runCalc});

} // namespace
