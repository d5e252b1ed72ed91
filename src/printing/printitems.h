#pragma once
// A print script read into command records, with the value language the commands are
// written in (literals, references, STR concatenation, EVAL arithmetic, FORMAT pictures,
// conditions, variables and string functions) and the script's access to data-file
// tables, caller data sets and SQL queries.

#include "printing/PrintDrv.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QSqlQuery;

enum TPrintItemKind {
    pkNone,
    pkText,
    pkRect,
    pkBox,
    pkImage,
    pkLine,
    pkBarCode,
    pkPage,
    pkPos,
    pkFont,
    pkTextLine,
    pkEmptyLine,
    pkBack,
    pkSetDX,
    pkSetDY,
    pkLabel,
    pkRepeat,
    pkBlockStart,
    pkBlockEnd,
    pkCall,
    pkRepeatCall,
    pkSet,
    pkEval,
    pkRepeatPage,
    pkNextRecord,
    pkPrevRecord,
    pkDataSetCommand,
    pkPrepareSql,
    pkMessage,
    pkTextBlock,
    pkEndTextBlock,
    pkBlackMode,
    pkColorMode,
    pkTransparent,
    pkOpaque,
    pkFill,
    pkNoFill
};

// The name of a kind as the diagnostics write it ("Text", "RepeatCall").
QString PrintItemKindName(TPrintItemKind kind);

struct TPrintItem
{
    TPrintItemKind Kind = pkNone;
    QString X = QStringLiteral("0");
    QString Y = QStringLiteral("0");
    QString Count = QStringLiteral("0");
    QString Width = QStringLiteral("0");
    QString Height = QStringLiteral("0");
    QString Radius;
    bool Clip = false;
    QString MeasuredWidth;
    QString Align = QStringLiteral("L");
    QString Angle;
    int ParamNo = 0;
    int PenWidth = 1;
    QString Target;
    QString Target2;
    QString Spare;
    QString VarName;
    QString FuncName;
    QString FontName;
    int FontSize = 0;
    int FontStyle = 0;
    QColor Color = Qt::black;
    QString Block;
    QString QueryName;
    QString SqlText;
    QString SqlParams;
    QString Condition;
    QString Expression;
    int PageNo = 0;
    bool DefaultFont = true;
    bool BlankZero = false;
    bool PenInMM = false;
};

// A data set handed over by the calling code (a document list, a query of its own).
// Field values are texts; positions count from 1.
class TPrintDataSet
{
public:
    virtual ~TPrintDataSet() = default;
    virtual QString name() const = 0;
    virtual bool prior() = 0;
    virtual bool next() = 0;
    virtual bool first() = 0;
    virtual bool last() = 0;
    virtual int recNo() const = 0;
    virtual int recordCount() const = 0;
    virtual bool eof() const = 0;
    virtual bool bof() const = 0;
    // False when the field does not exist.
    virtual bool fieldValue(const QString &field, QString &value) const = 0;
};

// Settings shared by the reader and the runner; put back before every run, so that a
// setting one script makes never reaches the next.
struct TPrintState
{
    TMWFontInfo defaultFont; // "MS SANS SERIF", 8, no style, black
    int defaultLineWidth = 1;
    bool blackMode = false;
    bool fillMode = false;
    bool graphicsOn = false;
    bool transparent = true;
    double pageX = 0, pageY = 0;
    double dx = 0, dy = 0;
    double baseDX = 0, baseDY = 0;
    double headerHeight = 0, footerHeight = 0;
    double cursorX = 20, cursorY = 20;

    void reset(bool printGraphics);
};

class TPrintItems
{
public:
    static constexpr int kSlots = 50;
    static const QString InternalVarBlock; // "INTERNALVAR"

    explicit TPrintItems(TMWPrintObject *engine);
    ~TPrintItems();
    TPrintItems(const TPrintItems &) = delete;
    TPrintItems &operator=(const TPrintItems &) = delete;

    TMWPrintObject *Engine() const { return m_engine; }
    TPrintState &State() { return m_state; }

    // ---- reading ----
    bool Load(const QString &fileName);
    // Reads script text directly (tests, fuzzing); INCLUDE names are taken from AppDir.
    void LoadText(const QString &text);
    void Clear();
    void AddDataSet(TPrintDataSet *dataSet);

    int count() const { return int(m_items.size()); }
    TPrintItem &item(int index) { return m_items[size_t(index)]; }
    const TPrintItem &item(int index) const { return m_items[size_t(index)]; }
    std::vector<TPrintItem> &items() { return m_items; }

    int PageCounter = 0;
    int PagesRead = 0;
    QString CurrentBlock;
    int SqlCollector = -1; // index of the SQL block command being collected
    bool InTextBlock = false;
    bool InInclude = false;
    QStringList Params;
    QString PageFilter;
    QString DataFile;
    QString TableName;
    int TableFieldBase = 0;
    int TableFieldCount = 0;
    QStringList TableRecords;
    int TableRecNo = 0;
    int TableRecordCount = 0;
    QString ScriptName;
    QString ZeroAs;

    // ---- values and data ----
    void AddParamItems();
    void Evaluate(QString &text);
    QString EvaluateNumber(const QString &text);
    bool TestCondition(const QString &condition);
    QString SubstituteBrackets(const QString &text);
    QString GetVariable(const QString &name);
    void SetVariable(const QString &target, const QString &value);
    void ApplyFunction(const QString &function, const QString &arguments);
    void MoveTableRecord(const QString &table, bool backwards);
    int DataSetCommand(const QString &text);
    void PrepareQuery(const QString &block, const QString &parameters);
    void CloseQueries();
    // The internal variable of a number; empty when there is none.
    QString InternalVariable(int number) const;
    // The value of a run-time name (PAGE, DATE …); false when the term is none.
    bool RunTimeValue(const QString &term, QString &value) const;
    // An EVAL expression computed (the text after "EVAL ").
    QString EvaluateArithmetic(const QString &expression);
    // A coordinate value read from a text (leading valid part, "." point).
    static double CoordinateValue(const QString &text);
    // The colour rule, with black mode applied to integer colours.
    static QColor ParseColor(const QString &text, bool blackMode);

private:
    void readFile(const QString &fileName);
    void readLines(const QString &text);
    void parseLine(TPrintItem &item, const QString &rawLine);
    void parseObjectLine(TPrintItem &item, const QString &trimmed);
    int findVariable(const QString &name) const;
    QString resolveTerm(const QString &term);
    QString resolveOperand(const QString &run);
    QString dataSetAccess(const QString &term);
    void forgetTable();

    TMWPrintObject *m_engine;
    TPrintState m_state;
    std::vector<TPrintItem> m_items;
    struct TQuerySlot;
    std::vector<std::unique_ptr<TQuerySlot>> m_queries;
    std::vector<TPrintDataSet *> m_dataSets;
    QString m_connection;
};
