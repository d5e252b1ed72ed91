#pragma once
// Published properties by name and as text. A component's published properties are its
// Q_PROPERTYs; names compare without regard to case, and the object name answers to
// "Name". Texts: Booleans "True"/"False", enumerations by identifier, sets in brackets
// ("[fsBold,fsItalic]"), integers in decimal (or "$" hexadecimal when read), numbers with
// ".", texts as they are.

#include <QMetaProperty>
#include <QObject>
#include <QString>
#include <QStringList>

namespace PropertyText {

// The name the outside world uses ("Name" for objectName).
QString publishedName(const QMetaProperty &property);
// Index of the property answering to name, -1 when there is none.
int findProperty(const QObject *object, const QString &name);
// Integers, characters, enumerations (Booleans too), numbers, sets, texts, variants.
bool isSimpleKind(const QMetaProperty &property);
// Simple-kind, readable and writable properties sorted by published name.
QList<QMetaProperty> simpleProperties(const QObject *object);

QString valueToText(const QObject *object, const QMetaProperty &property);
// False (and the property unchanged) when the text does not convert or the write fails.
bool setFromText(QObject *object, const QMetaProperty &property, const QString &text);
// By name; false when there is no such property.
bool setFromText(QObject *object, const QString &name, const QString &text);
QString valueToText(const QObject *object, const QString &name);

// Object-valued properties: pointers to a QObject class (sub-objects such as a font, or
// references to other components).
bool isObjectKind(const QMetaProperty &property);
QObject *readObject(const QObject *object, const QMetaProperty &property);
// Assigns target (none allowed). False, and nothing changes, when target is not of the
// property's class, the property is read-only or the write fails.
bool writeObject(QObject *object, const QMetaProperty &property, QObject *target);

} // namespace PropertyText
