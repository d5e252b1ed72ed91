// The page engine: paper table, units, line breaking, replay on surfaces, printing ranges.

#include "printing/PrintDrv.h"
#include "printing/papersizes.h"
#include "printing/printers.h"
#include "printing/printfonts.h"
#include "testsupport.h"

#include <QFile>
#include <QFontInfo>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

struct TFakeUi : TPrintUi
{
    TMWPrintObject *cancelOnProgress = nullptr;
    int previews = 0;
    int first = 1, last = 1;
    bool acceptRange = true;
    void showPreview(TMWPrintObject &) override { ++previews; }
    bool askPageRange(TMWPrintObject &, int &f, int &l) override
    {
        f = first;
        l = last;
        return acceptRange;
    }
    void showProgress(TMWPrintObject &, const QString &, bool) override {}
    void setProgress(int) override
    {
        if (cancelOnProgress)
            cancelOnProgress->Cancel();
    }
    void hideProgress() override {}
    bool setupPrinter(QString &) override { return false; }
};

struct TUiGuard
{
    explicit TUiGuard(TPrintUi *ui) { SetPrintUi(ui); }
    ~TUiGuard() { SetPrintUi(nullptr); }
};

// First and last rows of the image with a dark pixel; -1 when none.
std::pair<int, int> darkRows(const QImage &image)
{
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
        }
    }
    return {first, last};
}

TEST(PrintEngine, PaperTable)
{
    QSet<QString> names;
    QSet<int> codes;
    for (int i = 0; i < PaperSizeCount; ++i) {
        const TPaperInfo &p = PaperInfo(TPaperSize(i));
        names.insert(QLatin1String(p.name));
        codes.insert(p.code);
    }
    EXPECT_EQ(names.size(), 38);
    EXPECT_EQ(codes.size(), 38);
    EXPECT_EQ(PaperInfo(PAPER_ENV_C5).code, 28);
    EXPECT_DOUBLE_EQ(PaperInfo(PAPER_ENV_C5).width, 6.4);
    EXPECT_EQ(PaperInfo(PAPER_A4).code, 9);
    EXPECT_EQ(PaperInfo(PAPER_ENV_PERSONAL).code, 38);
    TPaperSize paper;
    ASSERT_TRUE(PaperByFormWord(QStringLiteral("DL"), paper));
    EXPECT_EQ(paper, PAPER_ENV_DL);
    EXPECT_FALSE(PaperByFormWord(QStringLiteral("A6"), paper));
}

TEST(PrintEngine, PdfPrinterIsAlwaysOffered)
{
    EXPECT_TRUE(AvailablePrinters().contains(QStringLiteral("PDF file")));
    EXPECT_FALSE(CurrentPrinterName().isEmpty());
}

TEST(PrintEngine, FormFontsResolveToMetricTwins)
{
    const struct
    {
        const char *form;
        const char *family;
    } cases[] = {{"MS SANS SERIF", "Liberation Sans"}, {"Arial CE", "Liberation Sans"},
                 {"Small Fonts", "Liberation Sans"},   {"MS Serif", "Liberation Serif"},
                 {"Times New Roman", "Liberation Serif"}, {"COURIER NEW", "Liberation Mono"},
                 {"DejaVu Sans", "DejaVu Sans"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.form);
        const QString family = ResolveFormFontFamily(QString::fromUtf8(c.form));
        EXPECT_EQ(family, QString::fromUtf8(c.family));
        // The family must really be installed, or widths would come from a stand-in.
        EXPECT_EQ(QFontInfo(MakeFormFont(TMWFontInfo{QString::fromUtf8(c.form), 10, 0, Qt::black})).family(), family);
    }
    // Arial's advance widths: "W" is 0.944 em and "i" 0.222 em at 10 points.
    TMWPrintObject e;
    e.SetMeasurement(mtInches);
    e.SetFont(TMWFontInfo{QStringLiteral("Arial"), 10, 0, Qt::black});
    EXPECT_NEAR(e.TextWidth(QStringLiteral("W")), 0.944 * 10 / 72, 0.002);
    EXPECT_NEAR(e.TextWidth(QStringLiteral("i")), 0.222 * 10 / 72, 0.002);
}

