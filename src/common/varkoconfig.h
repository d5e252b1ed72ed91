#pragma once
// The program's one configuration object. Its published properties are kept in the
// registry store under "Software\Zelto\Varko\Config"; every part of the program reads
// them at the moment it needs a value.

#include <QObject>
#include <QString>

#include <functional>

class TComponentSaver;

class TVarkoConfig : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString LDGPath READ LDGPath WRITE setLDGPath)
    Q_PROPERTY(int LDGPL READ LDGPL WRITE setLDGPL)
    Q_PROPERTY(bool ConfirmCancelDocument READ ConfirmCancelDocument WRITE setConfirmCancelDocument)
    Q_PROPERTY(bool OnClickExpandIsCool READ OnClickExpandIsCool WRITE setOnClickExpandIsCool)
    Q_PROPERTY(bool SelectCompanyNag READ SelectCompanyNag WRITE setSelectCompanyNag)
    Q_PROPERTY(QString DatabasePath READ DatabasePath WRITE setDatabasePath)
    Q_PROPERTY(QString ServerName READ ServerName WRITE setServerName)
    Q_PROPERTY(QString DatabaseUser READ DatabaseUser WRITE setDatabaseUser)
    Q_PROPERTY(QString DatabasePassword READ DatabasePassword WRITE setDatabasePassword)
    Q_PROPERTY(bool UseLDGZX READ UseLDGZX WRITE setUseLDGZX)
    Q_PROPERTY(int SortBy READ SortBy WRITE setSortBy)
    Q_PROPERTY(bool DatabaseCommon READ DatabaseCommon WRITE setDatabaseCommon)
    Q_PROPERTY(QString Oktan2KPath READ Oktan2KPath WRITE setOktan2KPath)

public:
    static QString registryKey() { return QStringLiteral("Software\\Zelto\\Varko\\Config"); }
    // The ledger directory used when none is stored.
    static QString defaultLDGPath();

    // Sets up the saver and the defaults and loads the registry values, in that order.
    // storeFile: the registry store (empty: the user's).
    explicit TVarkoConfig(QObject *owner = nullptr, const QString &storeFile = QString());

    bool Load();
    bool Save();
    // Stores the new company directory, then raises OnSelectDirectory when attached.
    void SelectCompanyDirectory(const QString &directory);

    QString LDGPath() const { return m_ldgPath; }
    void setLDGPath(const QString &v) { m_ldgPath = v; }
    int LDGPL() const { return m_ldgpl; }
    void setLDGPL(int v) { m_ldgpl = v; }
    bool ConfirmCancelDocument() const { return m_confirmCancelDocument; }
    void setConfirmCancelDocument(bool v) { m_confirmCancelDocument = v; }
    bool OnClickExpandIsCool() const { return m_onClickExpandIsCool; }
    void setOnClickExpandIsCool(bool v) { m_onClickExpandIsCool = v; }
    bool SelectCompanyNag() const { return m_selectCompanyNag; }
    void setSelectCompanyNag(bool v) { m_selectCompanyNag = v; }
    QString DatabasePath() const { return m_databasePath; }
    void setDatabasePath(const QString &v) { m_databasePath = v; }
    QString ServerName() const { return m_serverName; }
    void setServerName(const QString &v) { m_serverName = v; }
    QString DatabaseUser() const { return m_databaseUser; }
    void setDatabaseUser(const QString &v) { m_databaseUser = v; }
    QString DatabasePassword() const { return m_databasePassword; }
    void setDatabasePassword(const QString &v) { m_databasePassword = v; }
    bool UseLDGZX() const { return m_useLDGZX; }
    void setUseLDGZX(bool v) { m_useLDGZX = v; }
    int SortBy() const { return m_sortBy; }
    void setSortBy(int v) { m_sortBy = v; }
    bool DatabaseCommon() const { return m_databaseCommon; }
    void setDatabaseCommon(bool v) { m_databaseCommon = v; }
    QString Oktan2KPath() const { return m_oktan2KPath; }
    void setOktan2KPath(const QString &v) { m_oktan2KPath = v; }

    // Run-time values, never stored.
    QString CompanyDirectory() const { return m_companyDirectory; }
    QString CompanyName() const { return m_companyName; }
    void setCompanyName(const QString &name) { m_companyName = name; }
    std::function<void()> OnSelectDirectory;

    TComponentSaver *saver() const { return m_saver; }

private:
    void applyEmptyDefaults();

    TComponentSaver *m_saver = nullptr;
    QString m_ldgPath;
    int m_ldgpl = 0;
    bool m_confirmCancelDocument = false;
    bool m_onClickExpandIsCool = false;
    bool m_selectCompanyNag = false;
    QString m_databasePath;
    QString m_serverName;
    QString m_databaseUser;
    QString m_databasePassword;
    bool m_useLDGZX = false;
    int m_sortBy = 0;
    bool m_databaseCommon = true;
    QString m_oktan2KPath;
    QString m_companyDirectory;
    QString m_companyName;
};

// The configuration object of the running program (set by the start-up; null before).
TVarkoConfig *VarkoConfig();
void SetVarkoConfig(TVarkoConfig *config);
