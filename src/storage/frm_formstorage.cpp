#include "frm_formstorage.h"

#include "storage/firebirdenv.h"

#include "common/apppaths.h"
#include "common/codepage.h"
#include "common/dialogs.h"
#include "common/pathresolver.h"
#include "common/switches.h"
#include "common/twtools.h"
#include "common/varkoconfig.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

const QString TFormsDatabase::kInsertStatement = QStringLiteral(
    "insert into FORMS (ID, COMPANYCODE, EDITDATE, CATEGORY, TITLE, SHORTTITLE, DESCRIPTION1, DESCRIPTION2, "
    "DESCRIPTION3, FORMID, SHORTCOMMENT, FIELDVALUES, FIELDCOMMENTS, COMMENT) values (:ID, :COMPANYCODE, "
    ":EDITDATE, :CATEGORY, :TITLE, :SHORTTITLE, :DESCRIPTION1, :DESCRIPTION2, :DESCRIPTION3, :FORMID, "
    ":SHORTCOMMENT, :FIELDVALUES, :FIELDCOMMENTS, :COMMENT)");
const QString TFormsDatabase::kUpdateStatement = QStringLiteral(
    "update FORMS set ID = :ID, COMPANYCODE = :COMPANYCODE, EDITDATE = :EDITDATE, CATEGORY = :CATEGORY, "
    "TITLE = :TITLE, SHORTTITLE = :SHORTTITLE, DESCRIPTION1 = :DESCRIPTION1, DESCRIPTION2 = :DESCRIPTION2, "
    "DESCRIPTION3 = :DESCRIPTION3, FORMID = :FORMID, SHORTCOMMENT = :SHORTCOMMENT, FIELDVALUES = :FIELDVALUES, "
    "FIELDCOMMENTS = :FIELDCOMMENTS, COMMENT = :COMMENT where ID = :OLD_ID");
const QString TFormsDatabase::kDeleteStatement = QStringLiteral("delete from FORMS where ID = :OLD_ID");
const QString TFormsDatabase::kInitialStatement = QStringLiteral("select * from FORMS order by DESCRIPTION1");
const QString TFormsDatabase::kSelectionStatement = QStringLiteral(
    "Select ID, EDITDATE, CATEGORY, TITLE, SHORTTITLE, DESCRIPTION1, DESCRIPTION2, DESCRIPTION3, FORMID, "
    "SHORTCOMMENT, FIELDVALUES, FIELDCOMMENTS, COMMENT from FORMS where FORMID=:FORMID order by DESCRIPTION1");
const QString TFormsDatabase::kUpgradeStatement = QStringLiteral("ALTER TABLE FORMS ADD CompanyCode VARCHAR(50)");

namespace {

const QString kSaveError = QStringLiteral("Błąd w trakcie zapisywania dokumentu!");
const QString kDeleteError = QStringLiteral("Błąd w trakcie usuwania dokumentu!");
const QString kDefaultFile = QStringLiteral("firma.gdb");

// Values built into the list query: an apostrophe is doubled, so a search for O'Brien
// finds O'Brien instead of breaking the statement.
QString quoted(const QString &value)
{
    QString text = value;
    text.replace(u'\'', QStringLiteral("''"));
    return text;
}

// The columns hold Windows-1250 text: characters outside it are stored as "?" instead of
// making the whole save fail; texts longer than their column are cut to it.
QVariant textValue(const QString &text, int width = 0)
{
    QString value = Cp1250::canEncode(text) ? text : Cp1250::decode(Cp1250::encode(text));
    if (width > 0 && value.size() > width)
        value.truncate(width);
    return value;
}

QString engineText(const QSqlError &error)
{
    const QString text = error.databaseText().trimmed();
    return text.isEmpty() ? error.text().trimmed() : text;
}

bool hasDirectoryPart(const QString &file)
{
    return file.contains(u'/') || file.contains(u'\\') || (file.size() >= 2 && file.at(1) == u':');
}

// The transient notice, closed on every way out.
class TNotice
{
public:
    explicit TNotice(const QString &text) { ShowNotice(text); }
    ~TNotice() { hide(); }
    void hide()
    {
        if (m_shown) {
            m_shown = false;
            HideNotice();
        }
    }

private:
    bool m_shown = true;
};

} // namespace

