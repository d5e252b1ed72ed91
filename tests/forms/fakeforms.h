#pragma once
// Stand-ins for form windows of the layers above, so the registry and factories can be
// tested on their own: a fillable form with the published file properties and a field
// reset, and a plain view.

#include "forms/twControls.h"

class TZeltoBaseForm : public TForm
{
    Q_OBJECT
    Q_PROPERTY(QString ID MEMBER m_id)
    Q_PROPERTY(QString ScriptFile MEMBER m_scriptFile)
    Q_PROPERTY(QString TemplateFile MEMBER m_templateFile)
    Q_PROPERTY(QString ImportFile MEMBER m_importFile)
    Q_PROPERTY(QString ExpressionFile MEMBER m_expressionFile)
    Q_PROPERTY(QString Category MEMBER m_category)

public:
    Q_INVOKABLE explicit TZeltoBaseForm(QWidget *parent = nullptr)
        : TForm(parent)
    {
    }
    Q_INVOKABLE void ResetFields() { ++resets; }

    QString m_id, m_scriptFile, m_templateFile, m_importFile, m_expressionFile, m_category;
    int resets = 0;
};

class TTestPitForm : public TZeltoBaseForm
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TTestPitForm(QWidget *parent = nullptr)
        : TZeltoBaseForm(parent)
    {
    }
};

class TTestView : public TForm
{
    Q_OBJECT
    Q_PROPERTY(QString DocumentType MEMBER m_documentType)
public:
    Q_INVOKABLE explicit TTestView(QWidget *parent = nullptr)
        : TForm(parent)
    {
    }
    QString m_documentType;
};
