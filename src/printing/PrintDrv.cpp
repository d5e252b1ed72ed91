#include "printing/PrintDrv.h"

#include "common/dialogs.h"
#include "printing/printers.h"
#include "printing/printfonts.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

namespace {

TPrintUi *g_printUi = nullptr;

// Text is measured on a fine reference surface so that widths do not depend on the
// resolution of whatever shows the page.
constexpr double kMeasureDpi = 1200.0;
// The recording surface is the preview page at zoom 1.
constexpr double kScreenDpi = 96.0;
constexpr int kStackLimit = 10;

const QPaintDevice *measureDevice()
{
    static QImage image = [] {
        QImage img(4, 4, QImage::Format_RGB32);
        const int dpm = int(std::lround(kMeasureDpi / 0.0254));
        img.setDotsPerMeterX(dpm);
        img.setDotsPerMeterY(dpm);
        return img;
    }();
    return &image;
}

QString mm(double inches)
{
    return QString::number(inches * 25.4, 'f', 2);
}

QString colorText(const QColor &c)
{
    return c.isValid() ? c.name(QColor::HexRgb) : QStringLiteral("none");
}

QString styleText(int style)
{
    QString s;
    if (style & fsBold)
        s += QLatin1Char('B');
    if (style & fsItalic)
        s += QLatin1Char('I');
    if (style & fsUnderline)
        s += QLatin1Char('U');
    if (style & fsStrikeOut)
        s += QLatin1Char('S');
    return s.isEmpty() ? QStringLiteral("-") : s;
}

QString penText(int width, bool inMM)
{
    return QString::number(width) + (inMM ? QStringLiteral("mm") : QString());
}

} // namespace

struct TReplayState
{
    const TDeviceMetrics *surface = nullptr;
    double zoom = 1;
    TMWFontInfo font;
    int angle = 0;
    QColor pen = Qt::black;
    QColor fill = Qt::white;
    int lineWidthFactor = 1;
};

void SetPrintUi(TPrintUi *ui)
{
    g_printUi = ui;
}

TPrintUi *PrintUi()
{
    return g_printUi;
}

TMWPrintObject::TMWPrintObject(QObject *parent) : QObject(parent)
{
    InstallFormFontSubstitutions();
    measureRecordingSurface();
}

TMWPrintObject::~TMWPrintObject() = default;

// ---------------------------------------------------------------- life cycle

bool TMWPrintObject::BeginDocument()
{
    if (AvailablePrinters().isEmpty()) {
        ShowBox(bkError, QStringLiteral("There are no printers installed."));
        return false;
    }
    m_open = true;
    m_cancelled = false;
    m_pageLimitReached = false;
    m_pages = TMWPages();
    m_pages.pages.emplace_back();
    m_zoom = 1.0;
    m_recording = true;
    measureRecordingSurface();
    m_recordedFont.reset();
    m_fontStack.clear();
    m_yStack.clear();
    m_fontAngle = 0;
    m_x = 0;
    m_y = 0;
    m_detailTop = 0;
    m_detailBottom = (m_metrics.physHeight - m_metrics.offsetTop - m_metrics.stripBottom) / m_metrics.dpiY;
    if (m_showProgress && g_printUi)
        g_printUi->showProgress(*this, QStringLiteral("Przygotowuję wydruk......."), m_showCancelBtn);
    return true;
}

void TMWPrintObject::NewPage()
{
    if (!m_open)
        return;
    if (m_recording && totalPages() >= m_pageLimit) {
        m_pageLimitReached = true;
        return;
    }
    PushFont();
    if (OnNewPage)
        OnNewPage(*this);
    if (m_recording) {
        m_pages.pages.emplace_back();
        m_recordedFont.reset();
        // Every page replays on its own, so it starts with the colours in force.
        if (m_penColor != QColor(Qt::black)) {
            TMWPrintCommand c;
            c.code = cmdPColor;
            c.color = m_penColor;
            record(c);
        }
        if (m_fillColor != QColor(Qt::white)) {
            TMWPrintCommand c;
            c.code = cmdBColor;
            c.color = m_fillColor;
            record(c);
        }
        if (m_fontAngle != 0) {
            TMWPrintCommand c;
            c.code = cmdFontAngle;
            c.i1 = m_fontAngle;
            record(c);
        }
    }
    m_y = m_detailTop;
    m_x = 0;
    if (AfterNewPage)
        AfterNewPage(*this);
    PopFont();
}

