#include "propertytext.h"

#include "twtools.h"

#include <QHash>
#include <QMetaEnum>

#include <algorithm>

namespace PropertyText {

QString publishedName(const QMetaProperty &property)
{
    const QString name = QString::fromLatin1(property.name());
    return name == QLatin1String("objectName") ? QStringLiteral("Name") : name;
}

int findProperty(const QObject *object, const QString &name)
{
    if (!object)
        return -1;
    const QMetaObject *meta = object->metaObject();
    // One table per class, built on first use: layout descriptions look properties up by
    // name for every attribute of every control.
    static QHash<const QMetaObject *, QHash<QString, int>> tables;
    auto it = tables.find(meta);
    if (it == tables.end()) {
        QHash<QString, int> table;
        // The most derived class first: a class's own "Width" wins over an inherited "width".
        for (int i = meta->propertyCount() - 1; i >= 0; --i) {
            const QString key = publishedName(meta->property(i)).toUpper();
            if (!table.contains(key))
                table.insert(key, i);
        }
        it = tables.insert(meta, table);
    }
    return it->value(name.trimmed().toUpper(), -1);
}

bool isSimpleKind(const QMetaProperty &property)
{
    if (property.isEnumType() || property.isFlagType())
        return true;
    switch (property.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Bool:
    case QMetaType::QChar:
    case QMetaType::Char:
    case QMetaType::QString:
    case QMetaType::QByteArray:
    case QMetaType::QVariant:
        return true;
    default:
        return false;
    }
}

QList<QMetaProperty> simpleProperties(const QObject *object)
{
    QList<QMetaProperty> out;
    const QMetaObject *meta = object->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        if (p.isReadable() && p.isWritable() && isSimpleKind(p))
            out << p;
    }
    std::sort(out.begin(), out.end(), [](const QMetaProperty &a, const QMetaProperty &b) {
        return publishedName(a).compare(publishedName(b), Qt::CaseInsensitive) < 0;
    });
    return out;
}

namespace {

bool textToInteger(const QString &text, qlonglong &value)
{
    const QString t = text.trimmed();
    bool ok = false;
    if (t.startsWith(QLatin1Char('$')))
        value = t.mid(1).toLongLong(&ok, 16);
    else if (t.startsWith(QLatin1String("-$")))
        value = -t.mid(2).toLongLong(&ok, 16);
    else
        value = t.toLongLong(&ok, 10);
    return ok;
}

bool enumKey(const QMetaEnum &e, const QString &key, int &value)
{
    for (int i = 0; i < e.keyCount(); ++i) {
        if (QString::fromLatin1(e.key(i)).compare(key.trimmed(), Qt::CaseInsensitive) == 0) {
            value = e.value(i);
            return true;
        }
    }
    return false;
}

} // namespace

QString valueToText(const QObject *object, const QMetaProperty &property)
{
    const QVariant v = property.read(object);
    if (property.isFlagType()) {
        const QMetaEnum e = property.enumerator();
        const int bits = v.toInt();
        QStringList names;
        for (int i = 0; i < e.keyCount(); ++i) {
            const int kv = e.value(i);
            if (kv != 0 && (bits & kv) == kv && (kv & (kv - 1)) == 0)
                names << QString::fromLatin1(e.key(i));
        }
        return QLatin1Char('[') + names.join(QLatin1Char(',')) + QLatin1Char(']');
    }
    if (property.isEnumType()) {
        const QMetaEnum e = property.enumerator();
        const char *key = e.valueToKey(v.toInt());
        return key ? QString::fromLatin1(key) : QString::number(v.toInt());
    }
    switch (property.metaType().id()) {
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double:
    case QMetaType::Float:
        return FloatToText(v.toDouble());
    case QMetaType::QByteArray:
        return QString::fromUtf8(v.toByteArray());
    default:
        return v.toString();
    }
}

bool setFromText(QObject *object, const QMetaProperty &property, const QString &text)
{
    QVariant value;
    if (property.isFlagType()) {
        QString t = text.trimmed();
        if (t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']')))
            t = t.mid(1, t.size() - 2);
        int bits = 0;
        for (const QString &part : t.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            int one = 0;
            if (!enumKey(property.enumerator(), part, one))
                return false;
            bits |= one;
        }
        value = bits;
    } else if (property.isEnumType()) {
        int one = 0;
        if (!enumKey(property.enumerator(), text, one))
            return false;
        value = one;
    } else {
        switch (property.metaType().id()) {
        case QMetaType::Bool:
            if (text.trimmed().compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
                value = true;
            else if (text.trimmed().compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
                value = false;
            else
                return false;
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Long:
        case QMetaType::ULong: {
            qlonglong n = 0;
            if (!textToInteger(text, n))
                return false;
            value = n;
            if (!value.convert(property.metaType()) || value.toLongLong() != n)
                return false;
            break;
        }
        case QMetaType::Double:
        case QMetaType::Float: {
            double d = 0;
            if (!TextToFloat(text, d))
                return false;
            value = d;
            break;
        }
        case QMetaType::QChar:
        case QMetaType::Char:
            if (text.size() != 1)
                return false;
            value = text.at(0);
            break;
        case QMetaType::QByteArray:
            value = text.toUtf8();
            break;
        case QMetaType::QString:
        case QMetaType::QVariant:
            value = text;
            break;
        default:
            return false;
        }
    }
    return property.write(object, value);
}

bool setFromText(QObject *object, const QString &name, const QString &text)
{
    const int index = findProperty(object, name);
    return index >= 0 && setFromText(object, object->metaObject()->property(index), text);
}

QString valueToText(const QObject *object, const QString &name)
{
    const int index = findProperty(object, name);
    return index >= 0 ? valueToText(object, object->metaObject()->property(index)) : QString();
}

bool isObjectKind(const QMetaProperty &property)
{
    return (property.metaType().flags() & QMetaType::PointerToQObject) != 0;
}

QObject *readObject(const QObject *object, const QMetaProperty &property)
{
    if (!object || !isObjectKind(property))
        return nullptr;
    return property.read(object).value<QObject *>();
}

bool writeObject(QObject *object, const QMetaProperty &property, QObject *target)
{
    if (!object || !isObjectKind(property) || !property.isWritable())
        return false;
    const QMetaObject *wanted = property.metaType().metaObject();
    if (target && wanted && !target->metaObject()->inherits(wanted))
        return false;
    // Qt classes keep QObject as their first base, so the pointer value is the same for
    // every class along the chain.
    QVariant value(property.metaType(), &target);
    return property.write(object, value);
}

} // namespace PropertyText
