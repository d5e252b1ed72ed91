#include "printing/ScriptPrinter.h"

#include "common/apppaths.h"
#include "common/codepage.h"
#include "common/dialogs.h"
#include "common/pathresolver.h"
#include "common/twtools.h"
#include "printing/barcode.h"
#include "printing/printers.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>

#include <cmath>
#include <exception>

namespace {

const QString kHeader = QStringLiteral("#HEADER");
const QString kFooter = QStringLiteral("#FOOTER");

QString trimmedUpper(const QString &s)
{
    return s.trimmed().toUpper();
}

} // namespace

TScriptPrinter::TScriptPrinter(QObject *parent) : QObject(parent), m_items(&m_engine)
{
    m_engine.setAutomaticPaging(false);
    m_engine.setShowProgress(true);
    m_engine.setTransparent(false);
    m_engine.setStartPercent(P6_Full);
    m_engine.setAutoPageFeed(true);
    m_engine.SetMeasurement(mtMM);
    m_engine.setPageLimit(kMaxPages);
}

TScriptPrinter::~TScriptPrinter() = default;

void TScriptPrinter::AddParam(int number, const QString &value)
{
    m_params.append(QString::number(number) + QLatin1Char('=') + value);
}

void TScriptPrinter::AddParamCond(int number, bool condition, const QString &ifTrue, const QString &ifFalse)
{
    AddParam(number, condition ? ifTrue : ifFalse);
}

void TScriptPrinter::AddTable(TPrintDataSet *dataSet)
{
    if (!dataSet)
        return;
    m_tables.push_back(dataSet);
    m_items.AddDataSet(dataSet);
}

void TScriptPrinter::SetupPrinter()
{
    QString name = CurrentPrinterName();
    if (PrintUi() && PrintUi()->setupPrinter(name))
        SetCurrentPrinterName(name);
}

QString TScriptPrinter::GetScriptName(const QString &fileName)
{
    QString path = ResolvePath(fileName.trimmed());
    if (!QFileInfo(path).isFile()) {
        const QString inApp = ResolvePathIn(AppDir(), fileName.trimmed());
        if (!QFileInfo(inApp).isFile())
            return QString();
        path = inApp;
    }
    QString text;
    if (!ReadCp1250File(path, text))
        return QString();
    QString name;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.startsWith(QLatin1String("NAME=")))
            name = line.mid(5);
    }
    return name.trimmed();
}

QStringList TScriptPrinter::ReadParamsFile(const QString &fileName)
{
    QStringList entries;
    QString text;
    if (fileName.isEmpty() || !ReadCp1250File(ResolvePath(fileName), text))
        return entries;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString number = line.left(eq);
        if (number.isEmpty() || !IsInteger(number))
            continue;
        bool ok = false;
        const int n = number.toInt(&ok);
        if (!ok || n <= 0)
            continue;
        entries.append(QString::number(n) + QLatin1Char('=') + line.mid(eq + 1).trimmed());
    }
    return entries;
}

void TScriptPrinter::loadParamsFile()
{
    m_params.append(ReadParamsFile(m_paramsFile));
}

bool TScriptPrinter::Print()
{
    return run(false);
}

bool TScriptPrinter::Preview()
{
    return run(true);
}

double TScriptPrinter::number(const QString &text)
{
    return TPrintItems::CoordinateValue(m_items.EvaluateNumber(text));
}

bool TScriptPrinter::budgetExceeded()
{
    if (m_abort)
        return true;
    if (++m_executed > kMaxCommands || m_engine.pageLimitReached() || !m_engine.documentOpen())
        m_abort = true;
    return m_abort;
}

