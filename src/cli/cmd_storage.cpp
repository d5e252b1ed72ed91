// The document database: create one, add documents, list them with the list query.

#include "cli.h"

#include "storage/documentrecord.h"
#include "storage/firebirdenv.h"
#include "storage/frm_formstorage.h"

#include "common/codepage.h"
#include "common/dialogs.h"
#include "common/pathresolver.h"
#include "common/twtools.h"
#include "common/varkoconfig.h"

#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

namespace {

const QString kUsage = QStringLiteral("db create|add|list|query|show FILE ...");
const QString kAddUsage = QStringLiteral(
    "db add FILE --form-id ID --category CAT [--title T] [--description1 D] [--description2 D] "
    "[--description3 D] [--company CODE] [--date dd.mm.yyyy] [--values FILE]");
const QString kListUsage = QStringLiteral(
    "db list|query FILE [--form-id ID] [--category CAT] [--search TEXT] [--from dd.mm.yyyy] [--to dd.mm.yyyy] "
    "[--company CODE] [--all-companies] [--sort 0|1|2]");

// "--name value" pairs and bare flags; false on anything unknown or a missing value.
bool parseOptions(const QStringList &args, const QStringList &valued, const QStringList &flags,
                  QHash<QString, QString> &options)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (flags.contains(a)) {
            options.insert(a, QStringLiteral("1"));
        } else if (valued.contains(a) && i + 1 < args.size()) {
            options.insert(a, args.at(++i));
        } else {
            return false;
        }
    }
    return true;
}

// "host:file" or "host/port:file" reaches a Firebird server; anything else is a local file.
void pointAt(TFormsDatabase &db, const QString &file)
{
    static const QRegularExpression server(QStringLiteral("^([^/:]+(/\\d+)?):(.+)$"));
    const QRegularExpressionMatch m = server.match(file);
    if (m.hasMatch() && m.captured(1).size() > 1) {
        db.setServerName(m.captured(1));
        db.setDatabaseFile(m.captured(3));
    } else {
        db.setDatabaseFile(QFileInfo(ResolvePath(file)).absoluteFilePath());
    }
}

bool openDatabase(TCliContext &c, TFormsDatabase &db)
{
    try {
        db.Open();
        return true;
    } catch (const EDatabaseError &e) {
        c.err << "papyra-cli: " << e.message() << Qt::endl;
        return false;
    }
}

bool dateOption(const QHash<QString, QString> &options, const QString &name, QDate &date)
{
    if (!options.contains(name))
        return true;
    date = TextToDate(options.value(name));
    return date.isValid();
}

int runCreate(TCliContext &c, const QStringList &args)
{
    if (args.size() != 1)
        return CliUsageError(c, QStringLiteral("db create FILE"));
    const QString file = ResolvePath(args[0]);
    if (QFileInfo::exists(file)) {
        c.err << "papyra-cli: " << file << " already exists" << Qt::endl;
        return 1;
    }
    QString message;
    if (!CreateDatabaseFromTemplate(file, &message)) {
        c.err << "papyra-cli: " << message << Qt::endl;
        return 1;
    }
    return 0;
}

int runAdd(TCliContext &c, const QStringList &args, TVarkoConfig &config)
{
    QHash<QString, QString> o;
    const QStringList valued{QStringLiteral("--form-id"),      QStringLiteral("--category"),
                             QStringLiteral("--title"),        QStringLiteral("--description1"),
                             QStringLiteral("--description2"), QStringLiteral("--description3"),
                             QStringLiteral("--company"),      QStringLiteral("--date"),
                             QStringLiteral("--values")};
    if (args.isEmpty() || !parseOptions(args.mid(1), valued, {}, o) || o.value(QStringLiteral("--form-id")).isEmpty()
        || o.value(QStringLiteral("--category")).isEmpty())
        return CliUsageError(c, kAddUsage);
    QDate date;
    if (!dateOption(o, QStringLiteral("--date"), date))
        return CliUsageError(c, kAddUsage);

    TDocumentRecord doc;
    doc.m_id = o.value(QStringLiteral("--form-id"));
    doc.m_category = o.value(QStringLiteral("--category"));
    doc.m_title = o.value(QStringLiteral("--title"));
    for (int i = 0; i < 3; ++i)
        doc.m_descriptions[i] = o.value(QStringLiteral("--description%1").arg(i + 1));
    doc.m_company = o.value(QStringLiteral("--company"), QStringLiteral("DEFAULT"));
    if (o.contains(QStringLiteral("--values")) && !ReadCp1250File(ResolvePath(o.value(QStringLiteral("--values"))), doc.m_values)) {
        c.err << "papyra-cli: cannot read " << o.value(QStringLiteral("--values")) << Qt::endl;
        return 1;
    }

    TFormsDatabase db(nullptr, &config);
    pointAt(db, args[0]);
    if (!openDatabase(c, db))
        return 1;
    // A new document is dated today; --date stands in for today.
    if (date.isValid())
        SetNowForTesting(QDateTime(date, QTime(12, 0)));
    const bool saved = db.SaveDocument(&doc, true);
    SetNowForTesting(QDateTime());
    if (!saved) {
        db.TakeError();
        c.err << "papyra-cli: " << db.ErrorMessage() << Qt::endl;
        return 1;
    }
    c.out << db.CurrentID() << '\n';
    return 0;
}