void TMWPrintObject::Cancel()
{
    if (!m_open)
        return;
    const bool wasRecording = m_recording;
    m_cancelled = true;
    m_open = false;
    if (wasRecording && OnCancel)
        OnCancel(*this);
}

void TMWPrintObject::EndDocument()
{
    const bool cancelled = m_cancelled;
    if (m_open && OnNewPage)
        OnNewPage(*this);
    m_recording = false;
    if (m_showProgress && g_printUi)
        g_printUi->hideProgress();
    m_pages.firstPage = 1;
    m_pages.lastPage = totalPages();
    if (!cancelled && m_open && m_outputMode == omDevice) {
        const bool autoPaging = m_automaticPaging;
        const int angle = m_fontAngle;
        const TMeasurement unit = m_measurement;
        m_automaticPaging = false;
        m_fontAngle = 0;
        m_measurement = mtInches;
        if (m_preview) {
            if (g_printUi)
                g_printUi->showPreview(*this);
        } else {
            // A refused page range or file name is the user's choice, not an error.
            PrintRecorded();
        }
        m_automaticPaging = autoPaging;
        m_fontAngle = angle;
        m_measurement = unit;
    }
    m_open = false;
    if (PrintDone)
        PrintDone(*this);
}

// ---------------------------------------------------------------- units

void TMWPrintObject::measureRecordingSurface()
{
    const QSizeF paper = paperInches();
    m_metrics = TDeviceMetrics();
    m_metrics.dpiX = kScreenDpi;
    m_metrics.dpiY = kScreenDpi;
    m_metrics.physWidth = paper.width() * kScreenDpi;
    m_metrics.physHeight = paper.height() * kScreenDpi;
}

QSizeF TMWPrintObject::paperInches() const
{
    const TPaperInfo &p = PaperInfo(m_paperSize);
    double w = p.width;
    double h = p.height;
    if (w <= 0 || h <= 0) {
        const TPaperInfo &a4 = PaperInfo(PAPER_A4);
        w = a4.width;
        h = a4.height;
    }
    return m_orientation == poLandscape ? QSizeF(h, w) : QSizeF(w, h);
}

void TMWPrintObject::SetMeasurement(TMeasurement unit)
{
    m_measurement = unit;
}

double TMWPrintObject::toInches(double value, bool vertical) const
{
    switch (m_measurement) {
    case mtMM:
        return value / 25.4;
    case mtPixels:
        return value / (vertical ? m_metrics.dpiY : m_metrics.dpiX);
    case mtInches:
        break;
    }
    return value;
}

double TMWPrintObject::fromInches(double inches, bool vertical) const
{
    switch (m_measurement) {
    case mtMM:
        return inches * 25.4;
    case mtPixels:
        return inches * (vertical ? m_metrics.dpiY : m_metrics.dpiX);
    case mtInches:
        break;
    }
    return inches;
}

int TMWPrintObject::ToDeviceX(double value) const
{
    return int(std::lround(m_metrics.dpiX * toInches(value, false) * m_zoom));
}

int TMWPrintObject::ToDeviceY(double value) const
{
    return int(m_metrics.dpiY * toInches(value, true) * m_zoom);
}

double TMWPrintObject::DeviceToUnitX(double pixels) const
{
    const double in = pixels / m_metrics.dpiX;
    return m_measurement == mtMM ? in * 25.4 : (m_measurement == mtPixels ? pixels : in);
}

double TMWPrintObject::DeviceToUnitY(double pixels) const
{
    const double in = pixels / m_metrics.dpiY;
    return m_measurement == mtMM ? in * 25.4 : (m_measurement == mtPixels ? pixels : in);
}

