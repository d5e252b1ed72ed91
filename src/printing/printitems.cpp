#include "printing/printitems.h"

#include "common/apppaths.h"
#include "common/codepage.h"
#include "common/dialogs.h"
#include "common/pathresolver.h"
#include "common/twtools.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

const QString TPrintItems::InternalVarBlock = QStringLiteral("INTERNALVAR");

namespace {

bool isTrimmable(QChar c)
{
    return c.unicode() <= 32;
}

// Blanks and control characters off both ends.
QString trimmed(const QString &s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && isTrimmable(s[b]))
        ++b;
    while (e > b && isTrimmable(s[e - 1]))
        --e;
    return s.mid(b, e - b);
}

QString firstWord(const QString &t)
{
    const qsizetype blank = t.indexOf(QLatin1Char(' '));
    return (blank < 0 ? t : t.left(blank)).toUpper();
}

QString restOf(const QString &t)
{
    const qsizetype blank = t.indexOf(QLatin1Char(' '));
    return blank < 0 ? QString() : t.mid(blank + 1).toUpper();
}

QString wordBeforeEq(const QString &t)
{
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    return eq < 0 ? QString() : t.left(eq).toUpper();
}

QString textAfterEq(const QString &t)
{
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    return eq < 0 ? QString() : t.mid(eq + 1);
}

// The text up to the first separator; the source keeps what follows it, trimmed.
QString nextField(QString &text, QChar sep = QLatin1Char(','))
{
    const qsizetype at = text.indexOf(sep);
    if (at < 0) {
        const QString all = text;
        text.clear();
        return all;
    }
    const QString field = text.left(at);
    text = trimmed(text.mid(at + 1));
    return field;
}

int integerField(QString &text)
{
    const QString f = trimmed(nextField(text));
    bool ok = false;
    const int v = f.toInt(&ok);
    return ok ? v : 0;
}

double numberField(QString &text)
{
    return ParseNumber(trimmed(nextField(text)));
}

int styleFromLetters(const QString &letters)
{
    int style = 0;
    for (const QChar c : letters.toUpper()) {
        if (c == QLatin1Char('B'))
            style |= fsBold;
        else if (c == QLatin1Char('I'))
            style |= fsItalic;
        else if (c == QLatin1Char('U'))
            style |= fsUnderline;
        else if (c == QLatin1Char('S'))
            style |= fsStrikeOut;
    }
    return style;
}

bool hasDirectoryPart(const QString &name)
{
    return name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || IsAbsolutePath(name);
}

} // namespace

QString PrintItemKindName(TPrintItemKind kind)
{
    static const char *names[] = {"None",       "Text",       "Rect",      "Box",        "Image",
                                  "Line",       "BarCode",    "Page",      "Pos",        "Font",
                                  "TextLine",   "EmptyLine",  "Back",      "SetDX",      "SetDY",
                                  "Label",      "Repeat",     "BlockStart", "BlockEnd",  "Call",
                                  "RepeatCall", "Set",        "Eval",      "RepeatPage", "NextRecord",
                                  "PrevRecord", "DataSetCommand", "PrepareSql", "Message", "TextBlock",
                                  "EndTextBlock", "BlackMode", "ColorMode", "Transparent", "Opaque",
                                  "Fill",       "NoFill"};
    const int i = int(kind);
    return (i >= 0 && i < int(std::size(names))) ? QLatin1String(names[i]) : QString();
}

void TPrintState::reset(bool printGraphics)
{
    *this = TPrintState();
    fillMode = printGraphics;
    graphicsOn = printGraphics;
}

// ---------------------------------------------------------------- colours

