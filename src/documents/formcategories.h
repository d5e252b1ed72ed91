#pragma once
// The category classes of fillable forms. Each is a calculated form that stores a fixed
// category code with its documents, whatever category its registry entry assigns; layout,
// rules, print entries and help of a form type come from the catalogue and the registry.

#include "documents/zelto_calculatedform.h"

class TZeltoFormList;

class TNIPForm : public TZeltoCalculatedForm
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TNIPForm(QWidget *parent = nullptr);
    QString Category() const override;
};

class TPitForm : public TZeltoCalculatedForm
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TPitForm(QWidget *parent = nullptr);
    QString Category() const override;
};

class TPPForm : public TZeltoCalculatedForm
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TPPForm(QWidget *parent = nullptr);
    QString Category() const override;
};

class TVatForm : public TZeltoCalculatedForm
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TVatForm(QWidget *parent = nullptr);
    QString Category() const override;
};

class TOfficeForm : public TZeltoCalculatedForm
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TOfficeForm(QWidget *parent = nullptr);
    QString Category() const override;
};

class TBankForm : public TZeltoCalculatedForm
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TBankForm(QWidget *parent = nullptr);
    QString Category() const override;
};

class TPit2002Form : public TPitForm
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TPit2002Form(QWidget *parent = nullptr);
    QString Category() const override;
};

class TPit2003Form : public TPitForm
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TPit2003Form(QWidget *parent = nullptr);
    QString Category() const override;
};

class TPit2004Form : public TPitForm
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TPit2004Form(QWidget *parent = nullptr);
    QString Category() const override;
};

class TPit2005Form : public TPitForm
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TPit2005Form(QWidget *parent = nullptr);
    QString Category() const override;
};

class TPit2006Form : public TPitForm
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TPit2006Form(QWidget *parent = nullptr);
    QString Category() const override;
};

class TPit2007Form : public TPitForm
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TPit2007Form(QWidget *parent = nullptr);
    QString Category() const override;
};

class TPit2008Form : public TPitForm
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TPit2008Form(QWidget *parent = nullptr);
    QString Category() const override;
};

// The registry entries of this layer, each at its place in the built-in order (forms: the
// registry to fill, none: the program's one):
// entry 1, TZeltoBaseForm;
void RegisterBaseForm(TZeltoFormList *forms = nullptr);
// entries 11-16, TZeltoCalculatedForm, TNIPForm, TPitForm, TPPForm, TVatForm, TOfficeForm;
void RegisterCalculatedForms(TZeltoFormList *forms = nullptr);
// entries 18-25, TBankForm and the year forms TPit2002Form ... TPit2008Form.
void RegisterBankAndYearForms(TZeltoFormList *forms = nullptr);

// The year form windows the program keeps for its whole run, created once at start-up
// (hidden; owner destroys them).
QList<QWidget *> CreateYearFormWindows(QObject *owner);