TFormsDatabase::TFormsDatabase(QObject *owner, TVarkoConfig *config, IDocumentFormProvider *forms)
    : QObject(owner)
    , m_config(config)
    , m_forms(forms)
    , m_connectionName(QStringLiteral("papyra-forms-%1").arg(quintptr(this), 0, 16))
    , m_dataSet(m_connectionName)
    , m_statement{kInitialStatement}
{
    setObjectName(QStringLiteral("FormsDatabase"));
    // The client library reads its surroundings when it loads, which is at the first connection.
    PrepareFirebird();
    m_databaseType = 1;
    TraceStartup(QStringLiteral("Database type set to Interbase"));
    m_databasePath = AppDir();
}

TFormsDatabase::~TFormsDatabase()
{
    Close();
    if (QSqlDatabase::contains(m_connectionName))
        QSqlDatabase::removeDatabase(m_connectionName);
}

TVarkoConfig *TFormsDatabase::config() const
{
    return m_config ? m_config : VarkoConfig();
}

QString TFormsDatabase::DatabaseFile() const
{
    if (m_databaseFile.isEmpty()) {
        // The first parameter that mentions the switch decides, as for every switch; its
        // case is kept, since file names are case-sensitive here.
        QString value;
        for (const QString &parameter : CommandLineParameters()) {
            if (parameter.toUpper().contains(QStringLiteral("/DATABASE:"))) {
                value = parameter.mid(10).trimmed();
                break;
            }
        }
        m_databaseFile = value.isEmpty() ? (m_databaseType == 0 ? QStringLiteral("firma.mdb") : kDefaultFile) : value;
    }
    if (hasDirectoryPart(m_databaseFile))
        return m_databaseFile;
    return DatabasePath() + m_databaseFile;
}

QString TFormsDatabase::DatabasePath() const
{
    return IncludeTrailingBackslash(m_databasePath);
}

int TFormsDatabase::SortBy() const
{
    TVarkoConfig *c = config();
    return c ? c->SortBy() : 0;
}

QString TFormsDatabase::GetCompanyCode() const
{
    return m_currentCompanyCode.isEmpty() ? QStringLiteral("DEFAULT") : m_currentCompanyCode;
}

QString TFormsDatabase::ConnectionTarget() const
{
    const QString file = DatabaseFile();
    if (!m_serverName.isEmpty())
        return m_serverName + u':' + ToLinuxPath(file);
    return QFileInfo(ResolvePath(file)).absoluteFilePath();
}

// ---- connection ----

void TFormsDatabase::connectDatabase(const QString &target)
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QIBASE")))
        throw EDatabaseError(QStringLiteral("Brak sterownika bazy danych Firebird (pakiet libqt6sql6-ibase)."));
    QSqlDatabase db = QSqlDatabase::contains(m_connectionName)
                          ? QSqlDatabase::database(m_connectionName, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), m_connectionName);
    db.setDatabaseName(target);
    TVarkoConfig *c = config();
    db.setUserName(c ? c->DatabaseUser() : QStringLiteral("sysdba"));
    db.setPassword(c ? c->DatabasePassword() : QString());
    // The driver always talks UTF-8 with the engine (isc_dpb_lc_ctype), which converts to
    // and from the database's WIN1250 columns, so stored text is Windows-1250.
    if (!db.open())
        throw EDatabaseError(DescribeOpenError(target, db.lastError()));
}

void TFormsDatabase::disconnectDatabase()
{
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (db.isOpen()) {
        // An open transaction ends in a commit, as when the engine is left normally.
        if (m_transactionActive)
            db.commit();
        db.close();
    }
    m_transactionActive = false;
    m_postedID = 0;
}

void TFormsDatabase::upgradeCheck()
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    const QSqlRecord table = db.record(QStringLiteral("FORMS"));
    if (table.isEmpty() || table.contains(QStringLiteral("COMPANYCODE")))
        return;
    QSqlQuery query(db);
    query.exec(kUpgradeStatement);
    query.finish();
    db.close();
}

