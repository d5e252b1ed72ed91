// The value language of print scripts and their data: parameters, variables, data-file
// tables, caller data sets and SQL queries (methods of TPrintItems).

#include "printing/printitems.h"

#include "common/codepage.h"
#include "common/dialogs.h"
#include "common/pathresolver.h"
#include "common/twtools.h"
#include "expressions/expParser.h"
#include "expressions/twSlownie.h"

#include <QLocale>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

#include <cmath>

namespace {

constexpr int kMaxRuns = 100;
// A data file may announce any field count; more internal variables than this would only
// exhaust memory.
constexpr int kMaxTableFields = 1000;

bool startsWithCI(const QString &text, const char *prefix)
{
    return text.startsWith(QLatin1String(prefix), Qt::CaseInsensitive);
}

bool isBracketed(const QString &t)
{
    return t.size() >= 2 && t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'));
}

bool isIntegerText(const QString &t)
{
    if (t.isEmpty() || !IsInteger(t))
        return false;
    bool ok = false;
    t.toInt(&ok);
    return ok;
}

double numericValue(const QString &value)
{
    const QString t = value.trimmed();
    const qsizetype blank = t.indexOf(QLatin1Char(' '));
    return ParseNumber(blank < 0 ? t : t.left(blank));
}

bool isOperatorChar(QChar c)
{
    return c == QLatin1Char('(') || c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char('*')
        || c == QLatin1Char('/') || c == QLatin1Char(')') || c == QLatin1Char(' ');
}

int compareCp1250(const QString &a, const QString &b)
{
    const QByteArray x = Cp1250::encode(a);
    const QByteArray y = Cp1250::encode(b);
    const int n = int(std::min(x.size(), y.size()));
    for (int i = 0; i < n; ++i) {
        const auto cx = uchar(x[i]);
        const auto cy = uchar(y[i]);
        if (cx != cy)
            return cx < cy ? -1 : 1;
    }
    return x.size() == y.size() ? 0 : (x.size() < y.size() ? -1 : 1);
}

} // namespace

// One query a script opened: its rows are fetched at once, so moving back and forth and
// counting need nothing from the engine.
struct TPrintItems::TQuerySlot
{
    QString name;
    std::vector<QSqlRecord> rows;
    int pos = 0; // 0-based
    bool eof = true;
    bool bof = true;
};

TPrintItems::TPrintItems(TMWPrintObject *engine) : m_engine(engine) {}

