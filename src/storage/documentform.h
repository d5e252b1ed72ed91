#pragma once
// What the document database needs from a form window. The window classes of fillable
// forms implement it; tests use fakes. The database never owns a form: the provider's
// factory does, and hands the same window out again for every document of its type.

#include <QString>

class IDocumentForm
{
public:
    virtual ~IDocumentForm() = default;

    // Form-type identifier and the texts stored with each document.
    virtual QString ID() const = 0;
    virtual QString Category() const = 0;
    virtual QString Title() const = 0;
    virtual void setTitle(const QString &value) = 0;
    virtual QString ShortTitle() const = 0;
    virtual void setShortTitle(const QString &value) = 0;
    // index 1..3
    virtual QString Description(int index) const = 0;
    virtual void setDescription(int index, const QString &value) = 0;
    virtual QString Comment() const = 0;
    virtual void setComment(const QString &value) = 0;
    virtual QString Company() const = 0;
    virtual void setCompany(const QString &value) = 0;

    // The field-values text (loading it first resets every field) and the field-notes text.
    virtual QString GetFieldValues() const = 0;
    virtual void LoadFieldValues(const QString &text) = 0;
    virtual QString GetFieldComments() const = 0;
    virtual void SetFieldComments(const QString &text) = 0;

    // Gives every field its empty value; notes and comment are left alone.
    virtual void NewDocument() = 0;
    // Settings copied in before the window is shown.
    virtual void setImportEnabled(bool value) = 0;
    virtual void setConfirmEscape(bool value) = 0;
    virtual void setOnClickExpand(bool value) = 0;

    // Shows the window modally; true when it was closed with OK.
    virtual bool ShowModalOK() = 0;
};

class IDocumentFormProvider
{
public:
    virtual ~IDocumentFormProvider() = default;
    // The window for a form type, created on first request and reused afterwards;
    // null when the form type has no registry entry.
    virtual IDocumentForm *GetFormByID(const QString &formID) = 0;
};