void TFormsDatabase::Open()
{
    if (m_databaseType != 1)
        return;
    const QString target = ConnectionTarget();
    disconnectDatabase();
    m_dataSet.close();

    // A missing database in its default place starts out as the shipped empty one.
    if (m_serverName.isEmpty() && !QFileInfo::exists(target)
        && QFileInfo(target).fileName().compare(kDefaultFile, Qt::CaseInsensitive) == 0
        && QFileInfo(QFileInfo(target).absolutePath()).isDir())
        CreateDatabaseFromTemplate(target, nullptr, false);

    // The upgrade check runs on the connection itself; when it changes the table it
    // disconnects, and the connection is made again below. Its errors are not reported:
    // opening then fails or succeeds on its own.
    try {
        connectDatabase(target);
        upgradeCheck();
    } catch (const EDatabaseError &) {
    }

    if (!QSqlDatabase::database(m_connectionName, false).isOpen())
        connectDatabase(target);
    TraceStartup(QStringLiteral("Database connected"));
    m_dataSet.open(m_statement);
    if (m_currentID != 0)
        m_dataSet.locate(m_currentID);
    TraceStartup(QStringLiteral("Forms table opened"));
}

void TFormsDatabase::Close()
{
    m_dataSet.close();
    CloseSelection();
    disconnectDatabase();
}

bool TFormsDatabase::IsOpen() const
{
    if (m_databaseType != 1 || !QSqlDatabase::contains(m_connectionName))
        return false;
    return QSqlDatabase::database(m_connectionName, false).isOpen() && m_dataSet.isOpen();
}

// ---- list query ----

QStringList TFormsDatabase::BuildListQuery() const
{
    QStringList conditions;
    TVarkoConfig *c = config();
    const bool common = c ? c->DatabaseCommon() : true;
    if (common && !m_dontFilterByCompany)
        conditions << QStringLiteral("CompanyCode='") + quoted(GetCompanyCode()) + u'\'';
    if (!m_formIDFilter.isEmpty())
        conditions << QStringLiteral("FormID='") + quoted(m_formIDFilter) + u'\'';
    else if (!m_categoryFilter.isEmpty())
        conditions << QStringLiteral("Category='") + quoted(m_categoryFilter) + u'\'';
    if (m_dateFrom.isValid())
        conditions << QStringLiteral("EditDate>='") + DateToText(m_dateFrom) + u'\'';
    if (m_dateTo.isValid())
        conditions << QStringLiteral("EditDate<='") + DateToText(m_dateTo) + u'\'';
    if (!m_searchText.isEmpty()) {
        const QString text = quoted(m_searchText);
        conditions << QStringLiteral("(Description1 CONTAINING '") + text + QStringLiteral("') OR ")
                          + QStringLiteral("(Description2 CONTAINING '") + text + QStringLiteral("') OR ")
                          + QStringLiteral("(Description3 CONTAINING '") + text + QStringLiteral("')");
    }

    QStringList lines{QStringLiteral("SELECT * from Forms")};
    if (!conditions.isEmpty()) {
        lines << QStringLiteral("WHERE");
        for (int i = 0; i < conditions.size(); ++i) {
            if (i > 0)
                lines << QStringLiteral("AND");
            lines << u'(' + conditions.at(i) + u')';
        }
    }
    switch (SortBy()) {
    case 0:
        lines << QStringLiteral("ORDER BY Description1,Description2");
        break;
    case 1:
        lines << QStringLiteral("ORDER BY EditDate");
        break;
    case 2:
        lines << QStringLiteral("ORDER BY Category,EditDate");
        break;
    default:
        break;
    }
    return lines;
}

void TFormsDatabase::Refresh()
{
    if (!IsOpen())
        return;
    m_dataSet.close();
    m_statement = BuildListQuery();
    m_dataSet.open(m_statement);
    if (m_currentID != 0)
        m_dataSet.locate(m_currentID);
}

void TFormsDatabase::Commit()
{
    commitPending(true);
}

// Reads are not held in a transaction of their own here (each list query reads the latest
// committed state), so after the commit the connection stays as it is: reconnecting would
// cost more than the whole save and show nothing new. Only the list is opened again.
void TFormsDatabase::commitPending(bool reopen)
{
    m_currentID = m_postedID != 0 ? m_postedID : m_dataSet.currentID();
    if (!m_transactionActive)
        return;
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    const bool committed = db.commit();
    m_transactionActive = false;
    m_postedID = 0;
    if (!committed)
        throw EDatabaseError(QStringLiteral("Błąd zatwierdzania zmian w bazie danych:\n") + engineText(db.lastError()));
    if (!reopen)
        return;
    if (!db.isOpen()) {
        Open();
        return;
    }
    m_dataSet.open(m_statement);
    if (m_currentID != 0)
        m_dataSet.locate(m_currentID);
}