TPrintItems::~TPrintItems()
{
    CloseQueries();
    if (!m_connection.isEmpty()) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

void TPrintItems::AddDataSet(TPrintDataSet *dataSet)
{
    if (dataSet && int(m_dataSets.size()) < kSlots)
        m_dataSets.push_back(dataSet);
}

// ---------------------------------------------------------------- parameters

void TPrintItems::forgetTable()
{
    TableName.clear();
    TableRecords.clear();
    TableFieldBase = 0;
    TableFieldCount = 0;
    TableRecNo = 0;
    TableRecordCount = 0;
}

void TPrintItems::AddParamItems()
{
    forgetTable();
    for (const QString &entry : std::as_const(Params)) {
        const qsizetype eq = entry.indexOf(QLatin1Char('='));
        const QString number = eq < 0 ? entry : entry.left(eq);
        if (!isIntegerText(number))
            continue;
        TPrintItem v;
        v.Kind = pkSet;
        v.Block = InternalVarBlock;
        v.ParamNo = number.toInt();
        v.VarName = QString::number(v.ParamNo);
        v.Target = eq < 0 ? QString() : entry.mid(eq + 1);
        v.Expression = v.Target;
        m_items.push_back(v);
    }
}

QString TPrintItems::InternalVariable(int number) const
{
    for (const TPrintItem &it : m_items) {
        if (it.ParamNo == number && it.Block == InternalVarBlock)
            return it.Target;
    }
    return QString();
}

// ---------------------------------------------------------------- values

bool TPrintItems::RunTimeValue(const QString &term, QString &value) const
{
    QString t = term.trimmed();
    if (isBracketed(t))
        t = t.mid(1, t.size() - 2);
    t = QLatin1Char(' ') + t.trimmed().toUpper() + QLatin1Char(' ');
    if (t.contains(QLatin1String(" PAGE "))) {
        value = QString::number(PageCounter);
    } else if (t.contains(QLatin1String(" TIME "))) {
        value = QLocale().toString(Now().time(), QLocale::LongFormat);
    } else if (t.contains(QLatin1String(" DATE "))) {
        value = QLocale().toString(Today(), QLocale::ShortFormat);
    } else if (t.contains(QLatin1String(" RECNO "))) {
        value = QString::number(TableRecNo);
    } else if (t.contains(QLatin1String(" RECORDCOUNT "))) {
        value = QString::number(TableRecordCount);
    } else if (t.contains(QLatin1String(" FIELDCOUNT "))) {
        value = QString::number(TableFieldCount);
    } else if (t.contains(QLatin1String(" RECORDLEFT "))) {
        value = QString::number(TableRecNo == 0 ? TableRecordCount : TableRecordCount - TableRecNo + 1);
    } else {
        return false;
    }
    return true;
}

void TPrintItems::Evaluate(QString &text)
{
    const QString t = text.trimmed();
    if (startsWithCI(t, "STR ")) {
        QString rest = t.mid(4).trimmed();
        QString result;
        bool first = true;
        QChar op = QLatin1Char('+');
        while (true) {
            QString operand;
            QChar nextOp;
            if (rest == QLatin1String("'+'") || rest == QLatin1String("'-'")) {
                operand = rest;
            } else {
                qsizetype p = rest.indexOf(QLatin1Char('+'));
                if (p < 0)
                    p = rest.indexOf(QLatin1Char('-'));
                if (p <= 0) {
                    operand = rest;
                } else {
                    operand = rest.left(p);
                    nextOp = rest[p];
                    rest = rest.mid(p + 1).trimmed();
                }
            }
            const QString value = resolveTerm(operand.trimmed());
            if (first) {
                result = value;
            } else if (op == QLatin1Char('+')) {
                result += value;
            } else if (!value.isEmpty()) {
                const qsizetype at = result.indexOf(value);
                if (at >= 0)
                    result.remove(at, value.size());
            }
            if (nextOp.isNull())
                break;
            op = nextOp;
            first = false;
        }
        text = result;
    } else if (startsWithCI(t, "EVAL ")) {
        text = EvaluateArithmetic(t.mid(5));
    } else if (startsWithCI(t, "FORMAT ")) {
        const QString body = t.mid(7);
        const qsizetype comma = body.indexOf(QLatin1Char(','));
        const QString valuePart = comma < 0 ? body : body.left(comma);
        QString picture = comma < 0 ? QString() : body.mid(comma + 1).trimmed();
        const bool zeroPicture = picture.contains(QLatin1Char('0'));
        if (zeroPicture)
            picture.replace(QLatin1Char('0'), QLatin1Char('#'));
        const QString value = EvaluateArithmetic(valuePart);
        if (picture.isEmpty()) {
            text = value;
        } else {
            const double x = ParseNumber(value);
            if (x == 0 && !zeroPicture && !ZeroAs.isEmpty())
                text = ZeroAs;
            else
                text = FormatMask(picture, x);
        }
    } else if (isBracketed(t)) {
        const QString inner = t.mid(1, t.size() - 2).trimmed().toUpper();
        static const QStringList names = {QStringLiteral("DATE"),        QStringLiteral("TIME"),
                                          QStringLiteral("PAGE"),        QStringLiteral("RECNO"),
                                          QStringLiteral("RECORDCOUNT"), QStringLiteral("FIELDCOUNT"),
                                          QStringLiteral("RECORDLEFT")};
        QString value;
        if (names.contains(inner) && RunTimeValue(inner, value))
            text = value;
        else
            text = inner;
    }
}

QString TPrintItems::resolveTerm(const QString &term)
{
    QString value;
    if (RunTimeValue(term, value))
        return value;
    if (isBracketed(term)) {
        const QString n = EvaluateNumber(term.mid(1, term.size() - 2).trimmed().toUpper());
        return isIntegerText(n) ? InternalVariable(n.toInt()) : QString();
    }
    if (term.size() >= 2 && term.startsWith(QLatin1Char('\'')) && term.endsWith(QLatin1Char('\'')))
        return term.mid(1, term.size() - 2);
    if (term.isEmpty())
        return QString();
    return GetVariable(term);
}

QString TPrintItems::resolveOperand(const QString &run)
{
    const QString r = run.trimmed();
    if (isBracketed(r)) {
        const QString n = EvaluateNumber(r.mid(1, r.size() - 2).trimmed().toUpper());
        if (isIntegerText(n))
            return InternalVariable(n.toInt());
    }
    return GetVariable(r);
}

QString TPrintItems::EvaluateNumber(const QString &text)
{
    if (IsNumber(text))
        return text;
    return EvaluateArithmetic(text);
}

QString TPrintItems::EvaluateArithmetic(const QString &expression)
{
    // Operators and blanks stay as written; every operand in between becomes a number.
    QString joined;
    int runs = 0;
    qsizetype i = 0;
    const qsizetype n = expression.size();
    while (i < n && runs < kMaxRuns) {
        const bool op = isOperatorChar(expression[i]);
        qsizetype j = i;
        while (j < n && isOperatorChar(expression[j]) == op)
            ++j;
        const QString run = expression.mid(i, j - i);
        if (op) {
            joined += run;
        } else if (IsNumber(run)) {
            joined += run;
        } else {
            const QString value = resolveOperand(run);
            joined += value.isEmpty() ? QStringLiteral("0") : value;
        }
        ++runs;
        i = j;
    }
    TMathParser parser;
    parser.SetParseString(joined);
    parser.Parse();
    if (parser.ParseError())
        return joined;
    const double value = parser.ParseValue();
    if (value == 0 && !ZeroAs.isEmpty())
        return ZeroAs;
    return FloatToText(value);
}

double TPrintItems::CoordinateValue(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        ++i;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128)
        ++i;
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128)
            ++i;
    }
    // An exponent counts only when it is complete.
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype k = i + 1;
        if (k < n && (text[k] == QLatin1Char('-') || text[k] == QLatin1Char('+')))
            ++k;
        qsizetype d = k;
        while (d < n && text[d].isDigit() && text[d].unicode() < 128)
            ++d;
        if (d > k)
            i = d;
    }
    double v = 0;
    if (!TextToFloat(text.mid(start, i - start), v))
        return 0;
    return v;
}

