#include "common/apppaths.h"
#include "common/componentsaver.h"
#include "common/dialogs.h"
#include "common/registry.h"
#include "common/switches.h"
#include "testsupport.h"
#include "common/varkoconfig.h"

#include <QFile>

#include <gtest/gtest.h>

namespace configtest {

class TSample : public QObject
{
    Q_OBJECT
public:
    enum TAlign { alNone, alTop, alClient };
    Q_ENUM(TAlign)
    enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4 };
    Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
    Q_FLAG(TFontStyles)

private:
    Q_PROPERTY(int Count MEMBER count)
    Q_PROPERTY(bool Visible MEMBER visible)
    Q_PROPERTY(double Ratio MEMBER ratio)
    Q_PROPERTY(QString Caption MEMBER caption)
    Q_PROPERTY(TAlign Align MEMBER align)
    Q_PROPERTY(TFontStyles Style READ getStyle WRITE setStyle)
    Q_PROPERTY(QObject *Partner MEMBER partner)
    Q_PROPERTY(qlonglong Big MEMBER big)

public:
    int count = 0;
    bool visible = false;
    double ratio = 0;
    QString caption;
    TAlign align = alNone;
    TFontStyles style;
    QObject *partner = nullptr;
    qlonglong big = 0;
    TFontStyles getStyle() const { return style; }
    void setStyle(TFontStyles s) { style = s; }
};
Q_DECLARE_OPERATORS_FOR_FLAGS(TSample::TFontStyles)

} // namespace configtest

using configtest::TSample;

namespace {

QString readStore(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

TEST(ComponentSaver, WritesSimplePropertiesSortedAndReadsThemBack)
{
    TTestDir dir;
    const QString store = dir.file(QStringLiteral("registry.ini"));
    TSample a;
    a.setObjectName(QStringLiteral("sample"));
    a.count = -42;
    a.visible = true;
    a.ratio = 2.5;
    a.caption = QStringLiteral("Zażółć \"gęślą\"\r\ndruga");
    a.align = TSample::alClient;
    a.style = TSample::fsBold | TSample::fsUnderline;
    a.big = 1LL << 40;
    TComponentSaver saver;
    saver.setStoreFile(store);
    saver.setComponent(&a);
    saver.setRegistryKey(QStringLiteral("Software\\Zelto\\Test"));
    EXPECT_EQ(saver.RegistryKey(), QStringLiteral("\\Software\\Zelto\\Test"));
    saver.setSaveComponentName(false);
    ASSERT_TRUE(saver.SaveToRegistry());

    const QString text = readStore(store);
    EXPECT_TRUE(text.contains(QStringLiteral("[Software\\Zelto\\Test]")));
    const QStringList order = {QStringLiteral("Align="), QStringLiteral("Big="), QStringLiteral("Caption="), QStringLiteral("Count="),
                               QStringLiteral("Ratio="), QStringLiteral("Style="), QStringLiteral("Visible=")};
    int last = -1;
    for (const QString &key : order) {
        const int at = text.indexOf(key);
        EXPECT_GT(at, last) << key.toStdString();
        last = at;
    }
    EXPECT_TRUE(text.contains(QStringLiteral("Visible=\"True\"")));
    EXPECT_TRUE(text.contains(QStringLiteral("Align=\"alClient\"")));
    EXPECT_TRUE(text.contains(QStringLiteral("Style=\"[fsBold,fsUnderline]\"")));
    EXPECT_TRUE(text.contains(QStringLiteral("Ratio=\"2.5\"")));
    EXPECT_FALSE(text.contains(QStringLiteral("Partner")));
    EXPECT_FALSE(text.contains(QStringLiteral("\nName=")));

    TSample b;
    TComponentSaver loader;
    loader.setStoreFile(store);
    loader.setComponent(&b);
    loader.setRegistryKey(QStringLiteral("\\Software\\Zelto\\Test"));
    ASSERT_TRUE(loader.LoadFromRegistry());
    EXPECT_EQ(b.count, -42);
    EXPECT_TRUE(b.visible);
    EXPECT_DOUBLE_EQ(b.ratio, 2.5);
    EXPECT_EQ(b.caption, a.caption);
    EXPECT_EQ(b.align, TSample::alClient);
    EXPECT_EQ(b.style, a.style);
    EXPECT_EQ(b.big, a.big);
}

TEST(ComponentSaver, SaveAndExcludedListsAndTheName)
{
    TTestDir dir;
    const QString store = dir.file(QStringLiteral("registry.ini"));
    TSample a;
    a.setObjectName(QStringLiteral("cfg"));
    TComponentSaver saver;
    saver.setStoreFile(store);
    saver.setComponent(&a);
    saver.setRegistryKey(QStringLiteral("K1"));
    saver.setExcludedProperties({QStringLiteral(" count "), QStringLiteral("ratio")});
    ASSERT_TRUE(saver.SaveToRegistry());
    QString text = readStore(store);
    EXPECT_TRUE(text.contains(QStringLiteral("Name=\"cfg\"")));
    EXPECT_FALSE(text.contains(QStringLiteral("Count=")));
    EXPECT_FALSE(text.contains(QStringLiteral("Ratio=")));

    saver.setRegistryKey(QStringLiteral("K2"));
    saver.setSaveProperties({QStringLiteral("Count")}); // wins over the excluded list
    ASSERT_TRUE(saver.SaveToRegistry());
    TRegistry reg(store);
    ASSERT_TRUE(reg.openKeyReadOnly(QStringLiteral("K2")));
    EXPECT_EQ(reg.valueNames(), QStringList{QStringLiteral("Count")});
}

TEST(ComponentSaver, NothingWithoutKeyOrComponentAndForgetsDestroyedComponents)
{
    TTestDir dir;
    TComponentSaver saver;
    saver.setStoreFile(dir.file(QStringLiteral("r.ini")));
    EXPECT_FALSE(saver.SaveToRegistry());
    auto *a = new TSample;
    saver.setComponent(a);
    EXPECT_FALSE(saver.SaveToRegistry()); // no key
    saver.setRegistryKey(QStringLiteral("K"));
    delete a;
    EXPECT_EQ(saver.Component(), nullptr);
    EXPECT_FALSE(saver.SaveToRegistry());
    EXPECT_FALSE(saver.LoadFromRegistry());
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("r.ini"))));
}

