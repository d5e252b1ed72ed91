#include "storagetestsupport.h"

#include "storage/firebirdenv.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>

TFakeForm *TFakeProvider::add(const QString &id, const QString &category)
{
    auto form = std::make_shared<TFakeForm>(id, category);
    m_forms.insert(id, form);
    return form.get();
}

IDocumentForm *TFakeProvider::GetFormByID(const QString &formID)
{
    m_asked << formID;
    auto it = m_forms.find(formID);
    return it == m_forms.end() ? nullptr : it->get();
}

TStorageFixture::TStorageFixture()
{
    m_config = std::make_unique<TVarkoConfig>(nullptr, m_dir.file(QStringLiteral("registry.ini")));
    m_config->setDatabaseCommon(true);
    m_config->setSortBy(0);
    PrepareFirebird();
    CreateDatabaseFromTemplate(databaseFile());
}

std::unique_ptr<TFormsDatabase> TStorageFixture::open()
{
    auto db = std::make_unique<TFormsDatabase>(nullptr, m_config.get(), &m_provider);
    db->setDatabasePath(m_dir.path());
    db->Open();
    db->Refresh();
    return db;
}

int TStorageFixture::add(TFormsDatabase &db, const QString &formID, const QString &d1, const QString &d2,
                         const QString &d3, const QString &company, const QString &category)
{
    TFakeForm form(formID, category);
    form.m_title = QStringLiteral("Tytuł ") + formID;
    form.m_descriptions[0] = d1;
    form.m_descriptions[1] = d2;
    form.m_descriptions[2] = d3;
    form.m_company = company.isEmpty() ? db.GetCompanyCode() : company;
    form.m_values = QStringLiteral("1=") + d1 + QStringLiteral("\r\n");
    if (!db.SaveDocument(&form, true))
        return 0;
    return db.CurrentID();
}

QVariant TStorageFixture::scalar(const QString &sql)
{
    const QString name = QUuid::createUuid().toString();
    QVariant result;
    {
        QSqlDatabase c = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), name);
        c.setDatabaseName(databaseFile());
        c.setUserName(QStringLiteral("sysdba"));
        if (c.open()) {
            QSqlQuery q(c);
            if (q.exec(sql) && q.next())
                result = q.value(0);
        }
        c.close();
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

QStringList ListedDescriptions(TFormsDatabase &db)
{
    QStringList out;
    for (int i = 0; i < db.DataSet().recordCount(); ++i)
        out << db.DataSet().row(i).Description1;
    return out;
}

bool TStorageFixture::exec(const QString &sql)
{
    const QString name = QUuid::createUuid().toString();
    bool ok = false;
    {
        QSqlDatabase c = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), name);
        c.setDatabaseName(databaseFile());
        c.setUserName(QStringLiteral("sysdba"));
        if (c.open()) {
            QSqlQuery q(c);
            ok = q.exec(sql);
        }
        c.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}