bool TPrintItems::TestCondition(const QString &condition)
{
    if (condition.trimmed().isEmpty())
        return true;
    static const char *ops[] = {"<>", "<=", ">=", "=", "<", ">", "$"};
    QString op;
    qsizetype at = -1;
    for (const char *o : ops) {
        at = condition.indexOf(QLatin1String(o));
        if (at >= 0) {
            op = QLatin1String(o);
            break;
        }
    }
    auto beginsStrOrEval = [](const QString &s) { return startsWithCI(s, "STR") || startsWithCI(s, "EVAL"); };
    if (op.isEmpty()) {
        QString c = condition.trimmed();
        if (!beginsStrOrEval(c))
            c = QStringLiteral("STR ") + c;
        Evaluate(c);
        return !c.isEmpty();
    }
    QString left = condition.left(at).trimmed();
    QString right = condition.mid(at + op.size()).trimmed();
    if (!beginsStrOrEval(left))
        left = QStringLiteral("STR ") + left;
    const bool numeric = startsWithCI(left, "EVAL");
    if (startsWithCI(left, "STR") && !startsWithCI(right, "STR "))
        right = QStringLiteral("STR ") + right;
    else if (numeric && !startsWithCI(right, "EVAL "))
        right = QStringLiteral("EVAL ") + right;
    Evaluate(left);
    Evaluate(right);
    left = left.toUpper().trimmed();
    right = right.toUpper().trimmed();
    int cmp = 0;
    if (numeric && op != QLatin1String("$")) {
        const double a = numericValue(left);
        const double b = numericValue(right);
        cmp = a < b ? -1 : (a > b ? 1 : 0);
    } else {
        if (op == QLatin1String("$"))
            return left.contains(right);
        cmp = compareCp1250(left, right);
    }
    if (op == QLatin1String("="))
        return cmp == 0;
    if (op == QLatin1String("<>"))
        return cmp != 0;
    if (op == QLatin1String("<"))
        return cmp < 0;
    if (op == QLatin1String(">"))
        return cmp > 0;
    if (op == QLatin1String("<="))
        return cmp <= 0;
    if (op == QLatin1String(">="))
        return cmp >= 0;
    return left.contains(right);
}

