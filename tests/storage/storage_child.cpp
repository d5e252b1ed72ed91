// A second process on a test database: "save FILE TEXT" stores a document, prints its ID
// and waits to be killed; "hold FILE" opens the database, prints "open" and waits.

#include "storage/documentrecord.h"
#include "storage/frm_formstorage.h"

#include "common/varkoconfig.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>


int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2)
        return 2;
    TVarkoConfig config;
    config.setDatabaseCommon(true);
    TFormsDatabase db(nullptr, &config);
    db.setDatabaseFile(args[1]);
    try {
        db.Open();
    } catch (const EDatabaseError &e) {
        std::fprintf(stdout, "error %s\n", e.message().toUtf8().constData());
        std::fflush(stdout);
        return 1;
    }
    if (args[0] == QLatin1String("save")) {
        TDocumentRecord form(QStringLiteral("{CHILD}"), QStringLiteral("PIT"));
        form.m_title = QStringLiteral("Dziecko");
        form.m_company = QStringLiteral("DEFAULT");
        form.m_descriptions[0] = args.value(2);
        form.m_values = QStringLiteral("1=") + args.value(2) + QStringLiteral("\r\n");
        if (!db.SaveDocument(&form, true))
            return 1;
        std::fprintf(stdout, "%d\n", db.CurrentID());
    } else {
        std::fprintf(stdout, "open\n");
    }
    std::fflush(stdout);
    for (;;)
        QThread::sleep(1);
}