TEST(ComponentSaver, BadValuesKeepThePreviousValue)
{
    TTestDir dir;
    const QString store = dir.write(QStringLiteral("registry.ini"),
                                    "[K]\nCount=\"12x\"\nVisible=yes\nAlign=alMiddle\nRatio=\"1,5\"\nCaption=plain text\nUnknown=1\n"
                                    "Style=\"[fsItalic,fsNone]\"\n");
    TSample s;
    s.count = 3;
    s.visible = true;
    s.ratio = 9;
    s.align = TSample::alTop;
    s.style = TSample::fsBold;
    TComponentSaver saver;
    saver.setStoreFile(store);
    saver.setComponent(&s);
    saver.setRegistryKey(QStringLiteral("K"));
    EXPECT_TRUE(saver.LoadFromRegistry());
    EXPECT_EQ(s.count, 3);
    EXPECT_TRUE(s.visible);
    EXPECT_DOUBLE_EQ(s.ratio, 9);
    EXPECT_EQ(s.align, TSample::alTop);
    EXPECT_EQ(s.style, TSample::TFontStyles(TSample::fsBold));
    EXPECT_EQ(s.caption, QStringLiteral("plain text"));
    EXPECT_TRUE(DialogSeam::shownBoxes().isEmpty());
}

TEST(ComponentSaver, AnUnwritableStoreGivesFalseWithoutBoxes)
{
    TSample s;
    TComponentSaver saver;
    saver.setStoreFile(QStringLiteral("/proc/papyra-no/registry.ini"));
    saver.setComponent(&s);
    saver.setRegistryKey(QStringLiteral("K"));
    EXPECT_FALSE(saver.SaveToRegistry());
    EXPECT_FALSE(saver.LoadFromRegistry());
    EXPECT_TRUE(DialogSeam::shownBoxes().isEmpty());
}

