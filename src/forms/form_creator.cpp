#include "forms/form_creator.h"

#include "forms/classregistry.h"
#include "forms/msxmlparser.h"
#include "forms/twControls.h"
#include "forms/vcl.h"

#include "common/dialogs.h"
#include "common/propertytext.h"
#include "common/switches.h"

#include <QStackedWidget>
#include <QWidget>

TFormCreator::TFormCreator(QObject *owner)
    : QObject(owner)
{
}

bool TFormCreator::BuildForm(QWidget *target)
{
    TMSXMLParser parser;
    parser.setFileName(m_fileName);
    if (!parser.load()) {
        if (SwitchPresent(QStringLiteral("/TEST"))) {
            const TXmlParseError &e = parser.parseError();
            ShowBox(bkInformation, e.sourceText + QStringLiteral("\r\n") + e.reason, QStringLiteral("Papyra"));
        }
        return false;
    }
    return build(target, parser);
}

bool TFormCreator::BuildFormFromData(QWidget *target, const QByteArray &data)
{
    TMSXMLParser parser;
    if (!parser.loadFromData(data))
        return false;
    return build(target, parser);
}

bool TFormCreator::build(QWidget *target, TMSXMLParser &parser)
{
    m_created.clear();
    m_target = target;
    if (!target || !parser.document())
        return false;
    const TXmlNode *root = TMSXMLParser::findChild(parser.document()->children, QStringLiteral("form"));
    if (!root)
        return false;
    ApplyAttributes(target, root);
    createComponents(root, target);
    if (const TXmlNode *change = TMSXMLParser::findChild(root->children, QStringLiteral("change")))
        applyChanges(change);
    if (m_target)
        Vcl::ApplyTabOrders(m_target);
    return true;
}

QList<QObject *> TFormCreator::created() const
{
    QList<QObject *> out;
    for (const QPointer<QObject> &p : m_created)
        if (p)
            out << p.data();
    return out;
}

bool TFormCreator::IsFormClass(const QObject *component)
{
    // A widget without parent is a window to the toolkit; what counts here is the class.
    return component && (component->inherits("TForm") || component->inherits("QDialog")
                         || component->inherits("QMainWindow"));
}

bool TFormCreator::IsWindowedControl(const QObject *component)
{
    auto *w = qobject_cast<const QWidget *>(component);
    if (!w)
        return false;
    static const char *const graphic[] = {"TLabel", "TShape", "TImage", "TBevel", "TPaintBox", "TSpeedButton", "TSplitter"};
    for (const char *name : graphic)
        if (w->inherits(name))
            return false;
    return !qobject_cast<const QLabel *>(w) || w->inherits("TStaticText");
}

void TFormCreator::createComponents(const TXmlNode *parentNode, QWidget *container)
{
    for (const auto &child : parentNode->children) {
        const TXmlNode *element = child.get();
        if (!m_target || !container)
            return;
        if (!element->isElement(QStringLiteral("component")))
            continue;
        const QMetaObject *meta = TClassRegistry::instance().findClass(element->attribute(QStringLiteral("class")));
        if (!meta)
            continue;
        QObject *component = TClassRegistry::instance().create(meta);
        if (!component)
            continue;
        Components::SetOwner(component, m_target);
        m_created << QPointer<QObject>(component);
        auto *control = qobject_cast<QWidget *>(component);
        if (control) {
            QWidget *parent = container;
            const QString parentName = element->attribute(QStringLiteral("parent"));
            if (!parentName.isEmpty()) {
                QObject *named = FindComponentByName(m_target, parentName);
                if (named && named != component && IsWindowedControl(named))
                    parent = static_cast<QWidget *>(named);
            }
            if (IsFormClass(control)) {
                // A form inside a form: no caption or border, filling its parent.
                control->setWindowFlags(Qt::Widget);
                Vcl::PlaceControl(control, parent);
                control->move(0, 0);
                Vcl::SetAlign(control, Vcl::alClient);
            } else {
                Vcl::PlaceControl(control, parent);
            }
            // Pages of a page control are shown by it; everything else is visible as made.
            if (!qobject_cast<QStackedWidget *>(control->parentWidget()))
                control->show();
        } else {
            component->setParent(m_target);
        }
        ApplyAttributes(component, element);
        if (control && IsWindowedControl(control) && element->hasChildNodes())
            createComponents(element, control);
    }
}

