#pragma once
// The page engine under the print-script runner. Every drawing call is recorded as a
// device-independent command on the current page (positions in inches from the paper's
// top-left corner); the recorded pages are replayed on whatever surface shows them: the
// preview image, a printer or a PDF file. Recording first is what lets the preview print
// exactly what it shows and lets the page count be known before printing starts.

#include "printing/papersizes.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPainter;
class QPagedPaintDevice;
class TMWPrintObject;

enum TMeasurement { mtInches, mtMM, mtPixels };
enum TStartPercent { P2_Sixty, P3_Seventy, P4_Eighty, P5_Ninety, P6_Full };
enum TMWOrientation { poPortrait, poLandscape };

// Font style bits as the scripts write them (B, I, U, S).
enum TMWFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

struct TMWFontInfo
{
    QString name = QStringLiteral("MS SANS SERIF");
    double size = 8;
    int style = 0;
    QColor color = Qt::black;
    bool operator==(const TMWFontInfo &o) const
    {
        return name == o.name && size == o.size && style == o.style && color == o.color;
    }
};

// Command codes of the recorded page format.
enum TMWCommandCode {
    cmdLine = 0,
    cmdNextLine = 1,
    cmdNewPage = 2,
    cmdGraphic = 3,
    cmdPageNumberLine = 4,
    cmdDetail = 5,
    cmdFont = 6,
    cmdFooterDim = 7,
    cmdFooterInf = 8,
    cmdHeaderDim = 10,
    cmdHeaderInf = 11,
    cmdLineWidth = 12,
    cmdMargins = 13,
    cmdOrient = 14,
    cmdPageNumber = 15,
    cmdTab = 16,
    cmdTopOfPage = 17,
    cmdSetY = 18,
    cmdText = 19,
    cmdColumn = 20,
    cmdAutoPagingOn = 25,
    cmdAutoPagingOff = 26,
    cmdPushY = 27,
    cmdPopY = 28,
    cmdFColor = 29,
    cmdBColor = 30,
    cmdPColor = 31,
    cmdMoveTo = 32,
    cmdLineTo = 33,
    cmdEllipse = 34,
    cmdBrushStyle = 35,
    cmdFloodFill = 36,
    cmdFillRect = 37,
    cmdFrameRect = 38,
    cmdArc = 39,
    cmdPie = 40,
    cmdPolyLine = 41,
    cmdPolygon = 42,
    cmdMeasure = 43,
    cmdPStyle = 44,
    cmdPMode = 45,
    cmdFontAngle = 46,
    cmdColRight = 47,
    cmdWriteRight = 48,
    cmdRoundFrameRect = 49
};

// One recorded command. Positions are inches from the paper's top-left corner; which of
// the fields a command uses depends on its code (see TMWPrintObject::describe).
struct TMWPrintCommand
{
    int code = cmdNextLine;
    QString text;
    double v[6] = {0, 0, 0, 0, 0, 0};
    int i1 = 0;
    bool flag = false;
    QColor color; // fill colour of texts (invalid = transparent), pen/brush/font colours
    TMWFontInfo font;
    QImage image;
};

using TMWPageList = std::vector<TMWPrintCommand>;

struct TMWPages
{
    std::vector<TMWPageList> pages;
    int firstPage = 1;
    int lastPage = 0;
};

// What a surface offers: resolution and the unprintable strips, in device pixels.
struct TDeviceMetrics
{
    double dpiX = 96;
    double dpiY = 96;
    double physWidth = 0;
    double physHeight = 0;
    double offsetLeft = 0;
    double offsetTop = 0;
    double stripRight = 0;
    double stripBottom = 0;
};

// Windows the engine needs (preview, progress, page range, printer set-up); the window
// library implements it. Without one the engine records and prints without asking.
class TPrintUi
{
public:
    virtual ~TPrintUi() = default;
    virtual void showPreview(TMWPrintObject &engine) = 0;
    // False when cancelled.
    virtual bool askPageRange(TMWPrintObject &engine, int &first, int &last) = 0;
    virtual void showProgress(TMWPrintObject &engine, const QString &caption, bool cancelButton) = 0;
    virtual void setProgress(int position) = 0;
    virtual void hideProgress() = 0;
    // False when cancelled; printerName is the choice.
    virtual bool setupPrinter(QString &printerName) = 0;
};
void SetPrintUi(TPrintUi *ui);
TPrintUi *PrintUi();

class TMWPrintObject : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool AutomaticPaging MEMBER m_automaticPaging)
    Q_PROPERTY(QString Title MEMBER m_title)
    Q_PROPERTY(bool Preview MEMBER m_preview)
    Q_PROPERTY(bool ShowProgress MEMBER m_showProgress)
    Q_PROPERTY(bool ShowPrintDialog MEMBER m_showPrintDialog)
    Q_PROPERTY(bool ShowTotalPages MEMBER m_showTotalPages)
    Q_PROPERTY(bool PrintPageNumbers MEMBER m_printPageNumbers)
    Q_PROPERTY(int ProgressBarMax MEMBER m_progressBarMax)
    Q_PROPERTY(int ProgressBarInc MEMBER m_progressBarInc)
    Q_PROPERTY(bool Transparent MEMBER m_transparent)
    Q_PROPERTY(bool ShowCancelBtn MEMBER m_showCancelBtn)
    Q_PROPERTY(QString Version READ version CONSTANT)
    Q_PROPERTY(bool AutoPageFeed MEMBER m_autoPageFeed)
    Q_PROPERTY(int LineWidthFactor MEMBER m_lineWidthFactor)

