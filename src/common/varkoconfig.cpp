#include "varkoconfig.h"

#include "apppaths.h"
#include "componentsaver.h"

namespace {
TVarkoConfig *g_config = nullptr;
} // namespace

TVarkoConfig *VarkoConfig()
{
    return g_config;
}

void SetVarkoConfig(TVarkoConfig *config)
{
    g_config = config;
}

QString TVarkoConfig::defaultLDGPath()
{
    return HomeDir() + QStringLiteral("ldg_zx");
}

TVarkoConfig::TVarkoConfig(QObject *owner, const QString &storeFile)
    : QObject(owner), m_saver(new TComponentSaver(this))
{
    m_saver->setStoreFile(storeFile);
    m_saver->setComponent(this);
    m_saver->setSaveComponentName(false);
    m_saver->setRegistryKey(registryKey());
    m_databaseCommon = true;
    if (m_databaseUser.isEmpty())
        m_databaseUser = QStringLiteral("sysdba");
    if (m_databasePassword.isEmpty())
        m_databasePassword = QStringLiteral("bluecrane");
    Load();
}

void TVarkoConfig::applyEmptyDefaults()
{
    if (m_ldgPath.isEmpty())
        m_ldgPath = defaultLDGPath();
    if (m_databasePath.isEmpty())
        m_databasePath = AppDir();
    if (m_ldgpl == 0)
        m_ldgpl = 1;
}

bool TVarkoConfig::Load()
{
    // The defaults stand for absent and empty stored values alike, on every load.
    const bool loaded = m_saver->LoadFromRegistry();
    applyEmptyDefaults();
    return loaded;
}

bool TVarkoConfig::Save()
{
    return m_saver->SaveToRegistry();
}

void TVarkoConfig::SelectCompanyDirectory(const QString &directory)
{
    m_companyDirectory = directory;
    if (OnSelectDirectory)
        OnSelectDirectory();
}
