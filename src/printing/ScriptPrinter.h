#pragma once
// The print-script runner: reads a script, turns the document's field values into
// numbered parameters and executes the commands on the page engine, which then shows
// the preview, prints or (for automation) keeps the recorded pages.

#include "printing/PrintDrv.h"
#include "printing/printitems.h"

#include <QObject>
#include <QString>
#include <QStringList>

class TScriptPrinter : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString ScriptFile MEMBER m_scriptFile)
    Q_PROPERTY(QString DataFile MEMBER m_dataFile)
    Q_PROPERTY(QString ParamsFile MEMBER m_paramsFile)
    Q_PROPERTY(QString Description MEMBER m_description)
    Q_PROPERTY(QString Title MEMBER m_title)
    Q_PROPERTY(bool ShowPrintDialog MEMBER m_showPrintDialog)
    Q_PROPERTY(int Copies MEMBER m_copies)
    Q_PROPERTY(int LineWidthFactor MEMBER m_lineWidthFactor)
    Q_PROPERTY(bool PrintGraphics MEMBER m_printGraphics)
    Q_PROPERTY(QString ZeroAs MEMBER m_zeroAs)

public:
    // Runs stop themselves beyond these, whatever a script asks for.
    static constexpr int kMaxPages = 10000;
    static constexpr int kMaxCallDepth = 32;
    static constexpr int kMaxRepetitions = 10000;
    static constexpr qint64 kMaxCommands = 1000000;

    explicit TScriptPrinter(QObject *parent = nullptr);
    ~TScriptPrinter() override;

    QString scriptFile() const { return m_scriptFile; }
    void setScriptFile(const QString &file) { m_scriptFile = file; }
    QString dataFile() const { return m_dataFile; }
    void setDataFile(const QString &file) { m_dataFile = file; }
    QString paramsFile() const { return m_paramsFile; }
    void setParamsFile(const QString &file) { m_paramsFile = file; }
    QString description() const { return m_description; }
    void setDescription(const QString &text) { m_description = text; }
    QString title() const { return m_title; }
    void setTitle(const QString &text) { m_title = text; }
    bool showPrintDialog() const { return m_showPrintDialog; }
    void setShowPrintDialog(bool on) { m_showPrintDialog = on; }
    int copies() const { return m_copies; }
    void setCopies(int copies) { m_copies = copies; }
    int lineWidthFactor() const { return m_lineWidthFactor; }
    void setLineWidthFactor(int factor) { m_lineWidthFactor = factor; }
    bool printGraphics() const { return m_printGraphics; }
    void setPrintGraphics(bool on) { m_printGraphics = on; }
    QString zeroAs() const { return m_zeroAs; }
    void setZeroAs(const QString &text) { m_zeroAs = text; }

    bool Print();
    bool Preview();
    void SetPages(const QString &pages) { m_pages = pages; }
    void AddParam(int number, const QString &value);
    void AddParamCond(int number, bool condition, const QString &ifTrue, const QString &ifFalse);
    void ClearParams() { m_params.clear(); }
    const QStringList &params() const { return m_params; }
    void AddTable(TPrintDataSet *dataSet);
    void SetupPrinter();
    static QString GetScriptName(const QString &fileName);
    // The entries "n=value" of a parameters file: positive integer numbers, trimmed values.
    static QStringList ReadParamsFile(const QString &fileName);

    TMWPrintObject &Engine() { return m_engine; }
    TPrintItems &Items() { return m_items; }
    // The caption the runner shows while it works ("Trwa przygotowanie wydruku...").
    QString statusText() const { return m_status; }
    // True when the last run could not read its script.
    bool loadFailed() const { return m_loadFailed; }

private:
    bool run(bool preview);
    void loadParamsFile();
    void executeRange(int from, int to); // 0-based, inclusive
    void execute(int index, int &next, bool &stop);
    // The value a text or bar-code object prints (its parameter or its expression), kept in
    // the object's Target for later references.
    QString objectValue(int index, const TPrintItem &it);
    void callProcedure(const QString &name, double x, double y);
    void printHeader();
    void printFooter();
    void checkOverflow();
    double number(const QString &text);
    bool budgetExceeded();

    QString m_scriptFile;
    QString m_dataFile;
    QString m_paramsFile;
    QString m_description;
    QString m_title = QStringLiteral("Drukowanie");
    bool m_showPrintDialog = false;
    int m_copies = 1;
    int m_lineWidthFactor = 0;
    bool m_printGraphics = false;
    QString m_zeroAs;
    QString m_pages;
    QStringList m_params;
    std::vector<TPrintDataSet *> m_tables;

    TMWPrintObject m_engine;
    TPrintItems m_items;
    QString m_status;
    QString m_currentBlock;
    bool m_repeating = false;
    bool m_textBlockOpen = false;
    bool m_abort = false;
    bool m_loadFailed = false;
    int m_callDepth = 0;
    qint64 m_executed = 0;
};