public:
    // Where a closed document goes.
    enum TOutputMode {
        omDevice,    // preview window or the current printer, as Preview says
        omRecordOnly // nothing: the recording stays for the caller (tests, dumps)
    };

    explicit TMWPrintObject(QObject *parent = nullptr);
    ~TMWPrintObject() override;

    QString version() const { return QStringLiteral("Version 3.2"); }

    // ---- properties used from code ----
    bool automaticPaging() const { return m_automaticPaging; }
    void setAutomaticPaging(bool on) { m_automaticPaging = on; }
    QString title() const { return m_title; }
    void setTitle(const QString &title) { m_title = title; }
    bool preview() const { return m_preview; }
    void setPreview(bool on) { m_preview = on; }
    bool showProgress() const { return m_showProgress; }
    void setShowProgress(bool on) { m_showProgress = on; }
    bool showPrintDialog() const { return m_showPrintDialog; }
    void setShowPrintDialog(bool on) { m_showPrintDialog = on; }
    bool transparent() const { return m_transparent; }
    void setTransparent(bool on) { m_transparent = on; }
    TStartPercent startPercent() const { return m_startPercent; }
    void setStartPercent(TStartPercent p) { m_startPercent = p; }
    TPaperSize paperSize() const { return m_paperSize; }
    void setPaperSize(TPaperSize paper) { m_paperSize = paper; }
    TMWOrientation orientation() const { return m_orientation; }
    void setOrientation(TMWOrientation o) { m_orientation = o; }
    bool showCancelBtn() const { return m_showCancelBtn; }
    void setShowCancelBtn(bool on) { m_showCancelBtn = on; }
    TMeasurement measurement() const { return m_measurement; }
    bool autoPageFeed() const { return m_autoPageFeed; }
    void setAutoPageFeed(bool on) { m_autoPageFeed = on; }
    int lineWidthFactor() const { return m_lineWidthFactor; }
    void setLineWidthFactor(int f) { m_lineWidthFactor = f; }
    int copies() const { return m_copies; }
    void setCopies(int copies) { m_copies = copies < 1 ? 1 : copies; }

    TOutputMode outputMode() const { return m_outputMode; }
    void setOutputMode(TOutputMode mode) { m_outputMode = mode; }
    // The printer documents go to ("PDF file" writes PdfFileName, asking for one when empty).
    QString printerName() const { return m_printerName; }
    void setPrinterName(const QString &name) { m_printerName = name; }
    QString pdfFileName() const { return m_pdfFileName; }
    void setPdfFileName(const QString &file) { m_pdfFileName = file; }

    // ---- document life cycle ----
    bool BeginDocument();
    void EndDocument();
    void NewPage();
    // Cancels the open document: further drawing is ignored, nothing is shown or printed
    // when it was still recording, printing stops after the current page.
    void Cancel();
    bool documentOpen() const { return m_open; }
    bool recording() const { return m_recording; }
    bool cancelled() const { return m_cancelled; }
    // Recording stops making pages at this count (further drawing lands on the last page).
    void setPageLimit(int pages) { m_pageLimit = pages; }
    bool pageLimitReached() const { return m_pageLimitReached; }

    // ---- units and metrics ----
    void SetMeasurement(TMeasurement unit);
    void SetY(double y);
    double GetY() const;
    void SetDetailArea(double bottom, double top);
    double LineHeight();
    int LinesPerPage();
    QSizeF PrintableSize() const; // device pixels
    double PageWidth() const;
    double PageHeight() const;
    double RightStrip() const;
    double BottomStrip() const;
    int ToDeviceX(double value) const;
    int ToDeviceY(double value) const;
    double DeviceToUnitX(double pixels) const;
    double DeviceToUnitY(double pixels) const;
    double TextWidth(const QString &text); // current unit
    double TextWidthInches(const QString &text);
    double toInches(double value, bool vertical) const;
    double fromInches(double inches, bool vertical) const;
    const TDeviceMetrics &metrics() const { return m_metrics; }
    double zoom() const { return m_zoom; }
    void SetZoom(double scale);

    // ---- text ----
    void WriteText(const QString &text, double y, double x);
    void WriteRight(const QString &text, double y, double x);
    void WriteCentered(const QString &text, double y, double x);
    void WriteWrapped(const QString &text, bool keepPosition, bool pageBreak, double y, double right, double left);
    void NextLine();
    // Breaks a text into lines no wider than width inches (used by WriteWrapped).
    QStringList BreakLines(const QString &text, double widthInches);

    // ---- shapes and pictures ----
    void DrawLine(int penWidth, bool inMM, double y2, double x2, double y1, double x1);
    void DrawRect(int penWidth, bool inMM, double bottom, double right, double top, double left);
    void DrawRoundRect(int penWidth, bool inMM, double radius, double bottom, double right, double top, double left);
    void FillBox(int frameWidth, const QColor &fill, double bottom, double right, double top, double left);
    // FillBox whose frame width may be in whole millimetres.
    void FillBoxWithPen(int frameWidth, bool inMM, const QColor &fill, double bottom, double right, double top,
                        double left);
    void FillRoundBox(int frameWidth, const QColor &fill, bool inMM, double radius, double bottom, double right,
                      double top, double left);
    // Width or height -1: natural size; x or y -1: centred on the page.
    void DrawPicture(const QImage &picture, double height, double width, double y, double x);

    // ---- font and colours ----
    void SetFont(const TMWFontInfo &font);
    void SetFontName(const QString &name);
    void SetFontSize(double size);
    void SetFontStyle(int style);
    void SetFontColor(const QColor &color);
    const TMWFontInfo &font() const { return m_font; }
    void SetPenColor(const QColor &color);
    void SetFillColor(const QColor &color);
    QColor penColor() const { return m_penColor; }
    QColor fillColor() const { return m_fillColor; }
    void SetFontAngle(int degrees);
    int fontAngle() const { return m_fontAngle; }
    void PushFont();
    void PopFont();

    // ---- recorded document ----
    // The pages of the last document; kept after EndDocument until the next BeginDocument.
    const TMWPages &pages() const { return m_pages; }
    int totalPages() const { return int(m_pages.pages.size()); }
    QSizeF paperInches() const; // orientation applied
    // Draws a recorded page (0-based) on a painter whose device has the given metrics.
    void RenderPage(QPainter &painter, int pageIndex, const TDeviceMetrics &surface, double zoom);
    // The page as a white image at the screen resolution times the zoom.
    QImage RenderPageImage(int pageIndex, double zoom, double screenDpi = 96);
    // Replays the pages first..last (1-based) on a paged device; true unless cancelled.
    bool PrintTo(QPagedPaintDevice &device, const TDeviceMetrics &surface, int first, int last);
    // Writes every recorded page to a PDF file.
    bool WritePdf(const QString &fileName);
    // Prints the recorded pages on the current printer (page-range dialog when asked).
    bool PrintRecorded();
    // One line per recorded command (the dump form of papyra-cli print --dump).
    QStringList Dump() const;
    static QString describe(const TMWPrintCommand &command);

    // Notifications.
    std::function<void(TMWPrintObject &)> OnNewPage, AfterNewPage, OnCancel, BeforePrint, AfterPrint, OnLastPage,
        OnFirstPage, PrintDone;

