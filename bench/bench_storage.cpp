// libs: storage common
// The document database with 100 000 documents: the first screen of a list, a text search
// over the three descriptions, and a save (post, commit, refresh back to its row).
// The database is generated once into $PAPYRA_BENCH_DB (default /tmp/papyra-bench-100k.gdb)
// and reused by later runs.

#include "storage/documentrecord.h"
#include "storage/firebirdenv.h"
#include "storage/frm_formstorage.h"

#include "common/varkoconfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kDocuments = 100000;
constexpr int kScreenRows = 40;

QString benchFile()
{
    const QString env = qEnvironmentVariable("PAPYRA_BENCH_DB");
    return env.isEmpty() ? QStringLiteral("/tmp/papyra-bench-100k.gdb") : env;
}

const char *const kSurnames[] = {"Kowalski", "Nowak", "Wiśniewski", "Wójcik", "Kowalczyk", "Kamiński",
                                 "Lewandowski", "Zieliński", "Szymański", "Woźniak", "Dąbrowski", "Kozłowski"};
const char *const kTowns[] = {"Warszawa", "Kraków", "Łódź", "Wrocław", "Poznań", "Gdańsk", "Szczecin", "Lublin"};

int countRows(const QString &file)
{
    int n = -1;
    {
        QSqlDatabase c = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), QStringLiteral("count"));
        c.setDatabaseName(file);
        c.setUserName(QStringLiteral("sysdba"));
        if (c.open()) {
            QSqlQuery q(c);
            if (q.exec(QStringLiteral("select count(*) from FORMS")) && q.next())
                n = q.value(0).toInt();
        }
        c.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("count"));
    return n;
}

// 100 000 documents of ten form types in two companies, written in one transaction.
bool generate(const QString &file)
{
    QFile::remove(file);
    if (!CreateDatabaseFromTemplate(file))
        return false;
    bool ok = true;
    {
        QSqlDatabase c = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), QStringLiteral("fill"));
        c.setDatabaseName(file);
        c.setUserName(QStringLiteral("sysdba"));
        ok = c.open() && c.transaction();
        QSqlQuery q(c);
        ok = ok && q.prepare(TFormsDatabase::kInsertStatement);
        const QString values = QString::fromUtf8("1=Jan\r\n2=Kowalski\r\n3=ul. Długa 5\r\n10=1234.56\r\n11=0\r\n")
                                   .repeated(8);
        for (int i = 0; ok && i < kDocuments; ++i) {
            const int type = i % 10;
            q.bindValue(QStringLiteral(":ID"), i + 1);
            q.bindValue(QStringLiteral(":COMPANYCODE"), i % 4 == 3 ? QStringLiteral("FIRMA2") : QStringLiteral("DEFAULT"));
            q.bindValue(QStringLiteral(":EDITDATE"), QDate(2005, 1, 1).addDays(i % 1500));
            q.bindValue(QStringLiteral(":CATEGORY"), type < 5 ? QStringLiteral("PIT") : QStringLiteral("VAT"));
            q.bindValue(QStringLiteral(":TITLE"), QStringLiteral("Formularz %1").arg(type));
            q.bindValue(QStringLiteral(":SHORTTITLE"), QStringLiteral("F%1").arg(type));
            q.bindValue(QStringLiteral(":DESCRIPTION1"),
                        QString::fromUtf8(kSurnames[i % 12]) + QStringLiteral(" Jan %1").arg(i));
            q.bindValue(QStringLiteral(":DESCRIPTION2"), QString::fromUtf8(kTowns[(i / 12) % 8]));
            q.bindValue(QStringLiteral(":DESCRIPTION3"), QStringLiteral("NIP %1").arg(1000000000 + i * 7));
            q.bindValue(QStringLiteral(":FORMID"), QStringLiteral("{FORM-%1}").arg(type));
            q.bindValue(QStringLiteral(":SHORTCOMMENT"), QString());
            q.bindValue(QStringLiteral(":FIELDVALUES"), values);
            q.bindValue(QStringLiteral(":FIELDCOMMENTS"), QString());
            q.bindValue(QStringLiteral(":COMMENT"), QString());
            ok = q.exec();
        }
        q.finish();
        QSqlQuery gen(c);
        ok = ok && gen.exec(QStringLiteral("SET GENERATOR SEQ_ID TO %1").arg(kDocuments));
        ok = ok && c.commit();
        c.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    return ok;
}

struct TBench
{
    QTemporaryDir configDir;
    std::unique_ptr<TVarkoConfig> config;
    std::unique_ptr<TFormsDatabase> db;
    QString copy;
};

