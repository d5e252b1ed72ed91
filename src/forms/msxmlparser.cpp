#include "forms/msxmlparser.h"

#include "common/pathresolver.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

QString TXmlNode::attribute(const QString &attributeName) const
{
    for (const auto &a : attributes) {
        if (a.first == attributeName)
            return a.second;
    }
    return QString();
}

TMSXMLParser::TMSXMLParser(QObject *owner)
    : QObject(owner)
{
}

TMSXMLParser::~TMSXMLParser() = default;

bool TMSXMLParser::load()
{
    m_document.reset();
    m_error = TXmlParseError();
    const QString path = ResolvePath(m_fileName);
    if (m_fileName.trimmed().isEmpty() || !QFileInfo(path).isFile()) {
        m_error.reason = QStringLiteral("The system cannot locate the object specified.");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error.reason = file.errorString();
        return false;
    }
    return loadFromData(file.readAll());
}

bool TMSXMLParser::loadFromData(const QByteArray &data)
{
    m_document.reset();
    m_error = TXmlParseError();
    auto doc = std::make_unique<TXmlNode>();
    doc->kind = TXmlNode::Document;
    TXmlNode *current = doc.get();
    int depth = 0;
    bool sawRoot = false;

    QXmlStreamReader reader(data);
    while (!reader.atEnd()) {
        const auto token = reader.readNext();
        switch (token) {
        case QXmlStreamReader::StartElement: {
            if (++depth > MaxDepth) {
                reader.raiseError(QStringLiteral("Elements are nested too deeply."));
                break;
            }
            auto node = std::make_unique<TXmlNode>();
            node->kind = TXmlNode::Element;
            node->name = reader.qualifiedName().toString();
            for (const QXmlStreamAttribute &a : reader.attributes())
                node->attributes.append({a.qualifiedName().toString(), a.value().toString()});
            node->parent = current;
            TXmlNode *raw = node.get();
            current->children.push_back(std::move(node));
            current = raw;
            sawRoot = true;
            break;
        }
        case QXmlStreamReader::EndElement:
            --depth;
            if (current->parent)
                current = current->parent;
            break;
        case QXmlStreamReader::Characters:
        case QXmlStreamReader::Comment: {
            // Whitespace-only text is not kept, as a parser that does not preserve it would.
            if (token == QXmlStreamReader::Characters && (reader.isWhitespace() || current == doc.get()))
                break;
            auto node = std::make_unique<TXmlNode>();
            node->kind = token == QXmlStreamReader::Comment ? TXmlNode::Comment : TXmlNode::Text;
            node->text = reader.text().toString();
            node->parent = current;
            current->children.push_back(std::move(node));
            break;
        }
        default:
            break;
        }
    }
    if (!reader.hasError() && !sawRoot)
        reader.raiseError(QStringLiteral("XML document must have a top level element."));
    if (reader.hasError()) {
        m_error.line = int(reader.lineNumber());
        m_error.column = int(reader.columnNumber());
        m_error.reason = reader.errorString();
        const QList<QByteArray> lines = data.split('\n');
        if (m_error.line >= 1 && m_error.line <= lines.size())
            m_error.sourceText = QString::fromUtf8(lines.at(m_error.line - 1)).trimmed();
        return false;
    }
    m_document = std::move(doc);
    return true;
}

void TMSXMLParser::walk()
{
    struct TFinish
    {
        TMSXMLParser *p;
        ~TFinish()
        {
            if (p->OnFinish)
                p->OnFinish(p);
        }
    } finish{this};
    if (OnStart)
        OnStart(this);
    if (m_document) {
        for (const auto &c : m_document->children)
            walkNode(c.get(), 0);
    }
}

void TMSXMLParser::walkNode(const TXmlNode *node, int level)
{
    if (OnNode)
        OnNode(this, node, level);
    for (const auto &c : node->children)
        walkNode(c.get(), level + 1);
}

const TXmlNode *TMSXMLParser::findChild(const std::vector<std::unique_ptr<TXmlNode>> &nodes, const QString &name)
{
    const QString wanted = name.toLower();
    for (const auto &n : nodes) {
        if (n->kind == TXmlNode::Element && n->name == wanted)
            return n.get();
    }
    return nullptr;
}

QString TMSXMLParser::getAttribute(const TXmlNode *node, const QString &name)
{
    return node ? node->attribute(name) : QString();
}