void TMWPrintObject::SetY(double y)
{
    // Texts carry their own positions, so a position change needs no command of its own.
    if (y >= 0)
        m_y = toInches(y, true);
}

double TMWPrintObject::GetY() const
{
    return fromInches(m_y, true);
}

void TMWPrintObject::SetDetailArea(double bottom, double top)
{
    m_detailTop = toInches(top, true);
    m_detailBottom = toInches(bottom, true);
    m_y = m_detailTop - lineHeightInches();
}

const QFontMetricsF &TMWPrintObject::fontMetrics()
{
    if (!m_metricsCache || !(m_metricsFont == m_font)) {
        m_metricsCache = std::make_unique<QFontMetricsF>(MakeFormFont(m_font), measureDevice());
        m_metricsFont = m_font;
    }
    return *m_metricsCache;
}

double TMWPrintObject::lineHeightInches()
{
    return fontMetrics().height() / kMeasureDpi;
}

double TMWPrintObject::LineHeight()
{
    return fromInches(lineHeightInches(), true);
}

int TMWPrintObject::LinesPerPage()
{
    const int line = int(lineHeightInches() * m_metrics.dpiY);
    if (line <= 0)
        return 0;
    return int(PrintableSize().height()) / line;
}

QSizeF TMWPrintObject::PrintableSize() const
{
    return QSizeF(m_metrics.physWidth - m_metrics.offsetLeft - m_metrics.stripRight,
                  m_metrics.physHeight - m_metrics.offsetTop - m_metrics.stripBottom);
}

double TMWPrintObject::PageWidth() const
{
    return DeviceToUnitX(m_metrics.physWidth);
}

double TMWPrintObject::PageHeight() const
{
    return DeviceToUnitY(m_metrics.physHeight);
}

double TMWPrintObject::RightStrip() const
{
    return DeviceToUnitX(m_metrics.stripRight);
}

double TMWPrintObject::BottomStrip() const
{
    return DeviceToUnitY(m_metrics.stripBottom);
}

double TMWPrintObject::TextWidthInches(const QString &text)
{
    return fontMetrics().horizontalAdvance(text) / kMeasureDpi;
}

double TMWPrintObject::TextWidth(const QString &text)
{
    return fromInches(TextWidthInches(text), false);
}

void TMWPrintObject::SetZoom(double scale)
{
    m_zoom = scale > 0 ? scale : 1.0;
}

// ---------------------------------------------------------------- recording

void TMWPrintObject::record(TMWPrintCommand command)
{
    if (m_pages.pages.empty())
        m_pages.pages.emplace_back();
    m_pages.pages.back().push_back(std::move(command));
}

void TMWPrintObject::recordFontIfChanged()
{
    if (m_recordedFont && *m_recordedFont == m_font)
        return;
    TMWPrintCommand c;
    c.code = cmdFont;
    c.font = m_font;
    record(c);
    m_recordedFont = m_font;
}

// ---------------------------------------------------------------- text

void TMWPrintObject::WriteText(const QString &text, double y, double x)
{
    if (!m_open)
        return;
    double xin = 0;
    if (x >= 0)
        xin = toInches(x, false);
    else if (x == -1)
        xin = m_x;
    if (y >= 0) {
        m_y = toInches(y, true);
    } else if (y == -1) {
        NextLine();
        if (!m_open)
            return;
    } else if (y == -2 && m_automaticPaging && m_recording && m_y > m_detailBottom) {
        NewPage();
    }
    if (m_fontAngle == 0)
        m_x = xin + TextWidthInches(text);
    if (!m_recording)
        return;
    recordFontIfChanged();
    TMWPrintCommand c;
    c.code = cmdText;
    c.text = text;
    c.v[0] = xin;
    c.v[1] = m_y;
    c.color = m_transparent ? QColor() : m_fillColor;
    record(c);
}

void TMWPrintObject::WriteRight(const QString &text, double y, double x)
{
    WriteText(text, y, fromInches(toInches(x, false) - TextWidthInches(text), false));
}

void TMWPrintObject::WriteCentered(const QString &text, double y, double x)
{
    WriteText(text, y, fromInches(toInches(x, false) - TextWidthInches(text) / 2, false));
}