// Shared by list and query: the filters of the list view.
bool applyListOptions(const QStringList &args, TFormsDatabase &db, TVarkoConfig &config)
{
    QHash<QString, QString> o;
    const QStringList valued{QStringLiteral("--form-id"), QStringLiteral("--category"), QStringLiteral("--search"),
                             QStringLiteral("--from"),    QStringLiteral("--to"),       QStringLiteral("--company"),
                             QStringLiteral("--sort")};
    if (!parseOptions(args, valued, {QStringLiteral("--all-companies")}, o))
        return false;
    QDate from;
    QDate to;
    if (!dateOption(o, QStringLiteral("--from"), from) || !dateOption(o, QStringLiteral("--to"), to))
        return false;
    if (o.contains(QStringLiteral("--sort"))) {
        bool ok = false;
        const int sort = o.value(QStringLiteral("--sort")).toInt(&ok);
        if (!ok || sort < 0 || sort > 2)
            return false;
        config.setSortBy(sort);
    }
    config.setDatabaseCommon(true);
    db.ClearFilters();
    db.SetCategoryFilter(o.value(QStringLiteral("--category")));
    if (o.contains(QStringLiteral("--form-id")))
        db.SetFormIDFilter(o.value(QStringLiteral("--form-id")));
    db.setDateFrom(from);
    db.setDateTo(to);
    db.setSearchText(o.value(QStringLiteral("--search")));
    db.setCurrentCompanyCode(o.value(QStringLiteral("--company")));
    db.setDontFilterByCompany(o.contains(QStringLiteral("--all-companies")));
    return true;
}

int runList(TCliContext &c, const QStringList &args, TVarkoConfig &config, bool queryOnly)
{
    TFormsDatabase db(nullptr, &config);
    if (args.isEmpty() || !applyListOptions(args.mid(1), db, config))
        return CliUsageError(c, kListUsage);
    if (queryOnly) {
        for (const QString &line : db.BuildListQuery())
            c.out << line << '\n';
        return 0;
    }
    pointAt(db, args[0]);
    if (!openDatabase(c, db))
        return 1;
    try {
        db.Refresh();
    } catch (const EDatabaseError &e) {
        c.err << "papyra-cli: " << e.message() << Qt::endl;
        return 1;
    }
    TFormsDataSet &rows = db.DataSet();
    for (int i = 0; i < rows.recordCount(); ++i) {
        const TFormRow r = rows.row(i);
        c.out << r.ID << '\t' << r.FormID << '\t' << DateToText(r.EditDate) << '\t' << r.Title << '\t'
              << r.Description() << '\n';
    }
    return 0;
}

int runShow(TCliContext &c, const QStringList &args, TVarkoConfig &config)
{
    bool ok = false;
    const int id = args.size() == 2 ? args[1].toInt(&ok) : 0;
    if (!ok)
        return CliUsageError(c, QStringLiteral("db show FILE ID"));
    TFormsDatabase db(nullptr, &config);
    pointAt(db, args[0]);
    if (!openDatabase(c, db))
        return 1;
    TFormTexts texts;
    if (!db.DataSet().readTexts(id, texts)) {
        c.err << "papyra-cli: no document " << id << Qt::endl;
        return 1;
    }
    c.out << texts.FieldValues;
    if (!texts.FieldValues.isEmpty() && !texts.FieldValues.endsWith(u'\n'))
        c.out << '\n';
    return 0;
}

int runDb(TCliContext &c)
{
    if (c.args.size() < 2)
        return CliUsageError(c, kUsage);
    const QString verb = c.args[0];
    const QStringList args = c.args.mid(1);
    if (verb == QLatin1String("create"))
        return runCreate(c, args);
    // The user's login settings apply; the rest of the configuration is set per command.
    TVarkoConfig config;
    if (verb == QLatin1String("add"))
        return runAdd(c, args, config);
    if (verb == QLatin1String("list"))
        return runList(c, args, config, false);
    if (verb == QLatin1String("query"))
        return runList(c, args, config, true);
    if (verb == QLatin1String("show"))
        return runShow(c, args, config);
    return CliUsageError(c, kUsage);
}

const TCliRegistrar db({QStringLiteral("db"), kUsage, QStringLiteral("the document database (create, add, list, query, show)"),
                        runDb});

} // namespace