QColor TPrintItems::ParseColor(const QString &text, bool blackMode)
{
    const QString t = trimmed(text).toUpper();
    static const struct
    {
        const char *name;
        int r, g, b;
    } names[] = {{"BLACK", 0, 0, 0},        {"WHITE", 255, 255, 255},  {"GRAY", 128, 128, 128},
                 {"SILVER", 192, 192, 192}, {"GREEN", 0, 128, 0},      {"RED", 255, 0, 0},
                 {"NAVY", 0, 0, 128},       {"BLUE", 0, 0, 255},       {"MAROON", 128, 0, 0},
                 {"FUCHSIA", 255, 0, 255},  {"OLIVE", 128, 128, 0},    {"PURPLE", 128, 0, 128},
                 {"TEAL", 0, 128, 128},     {"LIME", 0, 255, 0},       {"AQUA", 0, 255, 255}};
    for (const auto &n : names) {
        if (t == QLatin1String(n.name))
            return QColor(n.r, n.g, n.b);
    }
    if (t.startsWith(QLatin1String("SHADE"))) {
        const int n = StrToIntIfInteger(trimmed(t.mid(5)));
        const int v = std::clamp(n, 0, 255);
        return QColor(v, v, v);
    }
    bool ok = false;
    qint64 value = 0;
    if (t.startsWith(QLatin1Char('$')))
        value = t.mid(1).toLongLong(&ok, 16);
    else if (!t.isEmpty())
        value = t.toLongLong(&ok, 10);
    if (!ok)
        return QColor(Qt::black);
    const quint32 v = quint32(value);
    if (blackMode && v != 16777215u)
        return QColor(Qt::black);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

// ---------------------------------------------------------------- reading

void TPrintItems::Clear()
{
    CloseQueries();
    m_items.clear();
    PageCounter = 0;
    PagesRead = 0;
    CurrentBlock.clear();
    SqlCollector = -1;
    InTextBlock = false;
    InInclude = false;
    ScriptName.clear();
}

bool TPrintItems::Load(const QString &fileName)
{
    Clear();
    QString name = trimmed(fileName);
    if (!hasDirectoryPart(name))
        name = AppDir() + name;
    const QString path = ResolvePath(name);
    QFile f(path);
    errno = 0;
    if (!f.open(QIODevice::ReadOnly)) {
        const int code = errno ? errno : 2;
        if (QFileInfo::exists(ResolvePath(QStringLiteral("DEBUG.TXT"))))
            ShowBox(bkError, QStringLiteral("FileOpen error nr ") + QString::number(code) + QLatin1Char(':') + fileName);
        return false;
    }
    readLines(Cp1250::decode(f.readAll()));
    return true;
}

void TPrintItems::LoadText(const QString &text)
{
    Clear();
    readLines(text);
}

void TPrintItems::readFile(const QString &fileName)
{
    QString name = trimmed(fileName);
    if (!hasDirectoryPart(name))
        name = AppDir() + name;
    QFile f(ResolvePath(name));
    errno = 0;
    if (!f.open(QIODevice::ReadOnly)) {
        const int code = errno ? errno : 2;
        if (QFileInfo::exists(ResolvePath(QStringLiteral("DEBUG.TXT"))))
            ShowBox(bkError, QStringLiteral("FileOpen error nr ") + QString::number(code) + QLatin1Char(':') + fileName);
        return;
    }
    readLines(Cp1250::decode(f.readAll()));
}

void TPrintItems::readLines(const QString &text)
{
    QString filter = PageFilter;
    filter.remove(QLatin1Char(' '));
    const QString wrappedFilter = QLatin1Char(',') + filter + QLatin1Char(',');
    int localPage = 0;
    qsizetype pos = 0;
    const qsizetype n = text.size();
    while (pos < n) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), pos);
        if (end < 0)
            end = n;
        QString line = text.mid(pos, end - pos);
        pos = end + 1;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);

        const QString t = trimmed(line);
        const QString fw = firstWord(t);
        if (fw == QLatin1String("END"))
            break;
        if (fw == QLatin1String("PAGE"))
            ++localPage;
        if (!filter.isEmpty()
            && !wrappedFilter.contains(QLatin1Char(',') + QString::number(localPage) + QLatin1Char(',')))
            continue;
        if (!InInclude && fw == QLatin1String("INCLUDE")) {
            InInclude = true;
            readFile(trimmed(restOf(t)));
            InInclude = false;
            continue;
        }
        m_items.emplace_back();
        parseLine(m_items.back(), line);
        if (m_items.back().Kind == pkNone)
            m_items.pop_back();
    }
}