void TMWPrintObject::NextLine()
{
    if (!m_open)
        return;
    const double line = lineHeightInches();
    m_y += line;
    m_x = 0;
    if (m_recording && m_automaticPaging && m_detailBottom < m_y + line)
        NewPage();
}

QStringList TMWPrintObject::BreakLines(const QString &source, double widthInches)
{
    QString text = source;
    text.replace(QLatin1Char('\t'), QStringLiteral("  "));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);

    const QFontMetricsF &fm = fontMetrics();
    const double limit = widthInches * kMeasureDpi;
    QStringList lines;
    qsizetype start = 0;
    qsizetype lastBreak = -1;
    double width = 0; // of text[start, i)
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch == QLatin1Char('\n')) {
            lines.append(text.mid(start, i - start));
            start = i + 1;
            lastBreak = -1;
            width = 0;
            continue;
        }
        width += fm.horizontalAdvance(ch);
        if (width > limit && lastBreak >= start) {
            lines.append(text.mid(start, lastBreak - start));
            start = lastBreak + 1;
            lastBreak = -1;
            width = fm.horizontalAdvance(text.mid(start, i + 1 - start));
        }
        if (ch == QLatin1Char(' '))
            lastBreak = i;
    }
    lines.append(text.mid(start));
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

void TMWPrintObject::WriteWrapped(const QString &text, bool keepPosition, bool pageBreak, double y, double right,
                                  double left)
{
    if (!m_open)
        return;
    const QStringList lines = BreakLines(text, toInches(right, false) - toInches(left, false));
    if (keepPosition && int(m_yStack.size()) < kStackLimit)
        m_yStack.push_back(m_y);
    if (y == -1)
        NextLine();
    else if (y != -2)
        m_y = toInches(y, true);
    const double line = lineHeightInches();
    if (pageBreak && line > 0) {
        const int room = int((m_detailBottom - m_y) / line);
        if (room < lines.size())
            NewPage();
    }
    for (const QString &l : lines) {
        if (!m_open)
            return;
        WriteText(l, -2, left);
        NextLine();
    }
    if (keepPosition && !m_yStack.empty()) {
        m_y = m_yStack.back();
        m_yStack.pop_back();
    }
}

// ---------------------------------------------------------------- shapes

TMWPrintCommand TMWPrintObject::boxCommand(int code, double x1, double y1, double x2, double y2) const
{
    TMWPrintCommand c;
    c.code = code;
    c.v[0] = toInches(x1, false);
    c.v[1] = toInches(y1, true);
    c.v[2] = toInches(x2, false);
    c.v[3] = toInches(y2, true);
    return c;
}

void TMWPrintObject::DrawLine(int penWidth, bool inMM, double y2, double x2, double y1, double x1)
{
    if (!m_open || !m_recording)
        return;
    TMWPrintCommand c = boxCommand(cmdLine, x1, y1, x2, y2);
    c.i1 = penWidth;
    c.flag = inMM;
    record(c);
}

void TMWPrintObject::DrawRect(int penWidth, bool inMM, double bottom, double right, double top, double left)
{
    if (!m_open || penWidth == 0)
        return;
    DrawLine(penWidth, inMM, top, right, top, left);
    DrawLine(penWidth, inMM, bottom, right, top, right);
    DrawLine(penWidth, inMM, bottom, left, bottom, right);
    DrawLine(penWidth, inMM, top, left, bottom, left);
}

void TMWPrintObject::DrawRoundRect(int penWidth, bool inMM, double radius, double bottom, double right, double top,
                                   double left)
{
    if (!m_open || !m_recording)
        return;
    TMWPrintCommand c = boxCommand(cmdRoundFrameRect, left, top, right, bottom);
    c.i1 = penWidth;
    c.flag = inMM;
    c.v[4] = toInches(radius, false);
    record(c);
}

void TMWPrintObject::FillBox(int frameWidth, const QColor &fill, double bottom, double right, double top, double left)
{
    FillBoxWithPen(frameWidth, false, fill, bottom, right, top, left);
}