TEST(PrintEngine, UnitConversions)
{
    TMWPrintObject e;
    e.SetMeasurement(mtInches);
    EXPECT_EQ(e.ToDeviceX(0.0999), 10); // rounded
    EXPECT_EQ(e.ToDeviceY(0.0999), 9);  // truncated
    e.SetMeasurement(mtMM);
    EXPECT_DOUBLE_EQ(e.toInches(25.4, false), 1.0);
    EXPECT_DOUBLE_EQ(e.DeviceToUnitX(96), 25.4);
    e.SetMeasurement(mtPixels);
    EXPECT_DOUBLE_EQ(e.toInches(48, true), 0.5);
}

TEST(PrintEngine, WrappedTextBreaksAtBlanksOnly)
{
    TMWPrintObject e;
    e.setPaperSize(PAPER_A4);
    e.SetMeasurement(mtMM);
    const double width = 40;
    const QStringList lines =
        e.BreakLines(QStringLiteral("Ala ma kota\ta kot ma Alę; niezwykledługiesłowobezspacjiktórenieprzerwie koniec\r\n\r\n"),
                     width / 25.4);
    ASSERT_GE(lines.size(), 3);
    for (const QString &l : lines) {
        if (!l.contains(QStringLiteral("niezwykle")))
            EXPECT_LE(e.TextWidth(l), width + 0.01) << l.toStdString();
    }
    EXPECT_TRUE(lines.contains(QStringLiteral("niezwykledługiesłowobezspacjiktórenieprzerwie")));
    EXPECT_EQ(lines.last(), QStringLiteral("koniec"));
    EXPECT_EQ(e.BreakLines(QStringLiteral("a\r\nb\rc\n\n"), 5), (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
}

TEST(PrintEngine, WriteWrappedAdvancesBelowTheLastLine)
{
    TMWPrintObject e;
    e.setOutputMode(TMWPrintObject::omRecordOnly);
    e.setShowProgress(false);
    e.SetMeasurement(mtMM);
    ASSERT_TRUE(e.BeginDocument());
    const double line = e.LineHeight();
    e.WriteWrapped(QStringLiteral("one\ntwo\nthree"), false, false, 10, 100, 10);
    EXPECT_NEAR(e.GetY(), 10 + 3 * line, 1e-6);
    e.WriteWrapped(QStringLiteral("kept"), true, false, 50, 100, 10);
    EXPECT_NEAR(e.GetY(), 10 + 3 * line, 1e-6);
    e.EndDocument();
    EXPECT_EQ(e.Dump().filter(QStringLiteral("text ")).size(), 4);
}

TEST(PrintEngine, TextLandsMeasuredFromThePaperCorner)
{
    TMWPrintObject e;
    e.setOutputMode(TMWPrintObject::omRecordOnly);
    e.setShowProgress(false);
    e.setPaperSize(PAPER_A4);
    e.SetMeasurement(mtMM);
    e.setTransparent(true);
    ASSERT_TRUE(e.BeginDocument());
    e.SetFont(TMWFontInfo{QStringLiteral("Arial"), 20, 0, Qt::black});
    e.WriteText(QStringLiteral("X"), 0, 20);
    e.NewPage();
    e.WriteText(QStringLiteral("X"), 10, 20);
    e.EndDocument();

    // A printer whose first printable line is 4 mm below the edge, at 300 dpi.
    const double dpi = 300;
    TDeviceMetrics printer;
    printer.dpiX = printer.dpiY = dpi;
    printer.physWidth = 8.3 * dpi;
    printer.physHeight = 11.7 * dpi;
    printer.offsetTop = 4 / 25.4 * dpi;
    QImage image(int(printer.physWidth), int(printer.physHeight), QImage::Format_RGB32);
    image.setDotsPerMeterX(int(dpi / 0.0254));
    image.setDotsPerMeterY(int(dpi / 0.0254));
    image.fill(Qt::white);
    {
        QPainter p(&image);
        e.RenderPage(p, 0, printer, 1.0);
    }
    const auto [top0, bottom0] = darkRows(image);
    ASSERT_GE(top0, 0);
    EXPECT_GE(top0, int(printer.offsetTop));

    image.fill(Qt::white);
    {
        QPainter p(&image);
        e.RenderPage(p, 1, printer, 1.0);
    }
    const auto [top1, bottom1] = darkRows(image);
    const int ten = int(10 / 25.4 * dpi);
    EXPECT_GE(top1, ten);
    EXPECT_LE(top1, ten + int(0.3 * 20 / 72 * dpi)); // the glyph starts within its cell's top part
    (void)bottom0;
    (void)bottom1;
}

TEST(PrintEngine, LineWidthFactorAndMillimetrePens)
{
    TMWPrintObject e;
    e.setOutputMode(TMWPrintObject::omRecordOnly);
    e.setShowProgress(false);
    e.setPaperSize(PAPER_A4);
    e.SetMeasurement(mtMM);
    e.setLineWidthFactor(0);
    ASSERT_TRUE(e.BeginDocument());
    e.DrawLine(5, false, 50, 150, 50, 20);
    e.NewPage();
    e.DrawLine(5, true, 50, 150, 50, 20);
    e.EndDocument();
    const QImage thin = e.RenderPageImage(0, 1.0, 96);
    const QImage wide = e.RenderPageImage(1, 1.0, 96);
    const auto [t0, t1] = darkRows(thin);
    const auto [w0, w1] = darkRows(wide);
    EXPECT_LE(t1 - t0 + 1, 2);
    EXPECT_NEAR(w1 - w0 + 1, 5 / 25.4 * 96, 2);
}

TEST(PrintEngine, CancelWhileRecordingShowsNothing)
{
    TFakeUi ui;
    TUiGuard guard(&ui);
    TMWPrintObject e;
    e.setPreview(true);
    e.setShowProgress(false);
    ASSERT_TRUE(e.BeginDocument());
    e.WriteText(QStringLiteral("a"), 10, 10);
    e.Cancel();
    e.WriteText(QStringLiteral("b"), 20, 10);
    e.EndDocument();
    EXPECT_EQ(ui.previews, 0);
    EXPECT_EQ(e.Dump().filter(QStringLiteral("\"b\"")).size(), 0);

    ASSERT_TRUE(e.BeginDocument());
    e.EndDocument();
    EXPECT_EQ(ui.previews, 1);
}

TEST(PrintEngine, PageRangePrintsTheChosenPages)
{
    TFakeUi ui;
    ui.first = 2;
    ui.last = 3;
    TUiGuard guard(&ui);
    TTestDir dir;
    TMWPrintObject e;
    e.setPreview(false);
    e.setShowProgress(false);
    e.setShowPrintDialog(true);
    e.setPrinterName(PdfPrinterName());
    e.setPdfFileName(dir.file(QStringLiteral("out.pdf")));
    ASSERT_TRUE(e.BeginDocument());
    e.WriteText(QStringLiteral("1"), 1, 1);
    e.NewPage();
    e.WriteText(QStringLiteral("2"), 1, 1);
    e.NewPage();
    e.WriteText(QStringLiteral("3"), 1, 1);
    e.EndDocument();
    QFile f(dir.file(QStringLiteral("out.pdf")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString pdf = QString::fromLatin1(f.readAll());
    EXPECT_EQ(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 2);

    // Refusing the range prints nothing.
    ui.acceptRange = false;
    e.setPdfFileName(dir.file(QStringLiteral("none.pdf")));
    ASSERT_TRUE(e.BeginDocument());
    e.EndDocument();
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("none.pdf"))));
}

TEST(PrintEngine, CancelWhilePrintingStopsAfterTheCurrentPage)
{
    TFakeUi ui;
    TUiGuard guard(&ui);
    TTestDir dir;
    TMWPrintObject e;
    ui.cancelOnProgress = &e;
    e.setPreview(false);
    e.setShowProgress(true);
    e.setShowPrintDialog(false);
    e.setPrinterName(PdfPrinterName());
    e.setPdfFileName(dir.file(QStringLiteral("out.pdf")));
    ASSERT_TRUE(e.BeginDocument());
    for (int i = 1; i <= 3; ++i) {
        if (i > 1)
            e.NewPage();
        e.WriteText(QString::number(i), 1, 1);
    }
    e.EndDocument();
    QFile f(dir.file(QStringLiteral("out.pdf")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(f.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 1);
}

} // namespace