// ---- filters ----

void TFormsDatabase::ClearFilters()
{
    m_dateFrom = QDate();
    m_dateTo = QDate();
    m_searchText.clear();
    m_formIDFilter.clear();
    m_categoryFilter.clear();
}

void TFormsDatabase::SetCategoryFilter(const QString &category)
{
    m_categoryFilter = category;
    m_formIDFilter.clear();
}

void TFormsDatabase::SetFormIDFilter(const QString &formID)
{
    m_formIDFilter = formID;
}

// ---- documents ----

void TFormsDatabase::setPendingError(const QString &message)
{
    m_errorPending = true;
    m_errorMessage = message;
}

bool TFormsDatabase::TakeError()
{
    const bool pending = m_errorPending;
    m_errorPending = false;
    return pending;
}

void TFormsDatabase::rollbackPending()
{
    if (!m_transactionActive)
        return;
    QSqlDatabase::database(m_connectionName, false).rollback();
    m_transactionActive = false;
    m_postedID = 0;
}

bool TFormsDatabase::SaveDocument(IDocumentForm *form, bool append)
{
    if (!IsOpen() || !form)
        return false;
    if (OnRepaint)
        OnRepaint();
    try {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        int id = 0;
        QVariant editDate;
        QString shortComment;
        const int oldID = m_dataSet.currentID();
        if (append) {
            QSqlQuery generator(db);
            if (!generator.exec(QStringLiteral("SELECT GEN_ID(SEQ_ID, 1) FROM RDB$DATABASE")) || !generator.next())
                throw EDatabaseError(engineText(generator.lastError()));
            id = generator.value(0).toInt();
            editDate = Today();
        } else {
            if (oldID == 0)
                throw EDatabaseError(QStringLiteral("no current row"));
            const TFormRow row = m_dataSet.current();
            id = oldID;
            editDate = row.EditDate.isValid() ? QVariant(row.EditDate) : QVariant(QMetaType::fromType<QDate>());
            shortComment = row.ShortComment;
        }

        if (!m_transactionActive) {
            if (!db.transaction())
                throw EDatabaseError(engineText(db.lastError()));
            m_transactionActive = true;
        }
        QSqlQuery post(db);
        if (!post.prepare(append ? kInsertStatement : kUpdateStatement))
            throw EDatabaseError(engineText(post.lastError()));
        post.bindValue(QStringLiteral(":ID"), id);
        post.bindValue(QStringLiteral(":COMPANYCODE"), textValue(form->Company(), 50));
        post.bindValue(QStringLiteral(":EDITDATE"), editDate);
        post.bindValue(QStringLiteral(":CATEGORY"), textValue(form->Category(), 50));
        post.bindValue(QStringLiteral(":TITLE"), textValue(form->Title(), 150));
        post.bindValue(QStringLiteral(":SHORTTITLE"), textValue(form->ShortTitle(), 150));
        post.bindValue(QStringLiteral(":DESCRIPTION1"), textValue(form->Description(1), 150));
        post.bindValue(QStringLiteral(":DESCRIPTION2"), textValue(form->Description(2), 150));
        post.bindValue(QStringLiteral(":DESCRIPTION3"), textValue(form->Description(3), 150));
        post.bindValue(QStringLiteral(":FORMID"), textValue(form->ID(), 100));
        post.bindValue(QStringLiteral(":SHORTCOMMENT"), textValue(shortComment, 150));
        post.bindValue(QStringLiteral(":FIELDVALUES"), textValue(form->GetFieldValues()));
        post.bindValue(QStringLiteral(":FIELDCOMMENTS"), textValue(form->GetFieldComments()));
        post.bindValue(QStringLiteral(":COMMENT"), textValue(form->Comment()));
        if (!append)
            post.bindValue(QStringLiteral(":OLD_ID"), oldID);
        if (!post.exec())
            throw EDatabaseError(engineText(post.lastError()));
        // A row another process deleted meanwhile is not silently "saved".
        if (!append && post.numRowsAffected() == 0)
            throw EDatabaseError(QStringLiteral("document no longer stored"));
        post.finish();
        m_postedID = id;
        // Commit followed by Refresh; the list is opened once, by the refresh.
        commitPending(false);
        Refresh();
        return true;
    } catch (...) {
        rollbackPending();
        setPendingError(kSaveError);
        return false;
    }
}