TEST(VarkoConfig, DefaultsWhenNothingIsStored)
{
    TTestDir dir;
    TVarkoConfig config(nullptr, dir.file(QStringLiteral("registry.ini")));
    EXPECT_EQ(config.LDGPath(), TVarkoConfig::defaultLDGPath());
    EXPECT_EQ(config.LDGPL(), 1);
    EXPECT_FALSE(config.ConfirmCancelDocument());
    EXPECT_FALSE(config.OnClickExpandIsCool());
    EXPECT_FALSE(config.SelectCompanyNag());
    EXPECT_EQ(config.DatabasePath(), AppDir());
    EXPECT_EQ(config.ServerName(), QString());
    EXPECT_EQ(config.DatabaseUser(), QStringLiteral("sysdba"));
    EXPECT_EQ(config.DatabasePassword(), QStringLiteral("bluecrane"));
    EXPECT_FALSE(config.UseLDGZX());
    EXPECT_EQ(config.SortBy(), 0);
    EXPECT_TRUE(config.DatabaseCommon());
    EXPECT_EQ(config.Oktan2KPath(), QString());
}

TEST(VarkoConfig, StoredValuesAndTheirEmptyDefaults)
{
    TTestDir dir;
    const QString store = dir.write(QStringLiteral("registry.ini"),
                                    "[Software\\Zelto\\Varko\\Config]\nLDGPL=\"0\"\nLDGPath=\"\"\nDatabaseCommon=\"False\"\n"
                                    "DatabaseUser=\"ksiegowa\"\nSortBy=\"2\"\nUseLDGZX=\"True\"\nServerName=\"srv\"\n");
    TVarkoConfig config(nullptr, store);
    EXPECT_EQ(config.LDGPL(), 1);
    EXPECT_EQ(config.LDGPath(), TVarkoConfig::defaultLDGPath());
    EXPECT_FALSE(config.DatabaseCommon());
    EXPECT_EQ(config.DatabaseUser(), QStringLiteral("ksiegowa"));
    EXPECT_EQ(config.DatabasePassword(), QStringLiteral("bluecrane"));
    EXPECT_EQ(config.SortBy(), 2);
    EXPECT_EQ(config.ServerName(), QStringLiteral("srv"));
}

TEST(VarkoConfig, SaveAndLoadRoundTripWithoutTheName)
{
    TTestDir dir;
    const QString store = dir.file(QStringLiteral("registry.ini"));
    {
        TVarkoConfig config(nullptr, store);
        config.setObjectName(QStringLiteral("VarkoConfig"));
        config.setLDGPath(QStringLiteral("/dane/ldg"));
        config.setLDGPL(2);
        config.setSortBy(1);
        config.setConfirmCancelDocument(true);
        config.setDatabasePassword(QStringLiteral("tajne hasło "));
        config.SelectCompanyDirectory(QStringLiteral("/dane/ldg/firma1"));
        ASSERT_TRUE(config.Save());
    }
    EXPECT_FALSE(readStore(store).contains(QStringLiteral("\nName=")));
    EXPECT_FALSE(readStore(store).contains(QStringLiteral("firma1")));
    TVarkoConfig again(nullptr, store);
    EXPECT_EQ(again.LDGPath(), QStringLiteral("/dane/ldg"));
    EXPECT_EQ(again.LDGPL(), 2);
    EXPECT_EQ(again.SortBy(), 1);
    EXPECT_TRUE(again.ConfirmCancelDocument());
    EXPECT_EQ(again.DatabasePassword(), QStringLiteral("tajne hasło "));
    EXPECT_EQ(again.CompanyDirectory(), QString());
}

TEST(VarkoConfig, AMalformedStoreGivesTheDefaults)
{
    TTestDir dir;
    const QString store = dir.write(QStringLiteral("registry.ini"), "\x01\x02garbage[[[\n=\n[Software\\Zelto\\Varko\\Config\nSortBy=5\n");
    TVarkoConfig config(nullptr, store);
    EXPECT_EQ(config.SortBy(), 0);
    EXPECT_EQ(config.LDGPL(), 1);
    EXPECT_TRUE(DialogSeam::shownBoxes().isEmpty());
}

