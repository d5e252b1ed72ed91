#pragma once
// The registry of form classes (every view the main window can show and every kind of
// fillable form) and the factories that turn entries into windows, creating each window
// once and handing the same instance out again.

#include "forms/classregistry.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class QWidget;
class TFormCreator;

struct TZeltoFormInfo
{
    const QMetaObject *FormClass = nullptr;
    QString Description;
    QString ID;
    QString ScriptFile;
    QString HelpFile;
    QString TemplateFile;
    QString ImportFile;
    QString ExpressionFile;
    QString Category;

    QString className() const { return FormClass ? QString::fromLatin1(FormClass->className()) : QString(); }
};

class TZeltoFormList
{
public:
    // Registers the class by name and appends an entry; false (nothing added) when the
    // class is missing or its name is taken by another class.
    bool RegisterForm(const QMetaObject *formClass, TComponentCreator create, const QString &id,
                      const QString &category, const QString &description = QString(),
                      const QString &helpFile = QString(), const QString &scriptFile = QString(),
                      const QString &templateFile = QString(), const QString &importFile = QString(),
                      const QString &expressionFile = QString());
    template <class T>
    bool RegisterForm(const QString &id, const QString &category, const QString &description = QString())
    {
        return RegisterForm(&T::staticMetaObject, [] { return new T(); }, id, category, description);
    }
    // An entry for a class already registered by name (the catalogue's custom forms).
    bool RegisterInfo(const TZeltoFormInfo &info);

    // First entry of exactly that class.
    const TZeltoFormInfo *FindInfoByClass(const QMetaObject *formClass) const;
    // The name trimmed, compared upper-cased.
    const TZeltoFormInfo *FindInfoByClassName(const QString &name) const;
    // Exact, case-sensitive, untrimmed.
    const TZeltoFormInfo *FindInfoByID(const QString &id) const;

    int count() const { return int(m_entries.size()); }
    const TZeltoFormInfo *at(int index) const { return m_entries.at(size_t(index)).get(); }

private:
    std::vector<std::unique_ptr<TZeltoFormInfo>> m_entries;
};

// The process-wide registry.
TZeltoFormList *RegisteredForms();

class TZeltoFormsFactory : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool AlwaysCreate READ AlwaysCreate WRITE setAlwaysCreate)
    Q_PROPERTY(QString XMLTemplatesDirectory READ XMLTemplatesDirectory WRITE setXMLTemplatesDirectory)

public:
    // forms: the registry to create from (none: RegisteredForms()).
    explicit TZeltoFormsFactory(QObject *owner = nullptr, TZeltoFormList *forms = nullptr);
    ~TZeltoFormsFactory() override;

    bool AlwaysCreate() const { return m_alwaysCreate; }
    void setAlwaysCreate(bool on) { m_alwaysCreate = on; }
    QString XMLTemplatesDirectory() const { return m_templatesDirectory; }
    void setXMLTemplatesDirectory(const QString &dir) { m_templatesDirectory = dir; }

    QWidget *GetFormByClass(const QMetaObject *formClass);
    QWidget *GetFormByID(const QString &id);
    QWidget *CreateFormFromInfo(const TZeltoFormInfo *info);
    // Builds window from its class-named description, or for a fillable form from its
    // template file; nothing happens when no candidate file exists.
    void ApplyDescription(QWidget *window);
    // The file ApplyDescription would use for window, "" when none.
    QString DescriptionFileFor(const QWidget *window) const;

    TFormCreator *creator() const { return m_creator; }
    TZeltoFormList *forms() const { return m_forms; }
    // The windows this factory made, in order.
    QList<QWidget *> windows() const;

private:
    bool m_alwaysCreate = false;
    QString m_templatesDirectory;
    TFormCreator *m_creator;
    TZeltoFormList *m_forms;
};

// A fillable form window (its class or a base class is TZeltoBaseForm).
bool IsBaseForm(const QObject *window);