void TPrintItems::parseLine(TPrintItem &it, const QString &raw)
{
    it.X = it.Y = it.Count = it.Width = it.Height = QStringLiteral("0");
    it.ParamNo = 0;
    it.PenWidth = 1;
    it.Target.clear();
    it.Target2.clear();
    it.Spare.clear();
    it.Align = QStringLiteral("L");
    it.Kind = pkNone;

    const QString t = trimmed(raw);
    if (t.isEmpty() && !InTextBlock)
        return;
    if (t.startsWith(QLatin1Char(';')))
        return;
    const QString fw = firstWord(t);
    QString rest = restOf(t);

    if (fw == QLatin1String("PAGE")) {
        it.Kind = pkPage;
        ++PagesRead;
        it.X = nextField(rest);
        it.Y = nextField(rest);
        it.Width = nextField(rest);
        it.Height = nextField(rest);
        it.Block.clear();
        it.PageNo = 0;
        return;
    }
    it.Block = CurrentBlock;
    it.PageNo = PagesRead;

    if (SqlCollector >= 0) {
        if (fw == QLatin1String("ENDPROC")) {
            SqlCollector = -1;
            CurrentBlock.clear();
        } else if (SqlCollector < int(m_items.size())) {
            m_items[size_t(SqlCollector)].SqlText += QLatin1Char(' ') + raw;
        }
        return;
    }

    const QString wbe = wordBeforeEq(t);
    QString after = textAfterEq(t);

    if (fw == QLatin1String("SQL")) {
        if (!CurrentBlock.isEmpty())
            return;
        const qsizetype at = rest.indexOf(QLatin1String(" TABLE "));
        if (at >= 0) {
            it.Block = trimmed(rest.left(at));
            it.QueryName = trimmed(rest.mid(at + 7));
        } else {
            it.Block = trimmed(rest);
            it.QueryName = it.Block;
        }
        it.Kind = pkBlockStart;
        CurrentBlock = it.Block;
        it.SqlText.clear();
        it.SqlParams.clear();
        // The command is about to be stored at the end of the collection.
        SqlCollector = int(m_items.size()) - 1;
        return;
    }
    if (fw == QLatin1String("PREPARESQL")) {
        it.Kind = pkPrepareSql;
        const qsizetype comma = rest.indexOf(QLatin1Char(','));
        it.Block = trimmed(comma < 0 ? rest : rest.left(comma));
        it.SqlParams = comma < 0 ? QString() : rest.mid(comma + 1);
        return;
    }
    if (wbe == QLatin1String("FONT")) {
        it.Kind = pkFont;
        it.FontName = trimmed(nextField(after));
        it.FontSize = integerField(after);
        it.FontStyle = styleFromLetters(nextField(after));
        if (!trimmed(after).isEmpty())
            it.Color = ParseColor(after, m_state.blackMode);
        return;
    }
    if (fw == QLatin1String("TEXT")) {
        it.Kind = pkTextBlock;
        InTextBlock = true;
        it.X = nextField(rest);
        it.Y = nextField(rest);
        return;
    }
    if (fw == QLatin1String("ENDTEXT")) {
        it.Kind = pkEndTextBlock;
        InTextBlock = false;
        return;
    }
    if (InTextBlock) {
        if (wbe == QLatin1String("POS")) {
            it.Kind = pkPos;
            it.X = nextField(after);
            it.Y = nextField(after);
        } else if (fw == QLatin1String("BACK")) {
            it.Kind = pkBack;
        } else if (t.isEmpty()) {
            it.Kind = pkEmptyLine;
        } else {
            it.Kind = pkTextLine;
            it.Expression = raw;
            it.Target = raw;
        }
        return;
    }

    auto startBlock = [&](const QString &name) {
        if (!CurrentBlock.isEmpty())
            return false;
        it.Kind = pkBlockStart;
        it.Block = name;
        CurrentBlock = name;
        return true;
    };

    if (fw == QLatin1String("PROCEDURE")) {
        startBlock(trimmed(rest));
        return;
    }
    if (fw == QLatin1String("ENDPROC") || fw == QLatin1String("ENDHEADER") || fw == QLatin1String("ENDFOOTER")) {
        it.Kind = pkBlockEnd;
        CurrentBlock.clear();
        return;
    }
    if (fw == QLatin1String("EXIT")) {
        it.Kind = pkBlockEnd;
        return;
    }
    if (fw == QLatin1String("HEADER")) {
        if (startBlock(QStringLiteral("#HEADER")))
            m_state.headerHeight = numberField(rest);
        return;
    }
    if (fw == QLatin1String("FOOTER")) {
        if (startBlock(QStringLiteral("#FOOTER")))
            m_state.footerHeight = numberField(rest);
        return;
    }
    if (fw == QLatin1String("CALL")) {
        const QString target = trimmed(nextField(rest));
        if (target.contains(QLatin1Char(':'))) {
            it.Kind = pkDataSetCommand;
            it.Target = target;
            it.QueryName = target;
        } else {
            it.Kind = pkCall;
            it.Target = target;
            it.X = nextField(rest);
            it.Y = nextField(rest);
        }
        return;
    }
    if (fw == QLatin1String("REPEATCALL")) {
        it.Kind = pkRepeatCall;
        it.Target = trimmed(nextField(rest));
        it.X = nextField(rest);
        it.Y = nextField(rest);
        it.Count = nextField(rest);
        return;
    }
    if (fw == QLatin1String("LABEL")) {
        it.Kind = pkLabel;
        it.Target = trimmed(rest);
        return;
    }
    if (fw == QLatin1String("REPEAT")) {
        it.Kind = pkRepeat;
        it.Target = trimmed(nextField(rest));
        it.Target2 = trimmed(nextField(rest));
        it.Spare = trimmed(nextField(rest));
        it.X = nextField(rest);
        it.Y = nextField(rest);
        it.Count = nextField(rest);
        return;
    }
    if (fw == QLatin1String("REPEATPAGE")) {
        it.Kind = pkRepeatPage;
        it.Count = nextField(rest);
        return;
    }
    if (wbe == QLatin1String("NAME")) {
        ScriptName = after;
        return;
    }
    if (fw == QLatin1String("TRANSPARENT")) {
        it.Kind = pkTransparent;
        return;
    }
    if (fw == QLatin1String("NOTRANSPARENT")) {
        it.Kind = pkOpaque;
        return;
    }
    if (wbe == QLatin1String("LINEWIDTH")) {
        const int w = integerField(after);
        m_state.defaultLineWidth = w == 0 ? 1 : w;
        return;
    }
    if (fw == QLatin1String("LANDSCAPE")) {
        if (m_engine)
            m_engine->setOrientation(poLandscape);
        return;
    }
    if (fw == QLatin1String("BLACK")) {
        it.Kind = pkBlackMode;
        m_state.blackMode = true;
        return;
    }
    if (fw == QLatin1String("COLOR")) {
        it.Kind = pkColorMode;
        m_state.blackMode = false;
        return;
    }
    if (wbe == QLatin1String("MEASURE")) {
        const QString unit = trimmed(after).toUpper();
        if (m_engine) {
            if (unit == QLatin1String("MM"))
                m_engine->SetMeasurement(mtMM);
            else if (unit == QLatin1String("INCH"))
                m_engine->SetMeasurement(mtInches);
            else if (unit == QLatin1String("PIX") || unit == QLatin1String("PIXEL") || unit == QLatin1String("PIXELS"))
                m_engine->SetMeasurement(mtPixels);
        }
        return;
    }
    if (wbe == QLatin1String("FORM")) {
        TPaperSize paper;
        if (m_engine && PaperByFormWord(trimmed(after).toUpper(), paper))
            m_engine->setPaperSize(paper);
        return;
    }
    if (fw == QLatin1String("NOFILL")) {
        it.Kind = pkNoFill;
        return;
    }
    if (fw == QLatin1String("FILL")) {
        it.Kind = pkFill;
        return;
    }
    if (fw == QLatin1String("NOGRAPHIC")) {
        m_state.graphicsOn = false;
        return;
    }
    if (fw == QLatin1String("NEXTRECORD") || fw == QLatin1String("PREVRECORD")) {
        it.Kind = fw == QLatin1String("NEXTRECORD") ? pkNextRecord : pkPrevRecord;
        it.Target = trimmed(nextField(rest));
        return;
    }
    const qsizetype blank = t.indexOf(QLatin1Char(' '));
    const QString withoutFirst = blank < 0 ? QString() : trimmed(t.mid(blank + 1));
    if (fw == QLatin1String("SET")) {
        it.Kind = pkSet;
        const qsizetype eq = withoutFirst.indexOf(QLatin1Char('='));
        it.VarName = trimmed(eq < 0 ? withoutFirst : withoutFirst.left(eq)).toUpper();
        it.Expression = eq < 0 ? QString() : withoutFirst.mid(eq + 1);
        return;
    }
    if (fw == QLatin1String("EVAL")) {
        it.Kind = pkEval;
        const qsizetype sp = withoutFirst.indexOf(QLatin1Char(' '));
        it.FuncName = trimmed(sp < 0 ? withoutFirst : withoutFirst.left(sp)).toUpper();
        it.Target = sp < 0 ? QString() : trimmed(withoutFirst.mid(sp + 1));
        return;
    }
    if (fw == QLatin1String("IF")) {
        const qsizetype close = withoutFirst.indexOf(QLatin1Char('}'));
        QString condition = close < 0 ? withoutFirst : withoutFirst.left(close);
        if (condition.startsWith(QLatin1Char('{')))
            condition.remove(0, 1);
        if (close < 0)
            return;
        it.Condition = trimmed(condition);
        const QString command = withoutFirst.mid(close + 1);
        // The command after the condition is read like a line of its own.
        parseLine(it, command);
        return;
    }
    if (wbe == QLatin1String("DX")) {
        it.Kind = pkSetDX;
        it.X = nextField(after);
        return;
    }
    if (wbe == QLatin1String("DY")) {
        it.Kind = pkSetDY;
        it.Y = nextField(after);
        return;
    }
    if (fw == QLatin1String("MESSAGE")) {
        it.Kind = pkMessage;
        it.Expression = rest;
        return;
    }
    parseObjectLine(it, t);
}