bool TScriptPrinter::run(bool preview)
{
    loadParamsFile();
    TPrintState &state = m_items.State();
    state.reset(m_printGraphics);
    m_engine.setPaperSize(PAPER_A4);
    m_engine.setOrientation(poPortrait);
    m_engine.setTransparent(true);
    m_engine.SetMeasurement(mtMM);
    m_engine.SetFontAngle(0);

    m_items.PageFilter = m_pages;
    m_items.DataFile = m_dataFile;
    m_loadFailed = !m_items.Load(m_scriptFile);
    if (m_loadFailed) {
        ShowBox(bkError, QStringLiteral("Błąd analizy formularza wydruku!"), QStringLiteral("Błąd!"));
        m_items.Clear();
    }
    m_items.Params = m_params;
    m_items.AddParamItems();
    m_items.ZeroAs = m_zeroAs;

    m_engine.setShowPrintDialog(m_showPrintDialog);
    const QString appTitle = QGuiApplication::applicationDisplayName();
    m_engine.setTitle(appTitle + QStringLiteral(" : ") + m_description);
    m_engine.setLineWidthFactor(m_lineWidthFactor);
    m_engine.setCopies(preview ? 1 : m_copies);

    if (!m_engine.BeginDocument())
        return false;
    m_engine.SetFont(state.defaultFont);
    m_engine.SetPenColor(state.defaultFont.color);
    m_repeating = false;
    m_textBlockOpen = false;
    m_items.InTextBlock = false;
    m_currentBlock.clear();
    m_abort = false;
    m_callDepth = 0;
    m_executed = 0;
    m_items.PageCounter = 0;

    bool ok = true;
    try {
        m_status = QStringLiteral("Trwa przygotowanie wydruku...");
        executeRange(0, m_items.count() - 1);
        m_status.clear();
        printFooter();
    } catch (const std::exception &) {
        ok = false;
    }
    m_status.clear();
    m_items.CloseQueries();
    m_engine.setPreview(preview);
    m_engine.EndDocument();
    return ok;
}

void TScriptPrinter::executeRange(int from, int to)
{
    to = std::min(to, m_items.count() - 1);
    int i = std::max(from, 0);
    while (i <= to) {
        if (budgetExceeded())
            return;
        int next = i + 1;
        bool stop = false;
        execute(i, next, stop);
        if (stop)
            return;
        i = next;
    }
}