void TFormsDatabase::PrepareForm(IDocumentForm *form)
{
    if (!form)
        return;
    TVarkoConfig *c = config();
    if (!c)
        return;
    form->setImportEnabled(c->UseLDGZX() || !c->Oktan2KPath().isEmpty());
    form->setConfirmEscape(c->ConfirmCancelDocument());
    form->setOnClickExpand(c->OnClickExpandIsCool());
}

bool TFormsDatabase::loadFormFromCurrentRow(IDocumentForm *form, int &id)
{
    const TFormRow row = m_dataSet.current();
    TFormTexts texts;
    if (row.ID == 0 || !m_dataSet.readTexts(row.ID, texts))
        return false;
    id = row.ID;
    form->LoadFieldValues(texts.FieldValues);
    form->SetFieldComments(texts.FieldComments);
    form->setComment(texts.Comment);
    form->setTitle(row.Title);
    form->setShortTitle(row.ShortTitle);
    form->setDescription(1, row.Description1);
    form->setDescription(2, row.Description2);
    form->setDescription(3, row.Description3);
    form->setCompany(row.CompanyCode);
    return true;
}

bool TFormsDatabase::NewDocument()
{
    if (!IsOpen())
        return false;
    TNotice notice(QStringLiteral("Tworzenie nowego dokumentu ..."));
    IDocumentForm *form = m_forms ? m_forms->GetFormByID(m_formIDFilter) : nullptr;
    if (!form)
        return false;
    PrepareForm(form);
    form->NewDocument();
    // The window serves every document of its type: nothing of the last one may remain.
    form->setComment(QString());
    form->SetFieldComments(QString());
    form->setCompany(GetCompanyCode());
    notice.hide();
    if (form->ShowModalOK())
        SaveDocument(form, true);
    return true;
}

bool TFormsDatabase::runDocument(const QString &noticeText, bool copy)
{
    if (!IsOpen())
        return false;
    TNotice notice(noticeText);
    const TFormRow row = m_dataSet.current();
    if (row.ID == 0)
        return false;
    IDocumentForm *form = m_forms ? m_forms->GetFormByID(row.FormID) : nullptr;
    if (!form)
        return false;
    PrepareForm(form);
    if (copy)
        form->NewDocument();
    int id = 0;
    if (!loadFormFromCurrentRow(form, id))
        return false;
    notice.hide();
    if (form->ShowModalOK()) {
        if (!copy && !m_dataSet.locate(id)) {
            setPendingError(kSaveError);
            return true;
        }
        SaveDocument(form, copy);
    }
    return true;
}

bool TFormsDatabase::CopyDocument()
{
    return runDocument(QStringLiteral("Tworzenie kopii dokumentu ..."), true);
}

bool TFormsDatabase::EditDocument()
{
    return runDocument(QStringLiteral("Wczytywanie dokumentu ..."), false);
}

bool TFormsDatabase::DeleteDocument()
{
    if (!IsOpen())
        return false;
    try {
        const int id = m_dataSet.currentID();
        if (id == 0)
            throw EDatabaseError(QStringLiteral("no current row"));
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (!m_transactionActive) {
            if (!db.transaction())
                throw EDatabaseError(engineText(db.lastError()));
            m_transactionActive = true;
        }
        QSqlQuery query(db);
        if (!query.prepare(kDeleteStatement))
            throw EDatabaseError(engineText(query.lastError()));
        query.bindValue(QStringLiteral(":OLD_ID"), id);
        if (!query.exec())
            throw EDatabaseError(engineText(query.lastError()));
        query.finish();
        // Made durable at once: a deletion the user confirmed must not come back after a
        // crash. The list is not re-read; the row just leaves it.
        if (!db.commit())
            throw EDatabaseError(engineText(db.lastError()));
        m_transactionActive = false;
        m_postedID = 0;
        m_dataSet.removeCurrent();
        return true;
    } catch (...) {
        rollbackPending();
        setPendingError(kDeleteError);
        return false;
    }
}

TFormsDatabase::TDeleteOutcome TFormsDatabase::AskAndDeleteDocument()
{
    if (ShowBox(bkYesNo, QStringLiteral("Czy na pewno usunąć ten dokument?"), QStringLiteral("Uwaga!")) != mrYes)
        return doCancelled;
    return DeleteDocument() ? doDeleted : doFailed;
}

