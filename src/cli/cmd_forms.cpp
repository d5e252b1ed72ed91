// Form layouts: builds a window from a layout description, offscreen, and lists what the
// description made, so form authors can check their files.

#include "cli.h"

#include "common/codepage.h"
#include "common/pathresolver.h"
#include "forms/classregistry.h"
#include "forms/controlvaluesetter.h"
#include "forms/form_creator.h"
#include "forms/standardclasses.h"
#include "forms/twControls.h"
#include "forms/zelto_formfactory.h"

#include <QFileInfo>

namespace {

QString oneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\\n"));
    return text;
}

int runLayout(TCliContext &c)
{
    const QString usage = QStringLiteral("layout FILE.xml [--values FILE]");
    QString layoutFile;
    QString valuesFile;
    for (int i = 0; i < c.args.size(); ++i) {
        if (c.args[i] == QLatin1String("--values")) {
            if (i + 1 >= c.args.size() || !valuesFile.isEmpty())
                return CliUsageError(c, usage);
            valuesFile = c.args[++i];
        } else if (layoutFile.isEmpty() && !c.args[i].startsWith(QLatin1String("--"))) {
            layoutFile = c.args[i];
        } else {
            return CliUsageError(c, usage);
        }
    }
    if (layoutFile.isEmpty())
        return CliUsageError(c, usage);

    RegisterStandardClasses();
    const QString path = ResolvePath(layoutFile);
    if (!QFileInfo(path).isFile()) {
        c.err << "papyra-cli: no such layout file: " << layoutFile << '\n';
        return 1;
    }
    TForm window;
    TFormCreator creator;
    creator.setFileName(path);
    if (!creator.BuildForm(&window)) {
        c.err << "papyra-cli: " << layoutFile << " is no layout description (it does not parse or has no root \"form\")\n";
        return 1;
    }
    TControlValueSetter setter;
    if (!valuesFile.isEmpty()) {
        QString values;
        if (!ReadCp1250File(ResolvePath(valuesFile), values)) {
            c.err << "papyra-cli: cannot read " << valuesFile << '\n';
            return 1;
        }
        setter.ApplyFieldValues(&window, values);
    }
    for (QObject *component : Components::Owned(&window)) {
        c.out << component->metaObject()->className() << '\t' << component->objectName() << '\t'
              << Vcl::Tag(component) << '\t' << oneLine(setter.GetControlValue(component)) << '\n';
    }
    const QString fieldValues = setter.GetFieldValues(&window);
    if (!fieldValues.isEmpty())
        c.out << QString(fieldValues).replace(QLatin1String("\r\n"), QLatin1String("\n")) << '\n';
    return 0;
}

const TCliRegistrar layout({QStringLiteral("layout"), QStringLiteral("layout FILE.xml [--values FILE]"),
                            QStringLiteral("build a window from a layout description and list its components"),
                            runLayout});

} // namespace