void TScriptPrinter::execute(int index, int &next, bool &stop)
{
    // Copies: executing a command may append internal variables to the collection.
    TPrintItem &ref = m_items.item(index);
    const TPrintItemKind kind = ref.Kind;
    if (kind != pkPage && kind != pkEval && kind != pkPrepareSql && ref.Block != m_currentBlock)
        return;
    if (ref.Block == TPrintItems::InternalVarBlock)
        return;
    if (!ref.Condition.isEmpty() && !m_items.TestCondition(ref.Condition))
        return;

    TPrintState &st = m_items.State();
    TPrintItem it = m_items.item(index);
    if (kind == pkText || kind == pkFont || kind == pkTextLine) {
        if (it.FontName.trimmed().isEmpty())
            it.FontName = st.defaultFont.name;
        if (it.FontSize == 0)
            it.FontSize = int(st.defaultFont.size);
        QCoreApplication::processEvents();
    }

    double x = 0, y = 0, w = 0, h = 0;
    switch (kind) {
    case pkText: case pkRect: case pkBox: case pkImage: case pkLine: case pkPos: case pkSetDX: case pkSetDY:
    case pkRepeat: case pkCall: case pkRepeatCall: case pkTextBlock: case pkBarCode: {
        x = number(it.X) + st.pageX + st.dx;
        y = number(it.Y) + st.pageY + st.dy;
        if (it.Block != kHeader && it.Block != kFooter)
            y += st.headerHeight;
        w = number(it.Width);
        h = number(it.Height);
        break;
    }
    default:
        break;
    }

    switch (kind) {
    case pkText: {
        bool pushed = false;
        if (!it.DefaultFont) {
            m_engine.PushFont();
            pushed = true;
            TMWFontInfo f;
            f.name = it.FontName;
            f.size = it.FontSize;
            f.style = it.FontStyle;
            f.color = it.Color;
            m_engine.SetFont(f);
        }
        QString value = objectValue(index, it);
        if (it.BlankZero && IsNumber(value) && ParseNumber(value) == 0)
            value.clear();
        bool angled = false;
        if (!it.Angle.trimmed().isEmpty()) {
            m_engine.SetFontAngle(int(std::lround(number(it.Angle))));
            angled = true;
        }
        value.replace(QStringLiteral("__br__"), QStringLiteral("\r\n"));
        if (w > 0) {
            if (it.Clip) {
                while (!value.isEmpty() && m_engine.TextWidth(value) > w)
                    value.chop(1);
                m_engine.WriteText(value, y, x);
            } else {
                const bool paging = m_engine.automaticPaging();
                m_engine.setAutomaticPaging(true);
                m_engine.WriteWrapped(value, false, false, y, x + w, x);
                m_engine.setAutomaticPaging(paging);
            }
        } else if (it.Align == QLatin1String("C")) {
            m_engine.WriteCentered(value, y, x);
        } else if (it.Align == QLatin1String("R")) {
            m_engine.WriteRight(value, y, x);
        } else {
            m_engine.WriteText(value, y, x);
        }
        const double width = m_engine.TextWidth(value);
        m_items.item(index).MeasuredWidth = m_engine.measurement() == mtPixels
                                                ? QString::number(std::lround(width))
                                                : QString::number(width, 'f', 2);
        if (pushed)
            m_engine.PopFont();
        if (angled)
            m_engine.SetFontAngle(0);
        break;
    }
    case pkRect: {
        m_engine.SetPenColor(it.Color);
        const double radius = number(it.Radius);
        if (radius > 0)
            m_engine.DrawRoundRect(it.PenWidth, it.PenInMM, radius, y + h, x + w, y, x);
        else
            m_engine.DrawRect(it.PenWidth, it.PenInMM, y + h, x + w, y, x);
        break;
    }
    case pkBox: {
        const double radius = number(it.Radius);
        if (st.fillMode && radius <= 0)
            m_engine.FillBoxWithPen(it.PenWidth, it.PenInMM, it.Color, y + h, x + w, y, x);
        else if (st.fillMode)
            m_engine.FillRoundBox(it.PenWidth, it.Color, false, radius, y + h, x + w, y, x);
        else if (radius > 0)
            m_engine.DrawRoundRect(it.PenWidth, it.PenInMM, radius, y + h, x + w, y, x);
        else
            m_engine.DrawRect(it.PenWidth, it.PenInMM, y + h, x + w, y, x);
        break;
    }
    case pkLine:
        m_engine.SetPenColor(it.Color);
        m_engine.DrawLine(it.PenWidth, it.PenInMM, y + h, x + w, y, x);
        break;
    case pkImage: {
        if (!st.graphicsOn)
            break;
        const QString file = ResolvePath(it.Target2);
        const QString ext = QLatin1Char('.') + QFileInfo(file).suffix().trimmed().toUpper();
        static const QStringList accepted = {QStringLiteral(".JPG"), QStringLiteral(".JPEG"), QStringLiteral(".BMP"),
                                             QStringLiteral(".GIF"), QStringLiteral(".WMF"), QStringLiteral(".ICO")};
        if (!QFileInfo(file).isFile() || !accepted.contains(ext) || ext == QLatin1String(".WMF"))
            break; // metafiles are accepted by the language but not kept by the recorder
        QImageReader reader(file);
        reader.setAllocationLimit(256);
        const QImage picture = reader.read();
        if (picture.isNull())
            break;
        if (w == 0)
            w = m_engine.DeviceToUnitX(picture.width());
        if (h == 0)
            h = m_engine.DeviceToUnitY(picture.height());
        m_engine.DrawPicture(picture, h, w, y, x);
        break;
    }
    case pkBarCode: {
        if (!st.graphicsOn)
            break;
        QString value = objectValue(index, it);
        const QImage bars = RenderEan13(value);
        if (bars.isNull())
            break;
        if (w == 0 || h == 0) {
            w = m_engine.DeviceToUnitX(bars.width());
            h = m_engine.DeviceToUnitY(bars.height());
        }
        m_engine.DrawPicture(bars, h, w, y, x);
        break;
    }
    case pkPage: {
        if (m_items.PageCounter > 0) {
            printFooter();
            m_engine.NewPage();
        }
        ++m_items.PageCounter;
        st.pageX = number(it.X);
        st.pageY = number(it.Y);
        m_engine.SetY(st.pageY);
        printHeader();
        m_engine.SetDetailArea(m_engine.LinesPerPage() * m_engine.LineHeight(), 0);
        break;
    }
    case pkFont: {
        st.defaultFont.name = it.FontName;
        st.defaultFont.size = it.FontSize;
        st.defaultFont.style = it.FontStyle;
        st.defaultFont.color = it.Color;
        m_engine.SetFont(st.defaultFont);
        break;
    }
    case pkTextBlock:
        m_textBlockOpen = true;
        m_items.InTextBlock = true;
        st.cursorX = x;
        st.cursorY = y;
        m_engine.SetY(y);
        break;
    case pkEndTextBlock:
        m_textBlockOpen = false;
        m_items.InTextBlock = false;
        break;
    case pkPos:
        if (m_textBlockOpen) {
            st.cursorX = x;
            st.cursorY = y;
            m_engine.SetY(y);
        }
        break;
    case pkTextLine: {
        if (!m_textBlockOpen)
            break;
        QString text = it.Expression;
        if (trimmedUpper(text).startsWith(QLatin1String("STR ")))
            m_items.Evaluate(text);
        else
            text = m_items.SubstituteBrackets(text);
        const double right = m_engine.PageWidth() - m_engine.RightStrip();
        m_engine.WriteWrapped(text, false, false, st.cursorY, right, st.cursorX);
        st.cursorY = m_engine.GetY();
        checkOverflow();
        break;
    }
    case pkEmptyLine:
        if (m_textBlockOpen) {
            st.cursorY += m_engine.LineHeight();
            checkOverflow();
        }
        break;
    case pkBack:
        if (m_textBlockOpen)
            st.cursorY -= m_engine.LineHeight();
        break;
    case pkSetDX:
        st.dx = number(it.X) + st.baseDX;
        break;
    case pkSetDY:
        st.dy = number(it.Y) + st.baseDY;
        break;
    case pkLabel:
    case pkBlockStart:
        break;
    case pkRepeat: {
        if (m_repeating)
            break;
        int start = -1;
        int end = -1;
        for (int i = 0; i < m_items.count(); ++i) {
            const TPrintItem &c = m_items.item(i);
            if (c.Kind != pkLabel)
                continue;
            if (start < 0 && c.Target == it.Target)
                start = i;
            if (end < 0 && c.Target == it.Target2)
                end = i;
        }
        if (start < 0)
            start = 0;
        if (end < 0 || end <= start)
            break;
        int count = int(std::lround(number(it.Count)));
        if (count == 0)
            count = 1;
        count = std::min(count, kMaxRepetitions);
        const double stepX = number(it.X);
        const double stepY = number(it.Y);
        const double savedX = st.pageX;
        const double savedY = st.pageY;
        for (int k = 1; k <= count && !m_abort; ++k) {
            st.pageX += stepX;
            st.pageY += stepY;
            m_repeating = true;
            try {
                executeRange(start, end - 1);
            } catch (const std::exception &) {
                // A failing repetition does not end the run.
            }
            m_repeating = false;
        }
        st.pageX = savedX;
        st.pageY = savedY;
        break;
    }
    case pkCall:
        callProcedure(it.Target, number(it.X), number(it.Y));
        break;
    case pkRepeatCall: {
        const int count = std::min(int(std::lround(number(it.Count))), kMaxRepetitions);
        if (count <= 0)
            break;
        const double stepX = number(it.X);
        const double stepY = number(it.Y);
        const double savedDX = st.dx;
        const double savedDY = st.dy;
        for (int k = 0; k < count && !m_abort; ++k)
            callProcedure(it.Target, stepX * k, stepY * k);
        st.dx = savedDX;
        st.dy = savedDY;
        break;
    }
    case pkSet: {
        QString value = it.Expression;
        m_items.Evaluate(value);
        for (int i = 0; i < m_items.count(); ++i) {
            if (m_items.item(i).VarName == it.VarName) {
                m_items.item(i).Target = value;
                break;
            }
        }
        break;
    }
    case pkEval:
        m_items.ApplyFunction(it.FuncName, it.Target);
        break;
    case pkRepeatPage: {
        if (m_repeating || it.Condition.isEmpty() || m_items.PageCounter > 999998)
            break;
        // The counter never moves on a repeated page, so the document size bounds the loop.
        if (m_engine.totalPages() >= kMaxPages) {
            m_abort = true;
            break;
        }
        const int page = StrToIntIfInteger(it.Count.trimmed());
        int target = 0;
        for (int i = 0; i < m_items.count(); ++i) {
            if (m_items.item(i).PageNo == page && m_items.item(i).Block != TPrintItems::InternalVarBlock) {
                target = i;
                break;
            }
        }
        printFooter();
        m_engine.NewPage();
        printHeader();
        next = target;
        break;
    }
    case pkNextRecord:
    case pkPrevRecord:
        if (m_repeating && m_items.TableRecordCount > 0 && m_items.TableRecNo >= m_items.TableRecordCount) {
            stop = true;
            break;
        }
        m_items.MoveTableRecord(it.Target, kind == pkPrevRecord);
        break;
    case pkDataSetCommand:
        m_items.DataSetCommand(it.QueryName);
        break;
    case pkPrepareSql:
        m_items.PrepareQuery(it.Block, it.SqlParams);
        break;
    case pkMessage: {
        QString value = it.Expression;
        m_items.Evaluate(value);
        m_items.item(index).Target = value;
        ShowBox(bkInformation, QStringLiteral("Command nr: ") + QString::number(index + 1) + QStringLiteral("\r\n")
                                   + QStringLiteral("Expression: ") + it.Expression + QStringLiteral("\r\n\r\n") + value);
        break;
    }
    case pkBlackMode:
        st.blackMode = true;
        break;
    case pkColorMode:
        st.blackMode = false;
        break;
    case pkTransparent:
        m_engine.setTransparent(true);
        break;
    case pkOpaque:
        m_engine.setTransparent(false);
        break;
    case pkFill:
        st.fillMode = true;
        break;
    case pkNoFill:
        st.fillMode = false;
        break;
    case pkBlockEnd:
        stop = true;
        break;
    case pkNone:
        break;
    }
}