private:
    void record(TMWPrintCommand command);
    // A command over two points given in the current unit.
    TMWPrintCommand boxCommand(int code, double x1, double y1, double x2, double y2) const;
    void recordFontIfChanged();
    void measureRecordingSurface();
    const QFontMetricsF &fontMetrics();
    double lineHeightInches();
    double penWidthInches(int penWidth, bool inMM) const;
    void replay(QPainter &painter, const TMWPrintCommand &c, struct TReplayState &state);

    bool m_automaticPaging = false;
    QString m_title;
    bool m_preview = false;
    bool m_showProgress = true;
    bool m_showPrintDialog = true;
    bool m_showTotalPages = true;
    bool m_printPageNumbers = false;
    int m_progressBarMax = 100;
    int m_progressBarInc = 1;
    bool m_transparent = false;
    TStartPercent m_startPercent = P6_Full;
    TPaperSize m_paperSize = PAPER_LETTER;
    TMWOrientation m_orientation = poPortrait;
    bool m_showCancelBtn = false;
    TMeasurement m_measurement = mtInches;
    bool m_autoPageFeed = true;
    int m_lineWidthFactor = 1;
    int m_copies = 1;
    TOutputMode m_outputMode = omDevice;
    QString m_printerName;
    QString m_pdfFileName;

    bool m_open = false;
    bool m_recording = false;
    bool m_cancelled = false;
    int m_pageLimit = 100000;
    bool m_pageLimitReached = false;
    TDeviceMetrics m_metrics;
    double m_zoom = 1.0;
    double m_y = 0; // inches
    double m_x = 0;
    double m_detailTop = 0;
    double m_detailBottom = 0;
    int m_fontAngle = 0;
    TMWFontInfo m_font;
    std::optional<TMWFontInfo> m_recordedFont;
    std::vector<TMWFontInfo> m_fontStack;
    std::vector<double> m_yStack;
    QColor m_penColor = Qt::black;
    QColor m_fillColor = Qt::white;
    TMWPages m_pages;
    std::unique_ptr<QFontMetricsF> m_metricsCache;
    TMWFontInfo m_metricsFont;
};
