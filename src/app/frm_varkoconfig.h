#pragma once
// The configuration view: three collapsible panels whose controls edit the configuration
// object directly; the registry is written when the main window closes.

#include <QWidget>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class TCategoryPanel;
class TVarkoConfig;

class TfrmVarkoConfig : public QWidget
{
    Q_OBJECT
public:
    // config: the configuration to edit (null: the program's one).
    explicit TfrmVarkoConfig(QWidget *parent = nullptr, TVarkoConfig *config = nullptr);

    // Fills the controls from the configuration without copying anything back.
    void FillControls();
    // Copies every control into the configuration object.
    void CopyToConfig();

    // Starts a new instance with the same parameters and closes the main window.
    void RestartProgram();
    // How a new instance is started (program, parameters, working directory); tests
    // replace it.
    static std::function<bool(const QString &, const QStringList &, const QString &)> StartProcess;

    TCategoryPanel *panelGeneral() const { return m_general; }
    TCategoryPanel *panelDatabase() const { return m_database; }
    TCategoryPanel *panelImport() const { return m_import; }

private:
    QToolButton *browseButton(QLineEdit *edit, const QString &defaultStart);
    void browse(QLineEdit *edit, const QString &defaultStart);
    void watch(QWidget *control);

    TVarkoConfig *m_config = nullptr;
    bool m_filling = false;
    TCategoryPanel *m_general = nullptr;
    TCategoryPanel *m_database = nullptr;
    TCategoryPanel *m_import = nullptr;
    QCheckBox *m_confirmCancel = nullptr;
    QCheckBox *m_clickExpands = nullptr;
    QCheckBox *m_companyNag = nullptr;
    QRadioButton *m_sortDescription = nullptr;
    QRadioButton *m_sortDate = nullptr;
    QRadioButton *m_sortType = nullptr;
    QLineEdit *m_databasePath = nullptr;
    QRadioButton *m_databaseCommon = nullptr;
    QRadioButton *m_databasePerCompany = nullptr;
    QLineEdit *m_serverName = nullptr;
    QLineEdit *m_databaseUser = nullptr;
    QLineEdit *m_databasePassword = nullptr;
    QLineEdit *m_ldgPath = nullptr;
    QRadioButton *m_mazovia = nullptr;
    QRadioButton *m_cp852 = nullptr;
    QLineEdit *m_oktanPath = nullptr;
    QPushButton *m_restart = nullptr;
};
