// papyra-cli print and script-name as automation sees them.

#include "common/codepage.h"
#include "testsupport.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

TEST(PrintCli, DumpWithParametersAndCapitals)
{
    TTestDir dir;
    const QString script = dir.write(QStringLiteral("s.scr"),
                                     Cp1250::encode(QStringLiteral("NAME=Próba\r\nPAGE 5,3\r\nT=10,10|STR [1]+' '+[5]\r\n"
                                                                   "T=10,20|EVAL [2]*2\r\nPAGE 0,0\r\nT=1,1|x\r\n")));
    const QString params = dir.write(QStringLiteral("p.txt"), "5=Kowalski\r\n");
    const TCliRun plain = RunPapyraCli({QStringLiteral("print"), script, QStringLiteral("--param"), QStringLiteral("1=Jan"),
                               QStringLiteral("--param"), QStringLiteral("2=0"), QStringLiteral("--params"), params,
                               QStringLiteral("--zero-as"), QStringLiteral("-,--"), QStringLiteral("--dump")});
    ASSERT_EQ(plain.status, 0) << plain.err.toStdString();
    const QStringList lines = plain.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_TRUE(lines.contains(QStringLiteral("text 15.00 13.00 \"Jan Kowalski\"")));
    EXPECT_TRUE(lines.contains(QStringLiteral("text 15.00 23.00 \"-,--\"")));
    EXPECT_EQ(lines.filter(QStringLiteral("page ")), (QStringList{QStringLiteral("page 1"), QStringLiteral("page 2")}));

    const TCliRun caps = RunPapyraCli({QStringLiteral("print"), script, QStringLiteral("--param"), QStringLiteral("1=Jan"),
                              QStringLiteral("--params"), params, QStringLiteral("--caps"), QStringLiteral("--pages"),
                              QStringLiteral("1"), QStringLiteral("--dump")});
    ASSERT_EQ(caps.status, 0);
    EXPECT_TRUE(caps.out.contains(QStringLiteral("text 15.00 13.00 \"JAN KOWALSKI\"")));
    EXPECT_FALSE(caps.out.contains(QStringLiteral("page 2")));

    const TCliRun name = RunPapyraCli({QStringLiteral("script-name"), script});
    EXPECT_EQ(name.status, 0);
    EXPECT_EQ(name.out, QStringLiteral("Próba\n"));
}

TEST(PrintCli, PdfAndErrors)
{
    TTestDir dir;
    const QString script = dir.write(QStringLiteral("s.scr"), "PAGE 0,0\r\nT=10,10|abc\r\nPAGE 0,0\r\n");
    const QString pdf = dir.file(QStringLiteral("out.pdf"));
    const TCliRun run = RunPapyraCli({QStringLiteral("print"), script, QStringLiteral("--pdf"), pdf});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5).startsWith("%PDF-"));

    EXPECT_EQ(RunPapyraCli({QStringLiteral("print"), script}).status, 2);
    EXPECT_EQ(RunPapyraCli({QStringLiteral("print"), script, QStringLiteral("--dump"), QStringLiteral("--pdf"), pdf}).status, 2);
    EXPECT_EQ(RunPapyraCli({QStringLiteral("print"), script, QStringLiteral("--param"), QStringLiteral("x"),
                   QStringLiteral("--dump")}).status, 2);
    const TCliRun missing = RunPapyraCli({QStringLiteral("print"), dir.file(QStringLiteral("none.scr")), QStringLiteral("--dump")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Błąd analizy formularza wydruku!")));
    EXPECT_EQ(RunPapyraCli({QStringLiteral("script-name"), dir.file(QStringLiteral("none.scr"))}).out, QStringLiteral("\n"));
}

} // namespace
