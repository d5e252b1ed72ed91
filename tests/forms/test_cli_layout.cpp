// papyra-cli layout: what a form author sees for a description and a values file.

#include "testsupport.h"


#include <gtest/gtest.h>

namespace {

TEST(CliLayout, ListsComponentsThenFieldValues)
{
    TTestDir dir;
    // Windows-1250: "Łódź" and a memo value over two lines.
    const QString values = dir.write(QStringLiteral("v.txt"), "1=\xa3\xf3\x64\x9f\r\n3=a\\nb\r\nbad line\r\n2=1\r\n");
    const QString layout = dir.write(QStringLiteral("l.xml"),
                                     "<form><component class=\"TZeltoEdit\" name=\"edCity\" Tag=\"1\"/>"
                                     "<component class=\"TLabel\" name=\"lbl\" Caption=\"Miasto\"/>"
                                     "<component class=\"TCheckBox\" name=\"chk\" Tag=\"2\"/>"
                                     "<component class=\"TMemo\" name=\"memo\" Tag=\"3\"/></form>");
    const TCliRun r = RunPapyraCli({QStringLiteral("layout"), layout, QStringLiteral("--values"), values});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("TZeltoEdit\tedCity\t1\tŁódź\n"
                                    "TLabel\tlbl\t0\tMiasto\n"
                                    "TCheckBox\tchk\t2\t1\n"
                                    "TMemo\tmemo\t3\ta\\nb\\n\n"
                                    "1=Łódź\n2=1\n3=a\\nb\\n\n"));
}

TEST(CliLayout, Failures)
{
    TTestDir dir;
    const QString broken = dir.write(QStringLiteral("b.xml"), "<form><component</form>");
    EXPECT_EQ(RunPapyraCli({QStringLiteral("layout")}).status, 2);
    EXPECT_EQ(RunPapyraCli({QStringLiteral("layout"), broken, QStringLiteral("--values")}).status, 2);
    EXPECT_EQ(RunPapyraCli({QStringLiteral("layout"), dir.file(QStringLiteral("none.xml"))}).status, 1);
    const TCliRun r = RunPapyraCli({QStringLiteral("layout"), broken});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_FALSE(r.err.isEmpty());
}

} // namespace