void TFormCreator::applyChanges(const TXmlNode *parentNode)
{
    for (const auto &child : parentNode->children) {
        const TXmlNode *element = child.get();
        if (!m_target)
            return;
        if (!element->isElement(QStringLiteral("component")))
            continue;
        QObject *component = FindComponentByName(m_target, element->attribute(QStringLiteral("name")));
        if (!component)
            continue;
        ApplyAttributes(component, element);
        if (IsWindowedControl(component) && element->hasChildNodes())
            applyChanges(element);
    }
}

void TFormCreator::ApplyAttributes(QObject *component, const TXmlNode *element)
{
    if (!component || !element)
        return;
    QPointer<QObject> guard(component);
    for (const auto &attribute : element->attributes) {
        if (!guard)
            return;
        if (attribute.first == QLatin1String("class") || attribute.first == QLatin1String("parent"))
            continue;
        QString value;
        if (!ConvertValue(attribute.second, value))
            return;
        if (SetPropertyByPath(component, attribute.first, value) == srEndElement)
            return;
    }
}

bool TFormCreator::ConvertValue(const QString &text, QString &result)
{
    int color = 0;
    if (Vcl::ColorFromIdent(text, color)) {
        result = QString::number(color);
        return true;
    }
    if (text.startsWith(QLatin1Char('$'))) {
        bool ok = false;
        const qulonglong n = text.mid(1).toULongLong(&ok, 16);
        if (!ok || n > 0xFFFFFFFFull || text.size() < 2)
            return false;
        // Thirty-two bits, as the old integer conversion read them ($FFFFFFFF is -1).
        result = QString::number(qint32(quint32(n)));
        return true;
    }
    result = text;
    result.replace(QLatin1String("\\n"), QLatin1String("\r\n"));
    return true;
}

QString TFormCreator::ConvertValue(const QString &text)
{
    QString result;
    return ConvertValue(text, result) ? result : text;
}

TFormCreator::TSetResult TFormCreator::SetPropertyByPath(QObject *component, const QString &path, const QString &value)
{
    if (!component)
        return srEndElement;
    const int dot = path.indexOf(QLatin1Char('.'));
    if (dot >= 0) {
        const QString head = path.left(dot).trimmed();
        const QString tail = path.mid(dot + 1).trimmed();
        const int index = PropertyText::findProperty(component, head);
        if (index < 0)
            return srEndElement;
        const QMetaProperty property = component->metaObject()->property(index);
        if (!PropertyText::isObjectKind(property))
            return srEndElement;
        if (QObject *sub = PropertyText::readObject(component, property))
            return SetPropertyByPath(sub, tail, value);
        return srDone;
    }
    const int index = PropertyText::findProperty(component, path);
    if (index < 0)
        return srDone;
    const QMetaProperty property = component->metaObject()->property(index);
    if (PropertyText::isObjectKind(property)) {
        // An owned sub-object (a font) cannot be replaced by a component.
        if (!property.isWritable())
            return srEndElement;
        QObject *owner = Components::Owner(component);
        QObject *target = owner ? FindComponentByName(owner, value) : nullptr;
        PropertyText::writeObject(component, property, target);
        return srDone;
    }
    if (PropertyText::publishedName(property) == QLatin1String("Name")) {
        // Names are unique among one owner's components.
        QObject *owner = Components::Owner(component);
        QObject *same = owner ? FindComponentByName(owner, value) : nullptr;
        if (same && same != component)
            return srSkipped;
    }
    return PropertyText::setFromText(component, property, value) ? srDone : srSkipped;
}

QObject *TFormCreator::FindComponentByName(const QObject *owner, const QString &name)
{
    return Components::FindComponent(owner, name);
}
