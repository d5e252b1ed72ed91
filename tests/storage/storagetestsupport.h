#pragma once
// Fakes of the form window and its factory, and fresh databases for the storage tests.

#include "storage/documentrecord.h"
#include "storage/frm_formstorage.h"

#include "common/dialogs.h"
#include "common/varkoconfig.h"

#include "testsupport.h"

#include <QMap>

#include <functional>
#include <memory>

// The "user" of a form window: edits the document while it is shown and answers OK or Cancel.
class TFakeForm : public TDocumentRecord
{
public:
    explicit TFakeForm(const QString &id, const QString &category = QStringLiteral("PIT"))
        : TDocumentRecord(id, category)
    {
    }
    void NewDocument() override
    {
        ++m_newDocuments;
        TDocumentRecord::NewDocument();
    }
    bool ShowModalOK() override
    {
        ++m_shown;
        if (m_onShow)
            m_onShow(*this);
        return m_answerOK;
    }

    bool m_answerOK = true;
    int m_shown = 0;
    int m_newDocuments = 0;
    std::function<void(TFakeForm &)> m_onShow;
};

class TFakeProvider : public IDocumentFormProvider
{
public:
    TFakeForm *add(const QString &id, const QString &category = QStringLiteral("PIT"));
    IDocumentForm *GetFormByID(const QString &formID) override;
    QStringList m_asked;

private:
    QMap<QString, std::shared_ptr<TFakeForm>> m_forms;
};

// Counts notices shown and hidden.
class TNoticeCounter : public TUserInterface
{
public:
    TNoticeCounter() { SetUserInterface(this); }
    ~TNoticeCounter() override { SetUserInterface(nullptr); }
    int showBox(int, const QString &, const QString &) override { return mrNo; }
    void showNotice(const QString &) override { ++m_open; }
    void hideNotice() override { --m_open; }
    QString browseFolder(const QString &, const QString &) override { return QString(); }
    QString saveFileName(const QString &, const QString &, const QString &, const QString &) override { return QString(); }
    QString openFileName(const QString &, const QString &, const QString &) override { return QString(); }
    bool inputQuery(const QString &, const QString &, QString &) override { return false; }
    void reportUnhandledError(const QString &) override {}
    int m_open = 0;
};

// A temporary directory with a fresh copy of the shipped empty database in it, a
// configuration of its own, and a database module pointed at it.
class TStorageFixture
{
public:
    TStorageFixture();
    QString databaseFile() const { return m_dir.file(QStringLiteral("firma.gdb")); }
    // A module on the fixture's database, opened.
    std::unique_ptr<TFormsDatabase> open();
    // Adds a document through a fake form; returns its ID (0 on failure).
    int add(TFormsDatabase &db, const QString &formID, const QString &d1, const QString &d2 = QString(),
            const QString &d3 = QString(), const QString &company = QString(), const QString &category = QStringLiteral("PIT"));
    // A scalar through a connection of its own (independent of the module under test).
    QVariant scalar(const QString &sql);
    bool exec(const QString &sql);

    TTestDir m_dir;
    std::unique_ptr<TVarkoConfig> m_config;
    TFakeProvider m_provider;
};

// The description texts of every row of the list, in list order.
QStringList ListedDescriptions(TFormsDatabase &db);
