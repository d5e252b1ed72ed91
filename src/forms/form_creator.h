#pragma once
// Builds and changes a window's controls from an XML layout description: "component"
// elements create registered classes inside the window, "change" elements modify
// components it already has, and every other attribute is a property assignment by name.

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;
class TMSXMLParser;
class TXmlNode;

class TFormCreator : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString FileName READ FileName WRITE setFileName)

public:
    explicit TFormCreator(QObject *owner = nullptr);

    QString FileName() const { return m_fileName; }
    void setFileName(const QString &fileName) { m_fileName = fileName; }

    // Builds target from FileName; true when the file loaded and had a root "form".
    // With "/TEST" a file that does not parse shows the parse error.
    bool BuildForm(QWidget *target);
    // The same from a description already in memory (no message on a parse error).
    bool BuildFormFromData(QWidget *target, const QByteArray &data);

    // Every attribute of element but "class" and "parent" as a property of component.
    void ApplyAttributes(QObject *component, const TXmlNode *element);

    // Colour identifiers become their number, "$" hexadecimal becomes decimal, "\n"
    // becomes a line break. False for a "$" text that is not a hexadecimal number.
    static bool ConvertValue(const QString &text, QString &result);
    static QString ConvertValue(const QString &text);

    enum TSetResult { srDone, srSkipped, srEndElement };
    // Sets a property by name or dotted path (Font.Style). srEndElement when the path's
    // head is not an object-valued property, or a component name is given to an owned
    // sub-object; srSkipped when a plain value does not convert.
    static TSetResult SetPropertyByPath(QObject *component, const QString &path, const QString &value);
    static QObject *FindComponentByName(const QObject *owner, const QString &name);

    // Controls that can hold other controls (labels, shapes, images, bevels and flat
    // buttons cannot).
    static bool IsWindowedControl(const QObject *component);
    // Window classes: forms, dialogs, main windows (embedded when a description creates one).
    static bool IsFormClass(const QObject *component);

    // The components created by the last build, in creation order.
    QList<QObject *> created() const;

private:
    bool build(QWidget *target, TMSXMLParser &parser);
    void createComponents(const TXmlNode *parentNode, QWidget *container);
    void applyChanges(const TXmlNode *parentNode);

    QString m_fileName;
    QPointer<QWidget> m_target;
    QList<QPointer<QObject>> m_created;
};