// ---------------------------------------------------------------- variables

int TPrintItems::findVariable(const QString &name) const
{
    const QString key = name.trimmed().toUpper();
    if (key.isEmpty())
        return -1;
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i].VarName == key)
            return int(i);
    }
    return -1;
}

QString TPrintItems::GetVariable(const QString &term)
{
    if (term.contains(QLatin1Char(':')))
        return dataSetAccess(term);
    QString value;
    if (RunTimeValue(term, value))
        return value;
    const qsizetype dot = term.indexOf(QLatin1Char('.'));
    const QString name = (dot < 0 ? term : term.left(dot)).trimmed().toUpper();
    const QString property = dot < 0 ? QString() : term.mid(dot + 1).trimmed().toUpper();
    const int index = findVariable(name);
    if (index < 0)
        return QString();
    const TPrintItem &it = m_items[size_t(index)];
    auto nthChar = [&](const QString &v) {
        const QString inner = property.mid(5, property.size() - 6);
        const QString n = EvaluateNumber(inner);
        if (isIntegerText(n)) {
            const int k = n.toInt();
            if (k >= 1 && k <= v.size())
                return QString(v[k - 1]);
        }
        return QStringLiteral(" ");
    };
    const bool charProperty = property.startsWith(QLatin1String("TEXT[")) && property.endsWith(QLatin1Char(']'));
    if (it.Kind == pkSet || it.Block == InternalVarBlock)
        return charProperty ? nthChar(it.Target) : it.Target;
    if (property == QLatin1String("X"))
        return EvaluateNumber(it.X);
    if (property == QLatin1String("Y"))
        return EvaluateNumber(it.Y);
    if (property == QLatin1String("W"))
        return EvaluateNumber(it.MeasuredWidth);
    if (property == QLatin1String("H"))
        return EvaluateNumber(it.Height);
    if (property == QLatin1String("TEXT"))
        return it.Target;
    if (charProperty)
        return nthChar(it.Target);
    return QString();
}

void TPrintItems::SetVariable(const QString &target, const QString &value)
{
    QString t = target.trimmed();
    if (isBracketed(t))
        t = t.mid(1, t.size() - 2).trimmed();
    if (isIntegerText(t)) {
        const int n = t.toInt();
        for (TPrintItem &it : m_items) {
            if (it.ParamNo == n && it.Block == InternalVarBlock) {
                it.Target = value;
                return;
            }
        }
        return;
    }
    const int index = findVariable(t);
    if (index >= 0)
        m_items[size_t(index)].Target = value;
}

QString TPrintItems::SubstituteBrackets(const QString &text)
{
    QString out;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('['), pos);
        const qsizetype close = text.indexOf(QLatin1Char(']'), pos);
        if (close >= 0 && (open < 0 || close < open) && close + 1 < text.size() && text[close + 1] == QLatin1Char(']')) {
            out += text.mid(pos, close - pos) + QLatin1Char(']');
            pos = close + 2;
            continue;
        }
        if (open < 0 || close < open)
            break;
        out += text.mid(pos, open - pos);
        if (open + 1 < text.size() && text[open + 1] == QLatin1Char('[')) {
            out += QLatin1Char('[');
            pos = open + 2;
            continue;
        }
        const QString inner = text.mid(open + 1, close - open - 1);
        if (isIntegerText(inner))
            out += InternalVariable(inner.toInt());
        else
            out += text.mid(open, close - open + 1);
        pos = close + 1;
    }
    out += text.mid(pos);
    return out;
}

// ---------------------------------------------------------------- EVAL functions

