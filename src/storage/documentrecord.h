#pragma once
// A document held in memory with no window: what papyra-cli stores, and the base of test
// doubles. "Showing" it accepts it as it is.

#include "storage/documentform.h"

class TDocumentRecord : public IDocumentForm
{
public:
    TDocumentRecord() = default;
    TDocumentRecord(const QString &formID, const QString &category)
        : m_id(formID)
        , m_category(category)
    {
    }

    QString ID() const override { return m_id; }
    QString Category() const override { return m_category; }
    QString Title() const override { return m_title; }
    void setTitle(const QString &v) override { m_title = v; }
    QString ShortTitle() const override { return m_shortTitle; }
    void setShortTitle(const QString &v) override { m_shortTitle = v; }
    QString Description(int i) const override { return m_descriptions[qBound(1, i, 3) - 1]; }
    void setDescription(int i, const QString &v) override { m_descriptions[qBound(1, i, 3) - 1] = v; }
    QString Comment() const override { return m_comment; }
    void setComment(const QString &v) override { m_comment = v; }
    QString Company() const override { return m_company; }
    void setCompany(const QString &v) override { m_company = v; }
    QString GetFieldValues() const override { return m_values; }
    void LoadFieldValues(const QString &text) override { m_values = text; }
    QString GetFieldComments() const override { return m_fieldComments; }
    void SetFieldComments(const QString &text) override { m_fieldComments = text; }
    void NewDocument() override { m_values.clear(); }
    void setImportEnabled(bool v) override { m_importEnabled = v; }
    void setConfirmEscape(bool v) override { m_confirmEscape = v; }
    void setOnClickExpand(bool v) override { m_onClickExpand = v; }
    bool ShowModalOK() override { return true; }

    QString m_id;
    QString m_category;
    QString m_title;
    QString m_shortTitle;
    QString m_descriptions[3];
    QString m_comment;
    QString m_company;
    QString m_values;
    QString m_fieldComments;
    bool m_importEnabled = false;
    bool m_confirmEscape = true;
    bool m_onClickExpand = false;
};