void TMWPrintObject::FillBoxWithPen(int frameWidth, bool inMM, const QColor &fill, double bottom, double right,
                                    double top, double left)
{
    if (!m_open || !m_recording)
        return;
    const QColor oldFill = m_fillColor;
    const QColor oldPen = m_penColor;
    SetFillColor(fill);
    record(boxCommand(cmdFillRect, left, top, right, bottom));
    if (frameWidth != 0) {
        SetPenColor(Qt::black);
        DrawRect(frameWidth, inMM, bottom, right, top, left);
    }
    SetFillColor(oldFill);
    SetPenColor(oldPen);
}

void TMWPrintObject::FillRoundBox(int frameWidth, const QColor &fill, bool inMM, double radius, double bottom,
                                  double right, double top, double left)
{
    if (!m_open || !m_recording)
        return;
    const QColor oldFill = m_fillColor;
    const QColor oldPen = m_penColor;
    SetFillColor(fill);
    if (frameWidth == 0)
        SetPenColor(fill);
    // The rounded rectangle is drawn filled, which leaves nothing for a flood fill to do.
    DrawRoundRect(frameWidth == 0 ? 1 : frameWidth, inMM, radius, bottom, right, top, left);
    SetFillColor(oldFill);
    SetPenColor(oldPen);
}

void TMWPrintObject::DrawPicture(const QImage &picture, double height, double width, double y, double x)
{
    if (!m_open || !m_recording)
        return;
    if (picture.isNull())
        return;
    const QSizeF paper = paperInches();
    const double w = width == -1 ? picture.width() / kScreenDpi : toInches(width, false);
    const double h = height == -1 ? picture.height() / kScreenDpi : toInches(height, true);
    TMWPrintCommand c;
    c.code = cmdGraphic;
    c.v[0] = x == -1 ? (paper.width() - w) / 2 : toInches(x, false);
    c.v[1] = y == -1 ? (paper.height() - h) / 2 : toInches(y, true);
    c.v[2] = w;
    c.v[3] = h;
    c.image = picture.copy();
    if (c.image.isNull()) {
        ShowBox(bkError, QStringLiteral("Error in TMWGrphic: ") + QStringLiteral("Not enough memory for graphic."));
        return;
    }
    record(c);
}

// ---------------------------------------------------------------- font and colours

void TMWPrintObject::SetFont(const TMWFontInfo &font)
{
    m_font = font;
}

void TMWPrintObject::SetFontName(const QString &name)
{
    m_font.name = name;
}

void TMWPrintObject::SetFontSize(double size)
{
    m_font.size = size;
}

void TMWPrintObject::SetFontStyle(int style)
{
    m_font.style = style;
}

void TMWPrintObject::SetFontColor(const QColor &color)
{
    m_font.color = color;
}

void TMWPrintObject::SetPenColor(const QColor &color)
{
    if (m_penColor == color)
        return;
    m_penColor = color;
    if (m_open && m_recording) {
        TMWPrintCommand c;
        c.code = cmdPColor;
        c.color = color;
        record(c);
    }
}

void TMWPrintObject::SetFillColor(const QColor &color)
{
    if (m_fillColor == color)
        return;
    m_fillColor = color;
    if (m_open && m_recording) {
        TMWPrintCommand c;
        c.code = cmdBColor;
        c.color = color;
        record(c);
    }
}

void TMWPrintObject::SetFontAngle(int degrees)
{
    if (m_fontAngle == degrees)
        return;
    m_fontAngle = degrees;
    if (m_open && m_recording) {
        TMWPrintCommand c;
        c.code = cmdFontAngle;
        c.i1 = degrees;
        record(c);
    }
}

void TMWPrintObject::PushFont()
{
    if (int(m_fontStack.size()) < kStackLimit)
        m_fontStack.push_back(m_font);
}

void TMWPrintObject::PopFont()
{
    if (m_fontStack.empty())
        return;
    m_font = m_fontStack.back();
    m_fontStack.pop_back();
}

// ---------------------------------------------------------------- replay