void TPrintItems::ApplyFunction(const QString &function, const QString &arguments)
{
    static const QStringList known = {
        QStringLiteral("FORMAT"), QStringLiteral("UPCASE"), QStringLiteral("LOCASE"), QStringLiteral("COPY"),
        QStringLiteral("PAD"),    QStringLiteral("LEFTPAD"), QStringLiteral("TRIM"),  QStringLiteral("LEN"),
        QStringLiteral("ROUND"),  QStringLiteral("INC"),    QStringLiteral("INT"),    QStringLiteral("ODD"),
        QStringLiteral("FRAC"),   QStringLiteral("SAY")};
    const QString f = function.trimmed().toUpper();
    if (!known.contains(f))
        return;
    const qsizetype comma = arguments.indexOf(QLatin1Char(','));
    const QString target = (comma < 0 ? arguments : arguments.left(comma)).trimmed();
    const QString rest = comma < 0 ? QString() : arguments.mid(comma + 1);
    if (target.isEmpty())
        return;
    const QString value = resolveOperand(target);
    const double number = numericValue(value);
    auto argInt = [&](const QString &a) {
        const QString v = EvaluateNumber(a.trimmed());
        return isIntegerText(v) ? v.toInt() : 0;
    };
    QString result = value;
    if (f == QLatin1String("FORMAT")) {
        result = FormatMask(rest.trimmed(), number);
    } else if (f == QLatin1String("UPCASE")) {
        result = value.toUpper();
    } else if (f == QLatin1String("LOCASE")) {
        result = value.toLower();
    } else if (f == QLatin1String("COPY")) {
        QString r = rest;
        const int start = argInt(r.section(QLatin1Char(','), 0, 0));
        const int length = argInt(r.section(QLatin1Char(','), 1, 1));
        const int from = std::max(start, 1);
        result = length > 0 && from <= value.size() ? value.mid(from - 1, length) : QString();
    } else if (f == QLatin1String("PAD") || f == QLatin1String("LEFTPAD")) {
        const qsizetype c2 = rest.indexOf(QLatin1Char(','));
        const int length = std::min(argInt(c2 < 0 ? rest : rest.left(c2)), 100000);
        const QString chText = c2 < 0 ? QString() : rest.mid(c2 + 1).trimmed();
        const QChar ch = chText.isEmpty() ? QLatin1Char(' ') : chText[0];
        result = f == QLatin1String("PAD") ? PadRight(value, length, ch) : PadLeft(value, length, ch);
    } else if (f == QLatin1String("TRIM")) {
        result = value.trimmed();
    } else if (f == QLatin1String("LEN")) {
        result = QString::number(value.trimmed().size());
    } else if (f == QLatin1String("ROUND")) {
        const double step = ParseNumber(EvaluateNumber(rest.trimmed()));
        // A zero step has no multiples; the value stays as it is.
        if (step != 0)
            result = FloatToText(RoundToStep(step, number));
    } else if (f == QLatin1String("INC")) {
        result = FloatToText(number + ParseNumber(EvaluateNumber(rest.trimmed())));
    } else if (f == QLatin1String("INT")) {
        result = FloatToText(std::trunc(number));
    } else if (f == QLatin1String("ODD")) {
        const double whole = std::trunc(number);
        result = std::fmod(std::fabs(whole), 2.0) == 1.0 ? QStringLiteral("1") : QStringLiteral("0");
    } else if (f == QLatin1String("FRAC")) {
        result = FloatToText(number - std::trunc(number));
    } else if (f == QLatin1String("SAY")) {
        result = AmountInWords(number);
    }
    SetVariable(target, result);
}

// ---------------------------------------------------------------- data-file tables

