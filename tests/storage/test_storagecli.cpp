// papyra-cli db: create, add, list, query, show.

#include "storagetestsupport.h"

#include "common/codepage.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace {

// The database subcommands of the same runner.
TCliRun cli(const QStringList &args)
{
    return RunPapyraCli(QStringList{QStringLiteral("db")} + args);
}

TEST(StorageCli, CreateAddListShow)
{
    TTestDir dir;
    const QString file = dir.file(QStringLiteral("baza.gdb"));
    EXPECT_EQ(cli({QStringLiteral("create"), file}).status, 0);
    EXPECT_EQ(cli({QStringLiteral("create"), file}).status, 1); // never overwrites

    QString values = QString::fromUtf8("1=Łódź\r\n2=O'Brien\r\n");
    ASSERT_TRUE(WriteCp1250File(dir.file(QStringLiteral("v.txt")), values));
    TCliRun add = cli({QStringLiteral("add"), file, QStringLiteral("--form-id"), QStringLiteral("{F-1}"),
                    QStringLiteral("--category"), QStringLiteral("PIT"), QStringLiteral("--title"),
                    QStringLiteral("PIT-37"), QStringLiteral("--description1"), QStringLiteral("Jan O'Brien"),
                    QStringLiteral("--description3"), QString::fromUtf8("Kraków"), QStringLiteral("--date"),
                    QStringLiteral("05.03.2007"), QStringLiteral("--values"), dir.file(QStringLiteral("v.txt"))});
    ASSERT_EQ(add.status, 0) << add.err.toStdString();
    const QString id = add.out.trimmed();
    add = cli({QStringLiteral("add"), file, QStringLiteral("--form-id"), QStringLiteral("{F-2}"),
               QStringLiteral("--category"), QStringLiteral("VAT"), QStringLiteral("--company"),
               QStringLiteral("FIRMA1"), QStringLiteral("--date"), QStringLiteral("06.03.2007"),
               QStringLiteral("--description1"), QStringLiteral("Inna")});
    ASSERT_EQ(add.status, 0) << add.err.toStdString();

    TCliRun list = cli({QStringLiteral("list"), file, QStringLiteral("--search"), QStringLiteral("o'brien")});
    EXPECT_EQ(list.status, 0) << list.err.toStdString();
    EXPECT_EQ(list.out, id + QString::fromUtf8("\t{F-1}\t05.03.2007\tPIT-37\tJan O'Brien  Kraków\n"));
    list = cli({QStringLiteral("list"), file, QStringLiteral("--all-companies"), QStringLiteral("--sort"),
                QStringLiteral("1"), QStringLiteral("--from"), QStringLiteral("06.03.2007")});
    EXPECT_EQ(list.out.count(u'\n'), 1);
    EXPECT_TRUE(list.out.contains(QStringLiteral("Inna")));
    list = cli({QStringLiteral("list"), file, QStringLiteral("--company"), QStringLiteral("FIRMA1")});
    EXPECT_TRUE(list.out.startsWith(QString::number(id.toInt() + 1) + QStringLiteral("\t{F-2}")));

    TCliRun show = cli({QStringLiteral("show"), file, id});
    EXPECT_EQ(show.status, 0);
    EXPECT_EQ(show.out, values);
    EXPECT_EQ(cli({QStringLiteral("show"), file, QStringLiteral("999")}).status, 1);
}

TEST(StorageCli, QueryPrintsTheLinesAndBadInputIsAUsageError)
{
    TCliRun q = cli({QStringLiteral("query"), QStringLiteral("nieistotny.gdb"), QStringLiteral("--form-id"),
                  QStringLiteral("{F-1}"), QStringLiteral("--sort"), QStringLiteral("1")});
    EXPECT_EQ(q.status, 0);
    EXPECT_EQ(q.out, QStringLiteral("SELECT * from Forms\nWHERE\n(CompanyCode='DEFAULT')\nAND\n(FormID='{F-1}')\n"
                                    "ORDER BY EditDate\n"));
    EXPECT_EQ(cli({QStringLiteral("query"), QStringLiteral("x.gdb"), QStringLiteral("--sort"), QStringLiteral("5")}).status, 2);
    EXPECT_EQ(cli({QStringLiteral("list"), QStringLiteral("x.gdb"), QStringLiteral("--from"), QStringLiteral("32.13.2007")}).status, 2);
    EXPECT_EQ(cli({QStringLiteral("add"), QStringLiteral("x.gdb"), QStringLiteral("--category"), QStringLiteral("PIT")}).status, 2);
    EXPECT_EQ(cli({QStringLiteral("frob"), QStringLiteral("x.gdb")}).status, 2);
    TTestDir dir;
    TCliRun missing = cli({QStringLiteral("list"), dir.file(QStringLiteral("brak.gdb"))});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains(QString::fromUtf8("Nie znaleziono bazy danych")));
}

} // namespace