QString TScriptPrinter::objectValue(int index, const TPrintItem &it)
{
    QString value;
    if (it.ParamNo != 0) {
        value = m_items.InternalVariable(it.ParamNo);
    } else {
        value = it.Expression;
        m_items.Evaluate(value);
    }
    m_items.item(index).Target = value;
    return value;
}

void TScriptPrinter::callProcedure(const QString &name, double x, double y)
{
    if (m_callDepth >= kMaxCallDepth || m_abort)
        return;
    const QString block = trimmedUpper(name);
    int first = -1;
    int last = -1;
    for (int i = 0; i < m_items.count(); ++i) {
        const TPrintItem &c = m_items.item(i);
        if (c.Block != block || c.Kind == pkCall)
            continue;
        if (first < 0)
            first = i;
        last = i;
    }
    if (first < 0 || last < 0 || block.isEmpty())
        return;
    TPrintState &st = m_items.State();
    const QString savedBlock = m_currentBlock;
    const double savedDX = st.dx;
    const double savedDY = st.dy;
    m_currentBlock = block;
    st.dx += x;
    st.dy += y;
    st.baseDX += x;
    st.baseDY += y;
    ++m_callDepth;
    executeRange(first, last);
    --m_callDepth;
    st.baseDX -= x;
    st.baseDY -= y;
    st.dx = savedDX;
    st.dy = savedDY;
    m_currentBlock = savedBlock;
}