QString TFormsDatabase::GetShortComment()
{
    return m_dataSet.current().ShortComment;
}

void TFormsDatabase::SetShortComment(const QString &text)
{
    if (!IsOpen())
        return;
    const TFormRow row = m_dataSet.current();
    if (row.ID == 0)
        return;
    try {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (!m_transactionActive) {
            if (!db.transaction())
                throw EDatabaseError(engineText(db.lastError()));
            m_transactionActive = true;
        }
        TFormTexts texts;
        if (!m_dataSet.readTexts(row.ID, texts))
            throw EDatabaseError(QStringLiteral("document no longer stored"));
        QSqlQuery post(db);
        if (!post.prepare(kUpdateStatement))
            throw EDatabaseError(engineText(post.lastError()));
        post.bindValue(QStringLiteral(":ID"), row.ID);
        post.bindValue(QStringLiteral(":COMPANYCODE"), row.CompanyCode.isNull() ? QVariant(QMetaType::fromType<QString>()) : QVariant(row.CompanyCode));
        post.bindValue(QStringLiteral(":EDITDATE"),
                       row.EditDate.isValid() ? QVariant(row.EditDate) : QVariant(QMetaType::fromType<QDate>()));
        post.bindValue(QStringLiteral(":CATEGORY"), row.Category);
        post.bindValue(QStringLiteral(":TITLE"), row.Title);
        post.bindValue(QStringLiteral(":SHORTTITLE"), row.ShortTitle);
        post.bindValue(QStringLiteral(":DESCRIPTION1"), row.Description1);
        post.bindValue(QStringLiteral(":DESCRIPTION2"), row.Description2);
        post.bindValue(QStringLiteral(":DESCRIPTION3"), row.Description3);
        post.bindValue(QStringLiteral(":FORMID"), row.FormID);
        post.bindValue(QStringLiteral(":SHORTCOMMENT"), textValue(text, 150));
        post.bindValue(QStringLiteral(":FIELDVALUES"), texts.FieldValues);
        post.bindValue(QStringLiteral(":FIELDCOMMENTS"), texts.FieldComments);
        post.bindValue(QStringLiteral(":COMMENT"), texts.Comment);
        post.bindValue(QStringLiteral(":OLD_ID"), row.ID);
        if (!post.exec() || post.numRowsAffected() == 0)
            throw EDatabaseError(engineText(post.lastError()));
        post.finish();
        m_postedID = row.ID;
        commitPending(false);
        Refresh();
    } catch (...) {
        rollbackPending();
        setPendingError(kSaveError);
    }
}

// ---- pick data set ----

void TFormsDatabase::CloseSelection()
{
    m_selectionOpen = false;
    m_selection.clear();
}

void TFormsDatabase::OpenSelection(const QString &formID)
{
    CloseSelection();
    if (!QSqlDatabase::contains(m_connectionName) || !QSqlDatabase::database(m_connectionName, false).isOpen())
        return;
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.setForwardOnly(true);
    query.prepare(kSelectionStatement);
    query.bindValue(QStringLiteral(":FORMID"), formID);
    if (!query.exec())
        throw EDatabaseError(QStringLiteral("Błąd zapytania o dokumenty do pobrania:\n") + engineText(query.lastError()));
    auto text = [](const QVariant &v) {
        return v.typeId() == QMetaType::QByteArray ? QString::fromUtf8(v.toByteArray()) : v.toString();
    };
    while (query.next()) {
        TSelectionRow r;
        r.Row.ID = query.value(0).toInt();
        r.Row.EditDate = query.value(1).toDate();
        r.Row.Category = query.value(2).toString();
        r.Row.Title = query.value(3).toString();
        r.Row.ShortTitle = query.value(4).toString();
        r.Row.Description1 = query.value(5).toString();
        r.Row.Description2 = query.value(6).toString();
        r.Row.Description3 = query.value(7).toString();
        r.Row.FormID = query.value(8).toString();
        r.Row.ShortComment = query.value(9).toString();
        r.Texts.FieldValues = text(query.value(10));
        r.Texts.FieldComments = text(query.value(11));
        r.Texts.Comment = text(query.value(12));
        m_selection.append(r);
    }
    m_selectionOpen = true;
}
