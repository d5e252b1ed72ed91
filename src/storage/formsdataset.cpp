#include "formsdataset.h"

#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

const QString kListColumns = QStringLiteral(
    "ID, COMPANYCODE, EDITDATE, CATEGORY, TITLE, SHORTTITLE, DESCRIPTION1, DESCRIPTION2, DESCRIPTION3, FORMID, "
    "SHORTCOMMENT");

QString engineText(const QSqlError &error)
{
    const QString text = error.databaseText().trimmed();
    return text.isEmpty() ? error.text().trimmed() : text;
}

// The connection decodes text blobs as UTF-8 bytes.
QString blobText(const QVariant &value)
{
    if (value.isNull())
        return QString();
    if (value.typeId() == QMetaType::QByteArray)
        return QString::fromUtf8(value.toByteArray());
    return value.toString();
}

} // namespace

QString TFormRow::Description(int maxLength) const
{
    return (Description1 + u' ' + Description2 + u' ' + Description3).left(maxLength);
}

TFormsDataSet::TFormsDataSet(const QString &connectionName)
    : m_connectionName(connectionName)
{
}

TFormsDataSet::~TFormsDataSet() = default;

void TFormsDataSet::open(const QStringList &statementLines)
{
    close();
    static const QRegularExpression selectAll(QStringLiteral("^\\s*select\\s+\\*"),
                                              QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression orderBy(QStringLiteral("\\s+order\\s+by\\s.*$"),
                                            QRegularExpression::CaseInsensitiveOption
                                                | QRegularExpression::DotMatchesEverythingOption);
    const QString statement = statementLines.join(u'\n');
    QString keys = statement;
    keys.replace(selectAll, QStringLiteral("SELECT ID"));
    QString count = statement;
    count.replace(selectAll, QStringLiteral("SELECT COUNT(*)"));
    count.remove(orderBy);
    m_keyStatement = keys;

    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    QSqlQuery counter(db);
    counter.setForwardOnly(true);
    if (!counter.exec(count) || !counter.next())
        throw EDatabaseError(QStringLiteral("Błąd zapytania o listę dokumentów:\n") + engineText(counter.lastError()));
    const int rows = counter.value(0).toInt();
    counter.finish();

    auto cursor = std::make_unique<QSqlQuery>(db);
    cursor->setForwardOnly(true);
    if (!cursor->exec(keys))
        throw EDatabaseError(QStringLiteral("Błąd zapytania o listę dokumentów:\n") + engineText(cursor->lastError()));
    m_cursor = std::move(cursor);
    m_count = rows;
    m_open = true;
    ensureKeys(0);
    m_current = m_count > 0 ? 0 : -1;
}

void TFormsDataSet::closeCursor()
{
    if (m_cursor) {
        m_cursor->finish();
        m_cursor.reset();
    }
}

void TFormsDataSet::close()
{
    closeCursor();
    m_open = false;
    m_keys.clear();
    m_rows.clear();
    m_count = 0;
    m_current = -1;
}

void TFormsDataSet::ensureKeys(int index)
{
    while (m_keys.size() <= index && m_cursor) {
        if (m_cursor->next()) {
            m_keys.append(m_cursor->value(0).toInt());
        } else {
            // Another process may have deleted rows since they were counted.
            closeCursor();
            m_count = int(m_keys.size());
        }
    }
    if (m_cursor && m_keys.size() >= m_count) {
        // Rows added since counting are left for the next refresh.
        closeCursor();
    }
}

void TFormsDataSet::setRecNo(int index)
{
    if (m_count == 0) {
        m_current = -1;
        return;
    }
    index = qBound(0, index, m_count - 1);
    ensureKeys(index);
    m_current = qMin(index, m_count - 1);
}

bool TFormsDataSet::locate(int id)
{
    qsizetype index = m_keys.indexOf(id);
    while (index < 0 && m_cursor) {
        const qsizetype before = m_keys.size();
        ensureKeys(int(before) + kPageSize - 1);
        for (qsizetype i = before; i < m_keys.size(); ++i) {
            if (m_keys.at(i) == id) {
                index = i;
                break;
            }
        }
    }
    if (index < 0)
        return false;
    m_current = int(index);
    return true;
}

int TFormsDataSet::currentID() const
{
    return m_current >= 0 && m_current < m_keys.size() ? m_keys.at(m_current) : 0;
}

TFormRow TFormsDataSet::row(int index)
{
    if (index < 0 || index >= m_count)
        return TFormRow();
    ensureKeys(qMin(index - index % kPageSize + kPageSize, m_count) - 1);
    if (index >= m_keys.size())
        return TFormRow();
    const int id = m_keys.at(index);
    auto it = m_rows.constFind(id);
    if (it == m_rows.constEnd()) {
        fetchPage(index);
        it = m_rows.constFind(id);
    }
    return it == m_rows.constEnd() ? TFormRow() : *it;
}

void TFormsDataSet::fetchPage(int index)
{
    const int first = index - index % kPageSize;
    const int last = qMin(first + kPageSize, int(m_keys.size()));
    QStringList ids;
    for (int i = first; i < last; ++i) {
        if (!m_rows.contains(m_keys.at(i)))
            ids.append(QString::number(m_keys.at(i)));
    }
    if (ids.isEmpty())
        return;
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.setForwardOnly(true);
    if (query.exec(QStringLiteral("SELECT ") + kListColumns + QStringLiteral(" FROM FORMS WHERE ID IN (")
                   + ids.join(u',') + u')')) {
        while (query.next()) {
            TFormRow r;
            r.ID = query.value(0).toInt();
            r.CompanyCode = query.value(1).toString();
            r.EditDate = query.value(2).toDate();
            r.Category = query.value(3).toString();
            r.Title = query.value(4).toString();
            r.ShortTitle = query.value(5).toString();
            r.Description1 = query.value(6).toString();
            r.Description2 = query.value(7).toString();
            r.Description3 = query.value(8).toString();
            r.FormID = query.value(9).toString();
            r.ShortComment = query.value(10).toString();
            m_rows.insert(r.ID, r);
        }
    }
    // A row another process deleted meanwhile stays in the list as an empty row.
    for (const QString &id : std::as_const(ids)) {
        const int key = id.toInt();
        if (!m_rows.contains(key)) {
            TFormRow gone;
            gone.ID = key;
            m_rows.insert(key, gone);
        }
    }
}

bool TFormsDataSet::readTexts(int id, TFormTexts &texts) const
{
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT FIELDVALUES, FIELDCOMMENTS, COMMENT FROM FORMS WHERE ID = ?"));
    query.addBindValue(id);
    if (!query.exec() || !query.next())
        return false;
    texts.FieldValues = blobText(query.value(0));
    texts.FieldComments = blobText(query.value(1));
    texts.Comment = blobText(query.value(2));
    return true;
}

void TFormsDataSet::removeCurrent()
{
    if (m_current < 0 || m_current >= m_keys.size())
        return;
    m_rows.remove(m_keys.at(m_current));
    m_keys.removeAt(m_current);
    --m_count;
    ensureKeys(m_current);
    if (m_current >= m_count)
        m_current = m_count - 1;
}