void TPrintItems::MoveTableRecord(const QString &table, bool backwards)
{
    const QString name = table.trimmed().toUpper();
    if (name.isEmpty())
        return;
    if (name != TableName) {
        forgetTable();
        QString text;
        bool found = false;
        if (!DataFile.isEmpty() && ReadCp1250File(ResolvePath(DataFile), text)) {
            const QStringList lines = text.split(QLatin1Char('\n'));
            bool inTable = false;
            for (QString line : lines) {
                if (line.endsWith(QLatin1Char('\r')))
                    line.chop(1);
                const QString t = line.trimmed();
                if (!inTable) {
                    if (!t.section(QLatin1Char(' '), 0, 0).startsWith(QLatin1String("TABLE"), Qt::CaseInsensitive)
                        || t.size() < 6 || t[5] != QLatin1Char(' '))
                        continue;
                    QString spec = t.mid(6);
                    const qsizetype c1 = spec.indexOf(QLatin1Char(','));
                    const QString tableName = (c1 < 0 ? spec : spec.left(c1)).trimmed().toUpper();
                    if (tableName != name)
                        continue;
                    spec = c1 < 0 ? QString() : spec.mid(c1 + 1);
                    const qsizetype c2 = spec.indexOf(QLatin1Char(','));
                    TableFieldCount = std::clamp(StrToIntIfInteger((c2 < 0 ? spec : spec.left(c2)).trimmed()), 0,
                                                 kMaxTableFields);
                    QString base = c2 < 0 ? QString() : spec.mid(c2 + 1).trimmed();
                    const qsizetype blank = base.indexOf(QLatin1Char(' '));
                    if (blank >= 0)
                        base = base.left(blank);
                    TableFieldBase = StrToIntIfInteger(base);
                    inTable = true;
                    found = true;
                    continue;
                }
                if (t.compare(QLatin1String("ENDTABLE"), Qt::CaseInsensitive) == 0)
                    break;
                TableRecords.append(t);
            }
        }
        if (!found) {
            forgetTable();
            return;
        }
        for (int i = 0; i < TableFieldCount; ++i) {
            TPrintItem v;
            v.Kind = pkSet;
            v.Block = InternalVarBlock;
            v.ParamNo = TableFieldBase + i;
            v.VarName = QString::number(v.ParamNo);
            m_items.push_back(v);
        }
        TableRecordCount = int(TableRecords.size());
        TableName = name;
    }
    TableRecNo = std::clamp(TableRecNo + (backwards ? -1 : 1), 0, TableRecordCount);
    const QString record = TableRecNo == 0 ? QString() : TableRecords.value(TableRecNo - 1);
    const QStringList fields = record.split(QStringLiteral("</>"));
    for (int i = 1; i <= TableFieldCount; ++i)
        SetVariable(QString::number(TableFieldBase + i - 1), TableRecNo == 0 ? QString() : fields.value(i - 1));
}

// ---------------------------------------------------------------- data sets and queries

int TPrintItems::DataSetCommand(const QString &text)
{
    static const QString keywords = QStringLiteral("PRIOR     NEXT      FIRST     LAST      RECNO     COUNT     "
                                                   "LEFT      EOF       BOF       ");
    const QString t = text.trimmed().toUpper();
    const qsizetype colon = t.indexOf(QLatin1Char(':'));
    const QString setName = (colon < 0 ? t : t.left(colon)).trimmed();
    const QString word = colon < 0 ? QString() : t.mid(colon + 1).trimmed();
    const qsizetype found = word.isEmpty() ? -1 : keywords.indexOf(word);

    for (const auto &q : m_queries) {
        if (q->name != setName)
            continue;
        if (found < 0)
            return -1;
        const int count = int(q->rows.size());
        switch ((found + 1) / 10) {
        case 0:
            if (q->pos > 0) {
                --q->pos;
                q->eof = false;
                q->bof = false;
            } else {
                q->bof = true;
            }
            return 0;
        case 1:
            if (q->pos + 1 < count) {
                ++q->pos;
                q->bof = false;
                q->eof = false;
            } else {
                q->eof = true;
            }
            return 0;
        case 2:
            q->pos = 0;
            q->bof = true;
            q->eof = count == 0;
            return 0;
        case 3:
            q->pos = std::max(0, count - 1);
            q->eof = true;
            q->bof = count == 0;
            return 0;
        case 4:
            return count == 0 ? 0 : q->pos + 1;
        case 5:
            return count;
        case 6:
            return count - (count == 0 ? 0 : q->pos + 1);
        case 7:
            return q->eof ? 1 : 0;
        case 8:
            return q->bof ? 1 : 0;
        default:
            return -1;
        }
    }
    for (TPrintDataSet *ds : m_dataSets) {
        if (ds->name().trimmed().toUpper() != setName)
            continue;
        if (found < 0)
            return -1;
        switch ((found + 1) / 10) {
        case 0:
            return ds->prior() ? 0 : -1;
        case 1:
            return ds->next() ? 0 : -1;
        case 2:
            return ds->first() ? 0 : -1;
        case 3:
            return ds->last() ? 0 : -1;
        case 4:
            return ds->recNo();
        case 5:
            return ds->recordCount();
        case 6:
            return ds->recordCount() - ds->recNo();
        case 7:
            return ds->eof() ? 1 : 0;
        case 8:
            return ds->bof() ? 1 : 0;
        default:
            return -1;
        }
    }
    return t.contains(QLatin1String(":EOF")) ? 1 : -1;
}