void TPrintItems::parseObjectLine(TPrintItem &it, const QString &line)
{
    QString t = line;
    qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq < 0)
        return;
    const qsizetype name = t.left(eq).toUpper().indexOf(QLatin1String("NAME"));
    if (name >= 0) {
        it.VarName = trimmed(t.mid(name + 5, eq - name - 5)).toUpper();
        const qsizetype blank = t.indexOf(QLatin1Char(' '));
        if (blank >= 0 && blank < eq) {
            t = t.left(blank) + t.mid(eq);
            eq = blank;
        }
    }
    const QString head = trimmed(t.left(eq));
    if (head.isEmpty())
        return;
    const QChar letter = head[0].toUpper();
    const QStringList parts = t.mid(eq + 1).split(QLatin1Char('|'));
    QString pos = parts.value(0);
    it.X = trimmed(nextField(pos));
    it.Y = trimmed(nextField(pos));
    const QString part2 = parts.value(1);
    const QString part3 = parts.size() > 2 ? parts.mid(2).join(QLatin1Char('|')) : QString();

    auto penPart = [&](bool box, bool line) {
        QString p = part2;
        const int w = integerField(p);
        it.PenWidth = w;
        if (line ? w <= 1 : (box ? w == 1 : (w == 0 || w == 1)))
            it.PenWidth = m_state.defaultLineWidth;
        it.PenInMM = trimmed(p).toUpper() == QLatin1String("MM");
        it.Color = trimmed(part3).isEmpty() ? QColor(Qt::black) : ParseColor(part3, m_state.blackMode);
    };

    if (letter == QLatin1Char('T') || letter == QLatin1Char('P')) {
        it.Kind = pkText;
        if (letter == QLatin1Char('P')) {
            qsizetype i = 1;
            while (i < head.size() && !head[i].isDigit())
                ++i;
            qsizetype j = i;
            while (j < head.size() && head[j].isDigit())
                ++j;
            bool ok = false;
            const int n = head.mid(i, j - i).toInt(&ok);
            it.ParamNo = ok ? n : 0;
        }
        QString field3 = trimmed(nextField(pos));
        it.Angle = trimmed(nextField(pos));
        QString up = field3.toUpper();
        if (up.endsWith(QLatin1Char('X'))) {
            it.Clip = true;
            up.chop(1);
            field3.chop(1);
        }
        if (up.endsWith(QLatin1Char('E'))) {
            it.BlankZero = true;
            up.chop(1);
            field3.chop(1);
        }
        if (up == QLatin1String("L") || up == QLatin1String("R") || up == QLatin1String("C")) {
            it.Align = up;
            it.Width = QStringLiteral("0");
        } else {
            it.Width = field3.isEmpty() ? QStringLiteral("0") : field3;
            it.Align = QStringLiteral("L");
        }
        it.Expression = part2;
        if (parts.size() > 2) {
            QString f = part3;
            it.DefaultFont = false;
            it.FontName = trimmed(nextField(f));
            it.FontSize = integerField(f);
            it.FontStyle = styleFromLetters(nextField(f));
            it.Color = trimmed(f).isEmpty() ? QColor(Qt::black) : ParseColor(f, m_state.blackMode);
        } else {
            it.DefaultFont = true;
        }
    } else if (letter == QLatin1Char('R') || letter == QLatin1Char('B')) {
        it.Kind = letter == QLatin1Char('R') ? pkRect : pkBox;
        it.Width = trimmed(nextField(pos));
        it.Height = trimmed(nextField(pos));
        it.Radius = trimmed(nextField(pos));
        penPart(it.Kind == pkBox, false);
    } else if (letter == QLatin1Char('L')) {
        it.Kind = pkLine;
        it.Width = trimmed(nextField(pos));
        it.Height = trimmed(nextField(pos));
        penPart(false, true);
    } else if (letter == QLatin1Char('I')) {
        it.Kind = pkImage;
        it.Width = trimmed(nextField(pos));
        it.Height = trimmed(nextField(pos));
        QString file = trimmed(part2);
        if (!file.isEmpty() && !hasDirectoryPart(file))
            file = AppDir() + file;
        it.Target2 = file;
    } else if (letter == QLatin1Char('K')) {
        it.Kind = pkBarCode;
        it.Width = trimmed(nextField(pos));
        it.Height = trimmed(nextField(pos));
        it.Expression = part2;
    } else {
        return;
    }
    if (it.Width.isEmpty())
        it.Width = QStringLiteral("0");
    if (it.Height.isEmpty())
        it.Height = QStringLiteral("0");
    it.MeasuredWidth = it.Width;
}