TBench &bench()
{
    static TBench b = [] {
        TBench t;
        t.config = std::make_unique<TVarkoConfig>(nullptr, t.configDir.filePath(QStringLiteral("registry.ini")));
        t.config->setDatabaseCommon(true);
        t.config->setSortBy(0);
        PrepareFirebird();
        const QString file = benchFile();
        if (countRows(file) < kDocuments) {
            std::fprintf(stderr, "generating %d documents into %s ...\n", kDocuments, qPrintable(file));
            if (!generate(file))
                std::fprintf(stderr, "generation failed\n");
        }
        // Saves go into a copy, so the generated database stays at 100 000 rows.
        t.copy = t.configDir.filePath(QStringLiteral("bench.gdb"));
        QFile::copy(file, t.copy);
        t.db = std::make_unique<TFormsDatabase>(nullptr, t.config.get());
        t.db->setDatabaseFile(t.copy);
        t.db->Open();
        return t;
    }();
    return b;
}

void readScreen(TFormsDatabase &db)
{
    for (int i = 0; i < kScreenRows && i < db.DataSet().recordCount(); ++i)
        benchmark::DoNotOptimize(db.DataSet().row(i).Description());
}

// One form type of the current company: 7 500 documents.
void BM_FirstScreenFormType(benchmark::State &state)
{
    TFormsDatabase &db = *bench().db;
    db.setDontFilterByCompany(false);
    db.ClearFilters();
    db.SetFormIDFilter(QStringLiteral("{FORM-3}"));
    for (auto _ : state) {
        db.Refresh();
        readScreen(db);
    }
    state.counters["rows"] = db.DataSet().recordCount();
}
BENCHMARK(BM_FirstScreenFormType)->Unit(benchmark::kMillisecond);

// A whole category over all companies: 50 000 documents.
void BM_FirstScreenCategoryAllCompanies(benchmark::State &state)
{
    TFormsDatabase &db = *bench().db;
    db.setDontFilterByCompany(true);
    db.ClearFilters();
    db.SetCategoryFilter(QStringLiteral("PIT"));
    for (auto _ : state) {
        db.Refresh();
        readScreen(db);
    }
    state.counters["rows"] = db.DataSet().recordCount();
}
BENCHMARK(BM_FirstScreenCategoryAllCompanies)->Unit(benchmark::kMillisecond);

// Every document: 100 000.
void BM_FirstScreenEverything(benchmark::State &state)
{
    TFormsDatabase &db = *bench().db;
    db.setDontFilterByCompany(true);
    db.ClearFilters();
    for (auto _ : state) {
        db.Refresh();
        readScreen(db);
    }
    state.counters["rows"] = db.DataSet().recordCount();
}
BENCHMARK(BM_FirstScreenEverything)->Unit(benchmark::kMillisecond);

// The search view: a text in any of the three descriptions, all 100 000 documents searched.
void BM_TextSearch(benchmark::State &state)
{
    TFormsDatabase &db = *bench().db;
    db.setDontFilterByCompany(false);
    db.ClearFilters();
    db.setSearchText(QString::fromUtf8("KRAKÓW"));
    for (auto _ : state) {
        db.Refresh();
        readScreen(db);
    }
    state.counters["rows"] = db.DataSet().recordCount();
    db.ClearFilters();
}
BENCHMARK(BM_TextSearch)->Unit(benchmark::kMillisecond);

// New document saved from a list of 7 500: post, commit, reopen, refresh back to its row.
void BM_SaveCommitRefresh(benchmark::State &state)
{
    TFormsDatabase &db = *bench().db;
    db.setDontFilterByCompany(false);
    db.ClearFilters();
    db.SetFormIDFilter(QStringLiteral("{FORM-3}"));
    db.Refresh();
    TDocumentRecord form(QStringLiteral("{FORM-3}"), QStringLiteral("PIT"));
    form.m_title = QStringLiteral("Formularz 3");
    form.m_descriptions[0] = QStringLiteral("Nowy dokument");
    form.m_company = QStringLiteral("DEFAULT");
    form.m_values = QStringLiteral("1=Nowy\r\n2=dokument\r\n");
    for (auto _ : state) {
        if (!db.SaveDocument(&form, true))
            state.SkipWithError("save failed");
        readScreen(db);
    }
}
BENCHMARK(BM_SaveCommitRefresh)->Unit(benchmark::kMillisecond);

// The parts of a save: reconnecting alone, and the list query alone.
void BM_Reopen(benchmark::State &state)
{
    TFormsDatabase &db = *bench().db;
    for (auto _ : state)
        db.Open();
}
BENCHMARK(BM_Reopen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    bench().db.reset();
    return 0;
}