QString TPrintItems::dataSetAccess(const QString &term)
{
    const int value = DataSetCommand(term);
    if (value != -1)
        return QString::number(value);
    const QString t = term.trimmed().toUpper();
    const qsizetype colon = t.indexOf(QLatin1Char(':'));
    const QString setName = t.left(colon).trimmed();
    const QString field = t.mid(colon + 1).trimmed();
    for (const auto &q : m_queries) {
        if (q->name != setName)
            continue;
        if (q->pos < 0 || q->pos >= int(q->rows.size()))
            return QString();
        const QSqlRecord &r = q->rows[size_t(q->pos)];
        for (int i = 0; i < r.count(); ++i) {
            if (r.fieldName(i).compare(field, Qt::CaseInsensitive) == 0)
                return r.value(i).toString();
        }
        return QString();
    }
    for (TPrintDataSet *ds : m_dataSets) {
        if (ds->name().trimmed().toUpper() != setName)
            continue;
        QString v;
        if (!ds->fieldValue(field, v))
            return QString();
        return v.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    }
    return QString();
}

namespace {

// Placeholders of a statement ("?" or ":name"), outside quoted texts.
int countPlaceholders(const QString &sql)
{
    int count = 0;
    QChar quote;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else if (c == QLatin1Char('?')) {
            ++count;
        } else if (c == QLatin1Char(':') && i + 1 < sql.size() && (sql[i + 1].isLetter() || sql[i + 1] == QLatin1Char('_'))) {
            ++count;
            while (i + 1 < sql.size() && (sql[i + 1].isLetterOrNumber() || sql[i + 1] == QLatin1Char('_')))
                ++i;
        }
    }
    return count;
}

} // namespace

void TPrintItems::PrepareQuery(const QString &block, const QString &parameters)
{
    const QString blockName = block.trimmed().toUpper();
    QString queryName;
    for (const TPrintItem &it : m_items) {
        if (it.Kind == pkBlockStart && it.Block == blockName && !it.QueryName.isEmpty()) {
            queryName = it.QueryName;
            break;
        }
    }
    if (queryName.isEmpty())
        return;
    QString statement;
    for (const TPrintItem &it : m_items) {
        if (it.Kind == pkBlockStart && it.Block == blockName && it.QueryName == queryName) {
            statement = it.SqlText.trimmed();
            break;
        }
    }
    TQuerySlot *slot = nullptr;
    for (const auto &q : m_queries) {
        if (q->name == queryName) {
            slot = q.get();
            slot->rows.clear();
            break;
        }
    }
    if (!slot) {
        if (int(m_queries.size()) >= kSlots)
            return;
        m_queries.push_back(std::make_unique<TQuerySlot>());
        slot = m_queries.back().get();
        slot->name = queryName;
    }
    slot->pos = 0;
    slot->eof = true;
    slot->bof = true;

    if (m_connection.isEmpty()) {
        m_connection = QStringLiteral("printscript-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(QStringLiteral(":memory:"));
    }
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    if (!db.isOpen())
        return;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(statement))
        return;
    const int placeholders = countPlaceholders(statement);
    const QStringList elements = parameters.split(QLatin1Char(','));
    for (int i = 0; i < elements.size() && i < placeholders; ++i) {
        if (parameters.trimmed().isEmpty())
            break;
        const QString value = resolveOperand(elements[i]);
        if (isIntegerText(value))
            query.bindValue(i, value.toLongLong());
        else if (!value.isEmpty() && IsNumber(value))
            query.bindValue(i, ParseNumber(value));
        else
            query.bindValue(i, value);
    }
    if (!query.exec())
        return;
    while (query.next())
        slot->rows.push_back(query.record());
    slot->eof = slot->rows.empty();
    slot->bof = true;
}

void TPrintItems::CloseQueries()
{
    m_queries.clear();
}