double TMWPrintObject::penWidthInches(int penWidth, bool inMM) const
{
    return inMM ? penWidth / 25.4 : 0;
}

void TMWPrintObject::replay(QPainter &painter, const TMWPrintCommand &c, TReplayState &st)
{
    const TDeviceMetrics &s = *st.surface;
    const double sx = s.dpiX * st.zoom;
    const double sy = s.dpiY * st.zoom;
    auto pen = [&](int width, bool inMM, const QColor &color) {
        double w = inMM ? width * sx / 25.4 : double(width) * st.lineWidthFactor;
        if (w < 0)
            w = 0;
        QPen p(color);
        p.setWidthF(w); // 0: the thinnest line the device draws
        p.setCapStyle(Qt::SquareCap);
        p.setJoinStyle(Qt::MiterJoin);
        return p;
    };
    auto rect = [&]() { return QRectF(QPointF(c.v[0] * sx, c.v[1] * sy), QPointF(c.v[2] * sx, c.v[3] * sy)); };

    switch (c.code) {
    case cmdLine:
        painter.setPen(pen(c.i1, c.flag, st.pen));
        painter.drawLine(QPointF(c.v[0] * sx, c.v[1] * sy), QPointF(c.v[2] * sx, c.v[3] * sy));
        break;
    case cmdFont:
        st.font = c.font;
        break;
    case cmdFColor:
        st.font.color = c.color;
        break;
    case cmdPColor:
        st.pen = c.color;
        break;
    case cmdBColor:
        st.fill = c.color;
        break;
    case cmdFontAngle:
        st.angle = c.i1;
        break;
    case cmdFillRect:
        painter.fillRect(rect().normalized(), st.fill);
        break;
    case cmdRoundFrameRect: {
        painter.setPen(pen(c.i1, c.flag, st.pen));
        painter.setBrush(st.fill);
        const double r = c.v[4] * sx;
        painter.drawRoundedRect(rect().normalized(), r, r);
        painter.setBrush(Qt::NoBrush);
        break;
    }
    case cmdGraphic:
        if (!c.image.isNull())
            painter.drawImage(QRectF(c.v[0] * sx, c.v[1] * sy, c.v[2] * sx, c.v[3] * sy), c.image);
        break;
    case cmdText: {
        QFont f = MakeFormFont(st.font);
        const double deviceDpi = painter.device()->logicalDpiY();
        f.setPointSizeF(std::max(0.1, st.font.size * st.zoom * s.dpiY / (deviceDpi > 0 ? deviceDpi : s.dpiY)));
        painter.setFont(f);
        const QFontMetricsF fm(f, painter.device());
        // Texts land on whole device pixels, never in the unprintable strips.
        double x = std::lround(c.v[0] * sx);
        double y = std::trunc(c.v[1] * sy);
        x = std::max(x, s.offsetLeft);
        y = std::max(y, s.offsetTop);
        y = std::min(y, s.physHeight * st.zoom - s.stripBottom);
        painter.save();
        painter.translate(x, y);
        if (st.angle != 0)
            painter.rotate(-st.angle);
        if (c.color.isValid())
            painter.fillRect(QRectF(0, 0, fm.horizontalAdvance(c.text), fm.height()), c.color);
        painter.setPen(st.font.color);
        painter.drawText(QPointF(0, fm.ascent()), c.text);
        painter.restore();
        break;
    }
    default:
        break;
    }
}

void TMWPrintObject::RenderPage(QPainter &painter, int pageIndex, const TDeviceMetrics &surface, double zoom)
{
    if (pageIndex < 0 || pageIndex >= totalPages())
        return;
    TReplayState st;
    st.surface = &surface;
    st.zoom = zoom;
    st.lineWidthFactor = m_lineWidthFactor;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    for (const TMWPrintCommand &c : m_pages.pages[size_t(pageIndex)])
        replay(painter, c, st);
    painter.restore();
}