TEST(VarkoConfig, SelectCompanyDirectoryRaisesTheEvent)
{
    TTestDir dir;
    TVarkoConfig config(nullptr, dir.file(QStringLiteral("r.ini")));
    config.SelectCompanyDirectory(QStringLiteral("/a")); // no handler attached: nothing happens
    QStringList seen;
    config.OnSelectDirectory = [&] { seen << config.CompanyDirectory(); };
    config.setCompanyName(QStringLiteral("Firma"));
    config.SelectCompanyDirectory(QStringLiteral("/ldg/f2"));
    EXPECT_EQ(seen, QStringList{QStringLiteral("/ldg/f2")});
    EXPECT_EQ(config.CompanyName(), QStringLiteral("Firma"));
}

TEST(Switches, TheFirstParameterContainingTheTextDecides)
{
    struct Case { QStringList params; const char *sw; bool present; };
    const Case cases[] = {
        {{QStringLiteral("/ldg")}, "/LDG", true},
        {{QStringLiteral("/LDGX")}, "/LDG", false},
        {{QStringLiteral("/ldgx"), QStringLiteral("/LDG")}, "/LDG", false},
        {{QStringLiteral("/LDG"), QStringLiteral("/ldgx")}, "/LDG", true},
        {{QStringLiteral("/TESTMODE")}, "/TEST", false},
        {{QStringLiteral("/test"), QStringLiteral("/testmode")}, "/TEST", true},
        {{QStringLiteral("/test"), QStringLiteral("/testmode")}, "/TESTMODE", true},
        {{}, "/LDG", false},
    };
    for (const Case &c : cases) {
        SetCommandLineParameters(c.params);
        EXPECT_EQ(SwitchPresent(QString::fromLatin1(c.sw)), c.present) << c.params.join(QLatin1Char(' ')).toStdString() << " " << c.sw;
    }
    SetCommandLineParameters({QStringLiteral("/forms:/home/Ja/Katalog.xml "), QStringLiteral("/Database:  biuro.gdb")});
    EXPECT_EQ(FindSwitch(QStringLiteral("/FORMS:")), QStringLiteral("/FORMS:/HOME/JA/KATALOG.XML "));
    EXPECT_EQ(SwitchValue(QStringLiteral("/FORMS:")), QStringLiteral("/HOME/JA/KATALOG.XML"));
    EXPECT_EQ(SwitchValue(QStringLiteral("/DATABASE:")), QStringLiteral("BIURO.GDB"));
    EXPECT_EQ(SwitchValue(QStringLiteral("/LDG")), QString());
    SetCommandLineParameters({});
}

TEST(Switches, TraceStartupOnlyInTestMode)
{
    SetTestMode(false);
    TraceStartup(QStringLiteral("stage 1"));
    EXPECT_TRUE(DialogSeam::shownBoxes().isEmpty());
    SetTestMode(true);
    DialogSeam::presetBoxAnswer(mrOk);
    TraceStartup(QStringLiteral("stage 2"));
    SetTestMode(false);
    ASSERT_EQ(DialogSeam::shownBoxes().size(), 1);
    EXPECT_EQ(DialogSeam::shownBoxes()[0].kind, bkInformation);
    EXPECT_EQ(DialogSeam::shownBoxes()[0].text, QStringLiteral("stage 2"));
    EXPECT_EQ(DialogSeam::shownBoxes()[0].caption, QStringLiteral("PASSED SUCCESFULLY:"));
}

TEST(Dialogs, ShowBoxCaptionsAndPresetAnswers)
{
    DialogSeam::presetBoxAnswer(mrYes);
    EXPECT_EQ(ShowBox(bkYesNo, QStringLiteral("Usunąć?")), 6);
    EXPECT_EQ(ShowBox(bkError, QStringLiteral("x")), mrOk); // no window library here: OK
    ShowBox(bkWarning, QStringLiteral("y"), QStringLiteral("Własny"));
    const auto &shown = DialogSeam::shownBoxes();
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[0].caption, QStringLiteral("Uwaga!"));
    EXPECT_EQ(shown[1].caption, QStringLiteral("Błąd!"));
    EXPECT_EQ(shown[2].caption, QStringLiteral("Własny"));
    EXPECT_EQ(BoxCaption(0), QStringLiteral("Informacje"));
    EXPECT_EQ(BoxCaption(4), QStringLiteral("Uwaga!"));
}

#include "test_config.moc"
