// The preview window driven by keys: zoom steps and page movement.

#include "printing/ui/previewform.h"
#include "printing/PrintDrv.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct TThreePages
{
    TMWPrintObject engine;
    TThreePages()
    {
        engine.setOutputMode(TMWPrintObject::omRecordOnly);
        engine.setShowProgress(false);
        engine.setPaperSize(PAPER_A4);
        engine.SetMeasurement(mtMM);
        engine.BeginDocument();
        for (int i = 1; i <= 3; ++i) {
            if (i > 1)
                engine.NewPage();
            engine.WriteText(QStringLiteral("Strona %1").arg(i), 20, 20);
        }
        engine.EndDocument();
    }
};

TEST(PreviewForm, ZoomKeysAndScales)
{
    TThreePages doc;
    TPreviewForm form(doc.engine);
    form.resize(900, 700);
    form.show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Podgląd wydruku"));
    EXPECT_EQ(form.zoomIndex(), 4); // opens at 100 %
    EXPECT_DOUBLE_EQ(form.scale(), 1.0);
    const int fullWidth = form.pageImageSize().width();
    EXPECT_EQ(fullWidth, int(std::lround(8.3 * 96)));
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(&form, Qt::Key_Minus);
    EXPECT_EQ(form.zoomIndex(), 0);
    EXPECT_DOUBLE_EQ(form.scale(), 0.52);
    EXPECT_EQ(form.pageImageSize().width(), int(std::lround(8.3 * 96 * 0.52)));
    QTest::keyClick(&form, Qt::Key_Plus);
    EXPECT_DOUBLE_EQ(form.scale(), 0.64);
}

TEST(PreviewForm, PageKeysAndPageField)
{
    TThreePages doc;
    doc.engine.setStartPercent(P2_Sixty);
    TPreviewForm form(doc.engine);
    form.show();
    EXPECT_EQ(form.zoomIndex(), 0);
    EXPECT_EQ(form.currentPage(), 1);
    QTest::keyClick(&form, Qt::Key_PageDown);
    EXPECT_EQ(form.currentPage(), 2);
    QTest::keyClick(&form, Qt::Key_PageDown);
    QTest::keyClick(&form, Qt::Key_PageDown);
    EXPECT_EQ(form.currentPage(), 3); // stays on the last page
    QTest::keyClick(&form, Qt::Key_PageUp);
    EXPECT_EQ(form.currentPage(), 2);

    auto *field = form.findChild<QLineEdit *>();
    ASSERT_NE(field, nullptr);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("0"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(form.currentPage(), 1);
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("9"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(form.currentPage(), 3);
    field->clear();
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(form.currentPage(), 1);
}

} // namespace