void TScriptPrinter::printHeader()
{
    const QString savedBlock = m_currentBlock;
    const bool savedRepeating = m_repeating;
    callProcedure(kHeader, 0, 0);
    m_currentBlock = savedBlock;
    m_repeating = savedRepeating;
}

void TScriptPrinter::printFooter()
{
    TPrintState &st = m_items.State();
    const QString savedBlock = m_currentBlock;
    const bool savedRepeating = m_repeating;
    const double savedPageY = st.pageY;
    m_repeating = false;
    if (st.footerHeight > 0)
        st.pageY = m_engine.DeviceToUnitY(m_engine.PrintableSize().height()) - st.footerHeight;
    callProcedure(kFooter, 0, 0);
    m_currentBlock = savedBlock;
    m_repeating = savedRepeating;
    st.pageY = savedPageY;
}

void TScriptPrinter::checkOverflow()
{
    if (m_currentBlock == kHeader || m_currentBlock == kFooter)
        return;
    TPrintState &st = m_items.State();
    const double limit = m_engine.PrintableSize().height() - m_engine.ToDeviceY(st.footerHeight)
                       - m_engine.ToDeviceY(m_engine.LineHeight());
    if (m_engine.ToDeviceY(st.cursorY) <= limit)
        return;
    printFooter();
    st.cursorY = st.headerHeight;
    ++m_items.PageCounter;
    m_engine.NewPage();
    printHeader();
}
