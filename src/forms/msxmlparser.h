#pragma once
// The XML reader of catalogues and layout descriptions: a small document tree that keeps
// attributes in document order (the order in which a description assigns properties
// matters), element names matched exactly as written, and the parse error of a failed load.

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class TXmlNode
{
public:
    enum TKind { Document, Element, Text, Comment, Other };

    TKind kind = Element;
    QString name;
    QString text;
    QList<QPair<QString, QString>> attributes; // in document order
    std::vector<std::unique_ptr<TXmlNode>> children;
    TXmlNode *parent = nullptr;

    bool isElement() const { return kind == Element; }
    bool isElement(const QString &elementName) const { return kind == Element && name == elementName; }
    // The attribute's text, "" when it is missing.
    QString attribute(const QString &attributeName) const;
    bool hasChildNodes() const { return !children.empty(); }
};

struct TXmlParseError
{
    int line = 0;
    int column = 0;
    QString reason;
    QString sourceText; // the text of the line the error is on
};

class TMSXMLParser : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString FileName READ FileName WRITE setFileName)

public:
    // Deeper nesting than this is refused as a parse error, so no description can exhaust
    // the stack of the recursive walks that follow.
    static constexpr int MaxDepth = 200;

    explicit TMSXMLParser(QObject *owner = nullptr);
    ~TMSXMLParser() override;

    QString FileName() const { return m_fileName; }
    void setFileName(const QString &fileName) { m_fileName = fileName; }

    // False when the file does not exist or does not parse (the error is kept).
    bool load();
    bool loadFromData(const QByteArray &data);
    const TXmlParseError &parseError() const { return m_error; }
    // The document node (children are the top-level nodes); empty after a failed load.
    const TXmlNode *document() const { return m_document.get(); }

    // OnStart, every node depth-first with its level (0 for children of the document),
    // OnFinish (also when a handler throws).
    void walk();
    std::function<void(TMSXMLParser *)> OnStart;
    std::function<void(TMSXMLParser *, const TXmlNode *, int)> OnNode;
    std::function<void(TMSXMLParser *)> OnFinish;

    // The first element of nodes whose name equals name in lower case (exact comparison).
    static const TXmlNode *findChild(const std::vector<std::unique_ptr<TXmlNode>> &nodes, const QString &name);
    static QString getAttribute(const TXmlNode *node, const QString &name);

private:
    void walkNode(const TXmlNode *node, int level);

    QString m_fileName;
    std::unique_ptr<TXmlNode> m_document;
    TXmlParseError m_error;
};
