#pragma once
// Versions of installed files and the check against a required version.
//
// On this system a file's version comes from its own name once symbolic links are followed
// (libQt6Core.so.6 -> libQt6Core.so.6.4.2 gives 6.4.2), from a version note beside the
// file ("<file>.version", an INI text with a [StringFileInfo] section naming CompanyName,
// FileVersion, ... as a version resource would), or, for a Qt plugin, from the Qt version
// its embedded plugin note names. Nothing is looked up in a table.

#include <QObject>
#include <QString>
#include <QStringList>

class TfwVersionInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString FileName READ FileName WRITE setFileName)
    Q_PROPERTY(QString CompanyName READ CompanyName)
    Q_PROPERTY(QString FileDescription READ FileDescription)
    Q_PROPERTY(QString FileVersion READ FileVersion)
    Q_PROPERTY(QString InternalName READ InternalName)
    Q_PROPERTY(QString LegalCopyright READ LegalCopyright)
    Q_PROPERTY(QString LegalTrademarks READ LegalTrademarks)
    Q_PROPERTY(QString OriginalFileName READ OriginalFileName)
    Q_PROPERTY(QString ProductName READ ProductName)
    Q_PROPERTY(QString ProductVersion READ ProductVersion)
    Q_PROPERTY(QString Comments READ Comments)
    Q_PROPERTY(bool HasVersionInfo READ HasVersionInfo)
    Q_PROPERTY(QString FileMajorMinorRelease READ FileMajorMinorRelease)
    Q_PROPERTY(QString FileBuildNumber READ FileBuildNumber)
    Q_PROPERTY(QString FileVersionStr READ FileVersionStr)
    Q_PROPERTY(QString FileVersionBuildStr READ FileVersionBuildStr)

public:
    explicit TfwVersionInfo(QObject *owner = nullptr);

    QString FileName() const { return m_fileName; }
    // A different name reloads every text; the same name leaves them as they are.
    void setFileName(const QString &fileName);

    QString CompanyName() const { return m_companyName; }
    QString FileDescription() const { return m_fileDescription; }
    QString FileVersion() const { return m_fileVersion; }
    QString InternalName() const { return m_internalName; }
    QString LegalCopyright() const { return m_legalCopyright; }
    QString LegalTrademarks() const { return m_legalTrademarks; }
    QString OriginalFileName() const { return m_originalFileName; }
    QString ProductName() const { return m_productName; }
    QString ProductVersion() const { return m_productVersion; }
    QString Comments() const { return m_comments; }
    bool HasVersionInfo() const { return m_hasVersionInfo; }

    QString FileMajorMinorRelease() const;
    QString FileBuildNumber() const;
    QString FileVersionStr() const;
    QString FileVersionBuildStr() const;

    // The dotted version a shared-library name carries after ".so." ("" when none).
    static QString VersionFromFileName(const QString &fileName);

private:
    void clear();
    void load();
    bool loadVersionNote(const QString &noteFile);
    bool loadPluginNote(const QString &file);

    QString m_fileName;
    QString m_companyName;
    QString m_fileDescription;
    QString m_fileVersion;
    QString m_internalName;
    QString m_legalCopyright;
    QString m_legalTrademarks;
    QString m_originalFileName;
    QString m_productName;
    QString m_productVersion;
    QString m_comments;
    bool m_hasVersionInfo = false;
};

class TFileVersionChecker : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString FileName READ FileName WRITE setFileName)
    Q_PROPERTY(QString RequiredVersion READ RequiredVersion WRITE setRequiredVersion)
    Q_PROPERTY(bool Missing READ Missing)
    Q_PROPERTY(QString CurrentVersion READ CurrentVersion)
    Q_PROPERTY(bool VersionOk READ VersionOk)

public:
    explicit TFileVersionChecker(QObject *owner = nullptr);

    QString FileName() const { return m_fileName; }
    // A bare name is located first (LocateFile); a name with a directory is taken as it is.
    void setFileName(const QString &fileName);
    QString RequiredVersion() const { return m_requiredVersion; }
    void setRequiredVersion(const QString &version) { m_requiredVersion = version.trimmed(); }
    bool Missing() const { return m_missing; }
    QString CurrentVersion() const { return m_currentVersion; }
    bool VersionOk() const { return m_versionOk; }
    TfwVersionInfo *VersionInfo() const { return m_versionInfo; }

    // Full name of the first file answering to the bare name in the search directories, "".
    virtual QString LocateFile(const QString &name);
    virtual void Check();

    // WindowsDir, SystemDir, then each directory of PATH, in that order.
    static QStringList SearchDirectories();
    // PATH split at ":" (and ";", which old settings use); blank entries are dropped.
    static QStringList SplitPathList(const QString &pathList);
    // True when current is at least required, comparing as many dotted parts as required has;
    // a part that is not a whole number, or is absent, counts as 0.
    static bool VersionAtLeast(const QString &current, const QString &required);

private:
    TfwVersionInfo *m_versionInfo;
    QString m_fileName;
    QString m_requiredVersion;
    QString m_currentVersion;
    bool m_missing = true;
    bool m_versionOk = false;
};

// True when the file passes. Otherwise problem is "Nie znaleziono" or "Niewłaściwa wersja: "
// followed by the current version. currentVersion receives the file's version whenever the
// file exists.
bool CheckFile(const QString &fileName, const QString &requiredVersion, QString &problem, QString &currentVersion);
