// The list query, line by line, for the filter combinations the list and search views use.

#include "storagetestsupport.h"

#include "common/switches.h"

#include <gtest/gtest.h>

namespace {

struct TQueryCase
{
    const char *name;
    bool common;
    bool dontFilter;
    QString company;
    QString formID;
    QString category;
    QDate from;
    QDate to;
    QString search;
    int sortBy;
    QStringList expected;
};

QString L(const char *text)
{
    return QString::fromUtf8(text);
}

class FormsQuery : public ::testing::TestWithParam<TQueryCase>
{
};

TEST_P(FormsQuery, BuildsTheLines)
{
    const TQueryCase &c = GetParam();
    TTestDir dir;
    TVarkoConfig config(nullptr, dir.file(QStringLiteral("registry.ini")));
    config.setDatabaseCommon(c.common);
    config.setSortBy(c.sortBy);
    TFormsDatabase db(nullptr, &config);
    db.setDontFilterByCompany(c.dontFilter);
    db.setCurrentCompanyCode(c.company);
    db.SetCategoryFilter(c.category);
    db.SetFormIDFilter(c.formID);
    db.setDateFrom(c.from);
    db.setDateTo(c.to);
    db.setSearchText(c.search);
    EXPECT_EQ(db.BuildListQuery(), c.expected);
}

const QString kSelect = QStringLiteral("SELECT * from Forms");

INSTANTIATE_TEST_SUITE_P(
    Lines, FormsQuery,
    ::testing::Values(
        TQueryCase{"NoFiltersSortByDate", false, false, {}, {}, {}, {}, {}, {}, 1,
                   {kSelect, L("ORDER BY EditDate")}},
        TQueryCase{"CommonDatabaseDefaultCompanyAndFormType", true, false, {}, L("{F-1}"), {}, {}, {}, {}, 0,
                   {kSelect, L("WHERE"), L("(CompanyCode='DEFAULT')"), L("AND"), L("(FormID='{F-1}')"),
                    L("ORDER BY Description1,Description2")}},
        TQueryCase{"FormTypeWinsOverCategory", false, false, {}, L("{F-1}"), L("PIT"), {}, {}, {}, 2,
                   {kSelect, L("WHERE"), L("(FormID='{F-1}')"), L("ORDER BY Category,EditDate")}},
        TQueryCase{"CategoryOnly", false, false, {}, {}, L("VAT"), {}, {}, {}, 7,
                   {kSelect, L("WHERE"), L("(Category='VAT')")}},
        TQueryCase{"DontFilterByCompany", true, true, L("FIRMA1"), {}, L("VAT"), {}, {}, {}, 1,
                   {kSelect, L("WHERE"), L("(Category='VAT')"), L("ORDER BY EditDate")}},
        TQueryCase{"EverythingInOrder", true, false, L("FIRMA1"), L("{F-1}"), {}, QDate(2007, 3, 5),
                   QDate(2007, 12, 31), L("Kowal"), 0,
                   {kSelect, L("WHERE"), L("(CompanyCode='FIRMA1')"), L("AND"), L("(FormID='{F-1}')"), L("AND"),
                    L("(EditDate>='05.03.2007')"), L("AND"), L("(EditDate<='31.12.2007')"), L("AND"),
                    L("((Description1 CONTAINING 'Kowal') OR (Description2 CONTAINING 'Kowal') OR "
                      "(Description3 CONTAINING 'Kowal'))"),
                    L("ORDER BY Description1,Description2")}},
        TQueryCase{"OnlyUpperDateBound", false, false, {}, {}, {}, {}, QDate(2006, 1, 2), {}, 1,
                   {kSelect, L("WHERE"), L("(EditDate<='02.01.2006')"), L("ORDER BY EditDate")}},
        TQueryCase{"ApostrophesDoubled", true, false, L("O'K"), L("{it's}"), {}, {}, {}, L("O'Brien"), 1,
                   {kSelect, L("WHERE"), L("(CompanyCode='O''K')"), L("AND"), L("(FormID='{it''s}')"), L("AND"),
                    L("((Description1 CONTAINING 'O''Brien') OR (Description2 CONTAINING 'O''Brien') OR "
                      "(Description3 CONTAINING 'O''Brien'))"),
                    L("ORDER BY EditDate")}},
        TQueryCase{"UnknownSortAddsNoOrder", false, false, {}, {}, {}, {}, {}, {}, -1, {kSelect}}),
    [](const ::testing::TestParamInfo<TQueryCase> &info) { return std::string(info.param.name); });

TEST(FormsFilters, CategoryClearsFormTypeButNotTheOtherWayRound)
{
    TTestDir dir;
    TVarkoConfig config(nullptr, dir.file(QStringLiteral("registry.ini")));
    TFormsDatabase db(nullptr, &config);
    db.SetFormIDFilter(QStringLiteral("{F}"));
    db.SetCategoryFilter(QStringLiteral("PIT"));
    EXPECT_EQ(db.FormIDFilter(), QString());
    EXPECT_EQ(db.CategoryFilter(), QStringLiteral("PIT"));
    db.SetFormIDFilter(QStringLiteral("{F}"));
    EXPECT_EQ(db.CategoryFilter(), QStringLiteral("PIT"));
    EXPECT_EQ(db.FormIDFilter(), QStringLiteral("{F}"));

    db.setSearchText(QStringLiteral("x"));
    db.setDateFrom(QDate(2007, 1, 1));
    db.setDateTo(QDate(2007, 2, 1));
    db.ClearFilters();
    EXPECT_TRUE(db.FormIDFilter().isEmpty());
    EXPECT_TRUE(db.CategoryFilter().isEmpty());
    EXPECT_TRUE(db.SearchText().isEmpty());
    EXPECT_FALSE(db.DateFrom().isValid());
    EXPECT_FALSE(db.DateTo().isValid());
}

TEST(FormsFilters, SortOrderIsReadFromTheConfigurationEachTime)
{
    TTestDir dir;
    TVarkoConfig config(nullptr, dir.file(QStringLiteral("registry.ini")));
    config.setDatabaseCommon(false);
    TFormsDatabase db(nullptr, &config);
    config.setSortBy(2);
    EXPECT_EQ(db.SortBy(), 2);
    EXPECT_EQ(db.BuildListQuery().last(), QStringLiteral("ORDER BY Category,EditDate"));
    config.setSortBy(1);
    EXPECT_EQ(db.property("SortBy").toInt(), 1);
    EXPECT_EQ(db.BuildListQuery().last(), QStringLiteral("ORDER BY EditDate"));
}

TEST(FormsDatabaseFile, SwitchDefaultAndDirectoryPart)
{
    TTestDir dir;
    TVarkoConfig config(nullptr, dir.file(QStringLiteral("registry.ini")));
    {
        SetCommandLineParameters({});
        TFormsDatabase db(nullptr, &config);
        db.setDatabasePath(QStringLiteral("/data/firmy"));
        EXPECT_EQ(db.DatabasePath(), QStringLiteral("/data/firmy/"));
        EXPECT_EQ(db.DatabaseFile(), QStringLiteral("/data/firmy/firma.gdb"));
    }
    {
        SetCommandLineParameters({QStringLiteral("/LDG"), QStringLiteral("/database:  Biuro.gdb ")});
        TFormsDatabase db(nullptr, &config);
        db.setDatabasePath(QStringLiteral("/data/"));
        EXPECT_EQ(db.DatabaseFile(), QStringLiteral("/data/Biuro.gdb"));
        // The first value read stays in force.
        SetCommandLineParameters({});
        EXPECT_EQ(db.DatabaseFile(), QStringLiteral("/data/Biuro.gdb"));
    }
    {
        SetCommandLineParameters({QStringLiteral("/DATABASE:/srv/dane/Firma.gdb")});
        TFormsDatabase db(nullptr, &config);
        db.setDatabasePath(QStringLiteral("/data/"));
        EXPECT_EQ(db.DatabaseFile(), QStringLiteral("/srv/dane/Firma.gdb"));
        db.setServerName(QStringLiteral("serwer"));
        EXPECT_EQ(db.ConnectionTarget(), QStringLiteral("serwer:/srv/dane/Firma.gdb"));
    }
    SetCommandLineParameters({});
}

} // namespace
