#include "forms/zelto_formfactory.h"

#include "forms/form_creator.h"

#include "common/apppaths.h"
#include "common/pathresolver.h"
#include "common/propertytext.h"

#include <QFileInfo>
#include <QWidget>

bool TZeltoFormList::RegisterForm(const QMetaObject *formClass, TComponentCreator create, const QString &id,
                                  const QString &category, const QString &description, const QString &helpFile,
                                  const QString &scriptFile, const QString &templateFile, const QString &importFile,
                                  const QString &expressionFile)
{
    if (!formClass || !TClassRegistry::instance().registerClass(formClass, std::move(create)))
        return false;
    TZeltoFormInfo info;
    info.FormClass = formClass;
    info.ID = id;
    info.Category = category;
    info.Description = description;
    info.HelpFile = helpFile;
    info.ScriptFile = scriptFile;
    info.TemplateFile = templateFile;
    info.ImportFile = importFile;
    info.ExpressionFile = expressionFile;
    m_entries.push_back(std::make_unique<TZeltoFormInfo>(info));
    return true;
}

bool TZeltoFormList::RegisterInfo(const TZeltoFormInfo &info)
{
    if (!info.FormClass || !TClassRegistry::instance().isRegistered(info.FormClass))
        return false;
    m_entries.push_back(std::make_unique<TZeltoFormInfo>(info));
    return true;
}

const TZeltoFormInfo *TZeltoFormList::FindInfoByClass(const QMetaObject *formClass) const
{
    for (const auto &e : m_entries)
        if (e->FormClass == formClass)
            return e.get();
    return nullptr;
}

const TZeltoFormInfo *TZeltoFormList::FindInfoByClassName(const QString &name) const
{
    const QString wanted = name.trimmed().toUpper();
    for (const auto &e : m_entries)
        if (e->className().toUpper() == wanted)
            return e.get();
    return nullptr;
}

const TZeltoFormInfo *TZeltoFormList::FindInfoByID(const QString &id) const
{
    for (const auto &e : m_entries)
        if (e->ID == id)
            return e.get();
    return nullptr;
}

TZeltoFormList *RegisteredForms()
{
    static TZeltoFormList list;
    return &list;
}

bool IsBaseForm(const QObject *window)
{
    return window && window->inherits("TZeltoBaseForm");
}

TZeltoFormsFactory::TZeltoFormsFactory(QObject *owner, TZeltoFormList *forms)
    : QObject(owner)
    , m_creator(new TFormCreator(this))
    , m_forms(forms ? forms : RegisteredForms())
{
}

TZeltoFormsFactory::~TZeltoFormsFactory()
{
    // The windows go with the factory, embedded or not.
    for (QWidget *w : windows())
        delete w;
}

QList<QWidget *> TZeltoFormsFactory::windows() const
{
    QList<QWidget *> out;
    for (QObject *o : Components::Owned(this))
        if (auto *w = qobject_cast<QWidget *>(o))
            out << w;
    return out;
}

QWidget *TZeltoFormsFactory::GetFormByClass(const QMetaObject *formClass)
{
    if (!formClass)
        return nullptr;
    if (!m_alwaysCreate) {
        for (QWidget *w : windows())
            if (w->metaObject() == formClass)
                return w;
    }
    return CreateFormFromInfo(m_forms->FindInfoByClass(formClass));
}

QWidget *TZeltoFormsFactory::GetFormByID(const QString &id)
{
    if (!m_alwaysCreate) {
        for (QWidget *w : windows())
            if (IsBaseForm(w) && PropertyText::valueToText(w, QStringLiteral("ID")) == id)
                return w;
    }
    QWidget *w = CreateFormFromInfo(m_forms->FindInfoByID(id));
    if (w && IsBaseForm(w))
        PropertyText::setFromText(w, QStringLiteral("ID"), id);
    return w;
}

QWidget *TZeltoFormsFactory::CreateFormFromInfo(const TZeltoFormInfo *info)
{
    if (!info || !info->FormClass)
        return nullptr;
    QObject *object = TClassRegistry::instance().create(info->FormClass);
    auto *window = qobject_cast<QWidget *>(object);
    if (!window) {
        delete object;
        return nullptr;
    }
    try {
        Components::SetOwner(window, this);
        if (IsBaseForm(window)) {
            PropertyText::setFromText(window, QStringLiteral("ID"), info->ID);
            PropertyText::setFromText(window, QStringLiteral("HelpFile"), info->HelpFile);
            PropertyText::setFromText(window, QStringLiteral("ScriptFile"), info->ScriptFile);
            PropertyText::setFromText(window, QStringLiteral("TemplateFile"), info->TemplateFile);
            PropertyText::setFromText(window, QStringLiteral("ImportFile"), info->ImportFile);
            PropertyText::setFromText(window, QStringLiteral("ExpressionFile"), info->ExpressionFile);
            PropertyText::setFromText(window, QStringLiteral("Category"), info->Category);
        }
        ApplyDescription(window);
    } catch (...) {
        delete window;
        return nullptr;
    }
    return window;
}

QString TZeltoFormsFactory::DescriptionFileFor(const QWidget *window) const
{
    const QString dir = m_templatesDirectory.trimmed();
    if (!window || dir.isEmpty())
        return QString();
    QString base = ToLinuxPath(dir);
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    auto exists = [](const QString &path) { return QFileInfo(ResolvePath(path)).isFile(); };
    QString candidate = base + QString::fromLatin1(window->metaObject()->className()) + QStringLiteral(".xml");
    if (!exists(candidate) && IsBaseForm(window)) {
        const QString templateFile = PropertyText::valueToText(window, QStringLiteral("TemplateFile"));
        candidate = AppDir() + ToLinuxPath(templateFile);
        if (!exists(candidate))
            candidate = base + ToLinuxPath(templateFile);
    }
    return exists(candidate) ? ResolvePath(candidate) : QString();
}

void TZeltoFormsFactory::ApplyDescription(QWidget *window)
{
    const QString file = DescriptionFileFor(window);
    if (file.isEmpty())
        return;
    m_creator->setFileName(file);
    m_creator->BuildForm(window);
    if (IsBaseForm(window))
        QMetaObject::invokeMethod(window, "ResetFields", Qt::DirectConnection);
}