QImage TMWPrintObject::RenderPageImage(int pageIndex, double zoom, double screenDpi)
{
    const QSizeF paper = paperInches();
    const QSize size(int(std::lround(paper.width() * screenDpi * zoom)),
                     int(std::lround(paper.height() * screenDpi * zoom)));
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dpm = int(std::lround(screenDpi / 0.0254));
    image.setDotsPerMeterX(dpm);
    image.setDotsPerMeterY(dpm);
    TDeviceMetrics surface;
    surface.dpiX = screenDpi;
    surface.dpiY = screenDpi;
    surface.physWidth = paper.width() * screenDpi;
    surface.physHeight = paper.height() * screenDpi;
    QPainter painter(&image);
    RenderPage(painter, pageIndex, surface, zoom);
    return image;
}

bool TMWPrintObject::PrintTo(QPagedPaintDevice &device, const TDeviceMetrics &surface, int first, int last)
{
    first = std::max(first, 1);
    last = std::min(last, totalPages());
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    if (OnFirstPage)
        OnFirstPage(*this);
    const int count = std::max(1, last - first + 1);
    int done = 0;
    bool completed = true;
    for (int page = first; page <= last; ++page) {
        RenderPage(painter, page - 1, surface, 1.0);
        ++done;
        if (m_showProgress && g_printUi)
            g_printUi->setProgress(done * 100 / count);
        QCoreApplication::processEvents();
        if (m_cancelled && page < last) {
            completed = false;
            break;
        }
        if (page < last && m_autoPageFeed)
            device.newPage();
    }
    if (OnLastPage)
        OnLastPage(*this);
    painter.end();
    return completed;
}

namespace {

QPageSize pageSizeOf(TPaperSize paper)
{
    const TPaperInfo &info = PaperInfo(paper);
    const QPageSize::PageSizeId id = QPageSize::id(info.code);
    if (id != QPageSize::Custom)
        return QPageSize(id);
    if (info.width > 0 && info.height > 0)
        return QPageSize(QSizeF(info.width, info.height), QPageSize::Inch, QString(), QPageSize::ExactMatch);
    return QPageSize(QPageSize::A4);
}

} // namespace

bool TMWPrintObject::WritePdf(const QString &fileName)
{
    QPdfWriter writer(fileName);
    constexpr int kPdfDpi = 600;
    writer.setResolution(kPdfDpi);
    writer.setTitle(m_title);
    writer.setCreator(QStringLiteral("Papyra"));
    writer.setPageLayout(QPageLayout(pageSizeOf(m_paperSize),
                                     m_orientation == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0)));
    const QSizeF paper = writer.pageLayout().fullRect(QPageLayout::Inch).size();
    TDeviceMetrics surface;
    surface.dpiX = kPdfDpi;
    surface.dpiY = kPdfDpi;
    surface.physWidth = paper.width() * kPdfDpi;
    surface.physHeight = paper.height() * kPdfDpi;
    const int first = m_pages.firstPage < 1 ? 1 : m_pages.firstPage;
    const int last = m_pages.lastPage < 1 ? totalPages() : m_pages.lastPage;
    return PrintTo(writer, surface, first, last);
}

