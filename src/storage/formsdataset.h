#pragma once
// The rows behind a document list. A list may hold a hundred thousand documents, so the
// data set counts the rows, runs its statement for the keys only, in the statement's order,
// and takes keys from that cursor only as far as rows are looked at; the list columns of a
// row are read the first time it is looked at (a page of rows at a time). The large texts
// (field values, notes, comment) are read for one row when asked for.

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <stdexcept>

class QSqlQuery;

// A connection or statement error that reaches the caller; the text is Polish and can be
// shown as it is.
class EDatabaseError : public std::runtime_error
{
public:
    explicit EDatabaseError(const QString &message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {
    }
    QString message() const { return m_message; }

private:
    QString m_message;
};

struct TFormRow
{
    int ID = 0;
    QString CompanyCode;
    QDate EditDate;
    QString Category;
    QString Title;
    QString ShortTitle;
    QString Description1;
    QString Description2;
    QString Description3;
    QString FormID;
    QString ShortComment;
    // The computed column: the three descriptions joined by blanks, cut to maxLength.
    QString Description(int maxLength = 120) const;
};

struct TFormTexts
{
    QString FieldValues;
    QString FieldComments;
    QString Comment;
};

class TFormsDataSet
{
public:
    explicit TFormsDataSet(const QString &connectionName);
    ~TFormsDataSet();

    // Runs the statement (lines as built by the list query builder, "SELECT * ..." first).
    // Throws EDatabaseError; the data set is closed then.
    void open(const QStringList &statementLines);
    void close();
    bool isOpen() const { return m_open; }

    int recordCount() const { return m_count; }
    // Current row index, -1 when the data set is empty or closed.
    int recNo() const { return m_current; }
    void setRecNo(int index);
    // Moves to the row with this key; false (position unchanged) when it is not in the list.
    bool locate(int id);
    int currentID() const;
    // The row at index, read from the database the first time (an index outside the list
    // gives an empty row).
    TFormRow row(int index);
    TFormRow current() { return row(m_current); }
    // The large texts of one document; false when it is not there (any more).
    bool readTexts(int id, TFormTexts &texts) const;
    // Forgets the current row after it was deleted; the next row becomes current.
    void removeCurrent();
    // The key statement last run (for diagnostics).
    QString keyStatement() const { return m_keyStatement; }

    // Rows read per round trip.
    static constexpr int kPageSize = 100;

private:
    void fetchPage(int index);
    // Takes keys from the cursor until index is covered or the cursor ends.
    void ensureKeys(int index);
    void closeCursor();

    QString m_connectionName;
    bool m_open = false;
    QList<int> m_keys; // the keys taken from the cursor so far
    std::unique_ptr<QSqlQuery> m_cursor;
    int m_count = 0;
    QHash<int, TFormRow> m_rows;
    int m_current = -1;
    QString m_keyStatement;
};