bool TMWPrintObject::PrintRecorded()
{
    if (totalPages() == 0)
        return false;
    int first = 1;
    int last = totalPages();
    if (m_showPrintDialog && g_printUi) {
        if (!g_printUi->askPageRange(*this, first, last))
            return false;
    }
    m_pages.firstPage = first;
    m_pages.lastPage = last;
    const QString printer = m_printerName.isEmpty() ? CurrentPrinterName() : m_printerName;
    if (m_showProgress && g_printUi)
        g_printUi->showProgress(*this, QStringLiteral("Drukowanie......."), true);
    if (BeforePrint)
        BeforePrint(*this);
    bool ok = false;
    if (printer == PdfPrinterName()) {
        QString file = m_pdfFileName;
        if (file.isEmpty())
            file = AskSaveFileName(QStringLiteral("Zapisz wydruk jako PDF"), m_title.isEmpty() ? QStringLiteral("wydruk.pdf") : QString(),
                                   QStringLiteral("pdf"), QStringLiteral("Pliki PDF (*.pdf)"));
        if (!file.isEmpty())
            ok = WritePdf(file);
    } else {
        QPrinter device(QPrinterInfo::printerInfo(printer), QPrinter::HighResolution);
        device.setFullPage(true);
        device.setDocName(m_title);
        device.setCopyCount(m_copies);
        device.setPageSize(pageSizeOf(m_paperSize));
        device.setPageOrientation(m_orientation == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        const QPageLayout layout = device.pageLayout();
        const double dpi = device.resolution();
        const QSizeF paper = layout.fullRect(QPageLayout::Inch).size();
        const QMarginsF min = layout.minimumMargins();
        const double toInch = layout.units() == QPageLayout::Millimeter ? 1 / 25.4 : (layout.units() == QPageLayout::Point ? 1 / 72.0 : 1.0);
        TDeviceMetrics surface;
        surface.dpiX = dpi;
        surface.dpiY = dpi;
        surface.physWidth = paper.width() * dpi;
        surface.physHeight = paper.height() * dpi;
        surface.offsetLeft = min.left() * toInch * dpi;
        surface.offsetTop = min.top() * toInch * dpi;
        surface.stripRight = min.right() * toInch * dpi;
        surface.stripBottom = min.bottom() * toInch * dpi;
        ok = PrintTo(device, surface, first, last);
    }
    if (AfterPrint)
        AfterPrint(*this);
    if (m_showProgress && g_printUi)
        g_printUi->hideProgress();
    return ok;
}

// ---------------------------------------------------------------- dump

QString TMWPrintObject::describe(const TMWPrintCommand &c)
{
    switch (c.code) {
    case cmdLine:
        return QStringLiteral("line %1 %2 %3 %4 %5").arg(mm(c.v[0]), mm(c.v[1]), mm(c.v[2]), mm(c.v[3]), penText(c.i1, c.flag));
    case cmdNextLine:
        return QStringLiteral("nextline");
    case cmdGraphic:
        return QStringLiteral("picture %1 %2 %3 %4").arg(mm(c.v[0]), mm(c.v[1]), mm(c.v[2]), mm(c.v[3]));
    case cmdDetail:
        return QStringLiteral("detail %1 %2").arg(mm(c.v[0]), mm(c.v[1]));
    case cmdFont:
        return QStringLiteral("font \"%1\" %2 %3 %4")
            .arg(c.font.name, QString::number(c.font.size), styleText(c.font.style), colorText(c.font.color));
    case cmdSetY:
        return QStringLiteral("sety %1").arg(mm(c.v[0]));
    case cmdText: {
        QString t = c.text;
        t.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
        QString line = QStringLiteral("text %1 %2 \"%3\"").arg(mm(c.v[0]), mm(c.v[1]), t);
        if (c.color.isValid())
            line += QStringLiteral(" on ") + colorText(c.color);
        return line;
    }
    case cmdFColor:
        return QStringLiteral("fontcolor ") + colorText(c.color);
    case cmdBColor:
        return QStringLiteral("fillcolor ") + colorText(c.color);
    case cmdPColor:
        return QStringLiteral("pencolor ") + colorText(c.color);
    case cmdFillRect:
        return QStringLiteral("fillrect %1 %2 %3 %4").arg(mm(c.v[0]), mm(c.v[1]), mm(c.v[2]), mm(c.v[3]));
    case cmdFontAngle:
        return QStringLiteral("fontangle %1").arg(c.i1);
    case cmdRoundFrameRect:
        return QStringLiteral("roundrect %1 %2 %3 %4 %5 %6")
            .arg(mm(c.v[0]), mm(c.v[1]), mm(c.v[2]), mm(c.v[3]), mm(c.v[4]), penText(c.i1, c.flag));
    default:
        return QStringLiteral("command %1").arg(c.code);
    }
}

QStringList TMWPrintObject::Dump() const
{
    QStringList out;
    for (size_t p = 0; p < m_pages.pages.size(); ++p) {
        out << QStringLiteral("page %1").arg(p + 1);
        for (const TMWPrintCommand &c : m_pages.pages[p])
            out << describe(c);
    }
    return out;
}
