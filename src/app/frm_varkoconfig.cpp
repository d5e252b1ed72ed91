#include "frm_varkoconfig.h"

#include "common/apppaths.h"
#include "common/dialogs.h"
#include "common/switches.h"
#include "common/varkoconfig.h"
#include "widgets/twcategorypanel.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QWidget *row(QWidget *parent, QWidget *first, QWidget *second = nullptr)
{
    auto *w = new QWidget(parent);
    auto *l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(first, 1);
    if (second)
        l->addWidget(second);
    return w;
}

QLabel *caption(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

std::function<bool(const QString &, const QStringList &, const QString &)> TfrmVarkoConfig::StartProcess =
    [](const QString &program, const QStringList &parameters, const QString &workingDir) {
        return QProcess::startDetached(program, parameters, workingDir);
    };

TfrmVarkoConfig::TfrmVarkoConfig(QWidget *parent, TVarkoConfig *config)
    : QWidget(parent), m_config(config ? config : VarkoConfig())
{
    setObjectName(QStringLiteral("frmVarkoConfig"));
    setWindowTitle(QStringLiteral("Konfiguracja programu"));
    resize(560, 520);

    auto *outer = new QVBoxLayout(this);
    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    outer->addWidget(scroll);
    auto *page = new QWidget(scroll);
    scroll->setWidget(page);
    auto *layout = new QVBoxLayout(page);

    auto *intro = caption(QStringLiteral(
        "Zmieniając poniższe opcje możesz dostosować sposób pracy programu do swoich potrzeb.  Po dokonaniu zmian wyjdź "
        "z programu i uruchom go ponownie, aby zmiany zostały uaktywnione. Kliknij panel, aby go rozwinąć lub zwinąć z "
        "powrotem."), page);
    intro->setObjectName(QStringLiteral("lblIntro"));
    layout->addWidget(intro);

    // General settings.
    m_general = new TCategoryPanel(QStringLiteral("Ustawienia ogólne"), page);
    m_general->setObjectName(QStringLiteral("panGeneral"));
    QVBoxLayout *g = m_general->contentLayout();
    m_confirmCancel = new QCheckBox(QStringLiteral("Wyjście z dokumentu klawiszem ESC wymaga potwierdzenia"), m_general);
    m_clickExpands = new QCheckBox(QStringLiteral("Pojedyncze kliknięcie rozwija gałęzie drzewka "), m_general);
    m_companyNag = new QCheckBox(QStringLiteral("Przypominaj o wyborze firmy podczas pracy z parametrem /LDG"), m_general);
    m_confirmCancel->setObjectName(QStringLiteral("cbConfirmCancelDocument"));
    m_clickExpands->setObjectName(QStringLiteral("cbOnClickExpandIsCool"));
    m_companyNag->setObjectName(QStringLiteral("cbSelectCompanyNag"));
    g->addWidget(m_confirmCancel);
    g->addWidget(m_clickExpands);
    g->addWidget(m_companyNag);
    g->addWidget(caption(QStringLiteral("Sortuj wprowadzane dokumenty według:"), m_general));
    m_sortDescription = new QRadioButton(QStringLiteral("opisu formularza"), m_general);
    m_sortDate = new QRadioButton(QStringLiteral("daty wprowadzenia"), m_general);
    m_sortType = new QRadioButton(QStringLiteral("typu formularza"), m_general);
    auto *sortGroup = new QButtonGroup(this);
    for (QRadioButton *r : {m_sortDescription, m_sortDate, m_sortType}) {
        sortGroup->addButton(r);
        g->addWidget(r);
    }
    layout->addWidget(m_general);

    // Database settings.
    m_database = new TCategoryPanel(QStringLiteral("Ustawienia bazy danych"), page);
    m_database->setObjectName(QStringLiteral("panDatabase"));
    QVBoxLayout *d = m_database->contentLayout();
    d->addWidget(caption(QStringLiteral("Lokalizacja bazy danych:"), m_database));
    m_databasePath = new QLineEdit(m_database);
    m_databasePath->setObjectName(QStringLiteral("edDatabasePath"));
    d->addWidget(row(m_database, m_databasePath, browseButton(m_databasePath, AppDir())));
    m_databaseCommon = new QRadioButton(QStringLiteral("wspólna baza danych"), m_database);
    m_databasePerCompany = new QRadioButton(QStringLiteral("osobne bazy dla poszczególnych firm LDG"), m_database);
    auto *dbGroup = new QButtonGroup(this);
    dbGroup->addButton(m_databaseCommon);
    dbGroup->addButton(m_databasePerCompany);
    d->addWidget(m_databaseCommon);
    d->addWidget(m_databasePerCompany);
    d->addWidget(caption(QStringLiteral("Adres sieciowy serwera:"), m_database));
    m_serverName = new QLineEdit(m_database);
    m_serverName->setObjectName(QStringLiteral("edServerName"));
    d->addWidget(m_serverName);
    d->addWidget(caption(QStringLiteral("Nazwa użytkownika:"), m_database));
    m_databaseUser = new QLineEdit(m_database);
    m_databaseUser->setObjectName(QStringLiteral("edDatabaseUser"));
    d->addWidget(m_databaseUser);
    d->addWidget(caption(QStringLiteral("Hasło dostępu do bazy:"), m_database));
    m_databasePassword = new QLineEdit(m_database);
    m_databasePassword->setObjectName(QStringLiteral("edDatabasePassword"));
    m_databasePassword->setEchoMode(QLineEdit::Password);
    m_databasePassword->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    d->addWidget(m_databasePassword);
    layout->addWidget(m_database);

    // Data import.
    m_import = new TCategoryPanel(QStringLiteral("Import danych "), page);
    m_import->setObjectName(QStringLiteral("panImport"));
    QVBoxLayout *im = m_import->contentLayout();
    im->addWidget(caption(QStringLiteral("Ścieżka dostępu do LDG_ZX"), m_import));
    m_ldgPath = new QLineEdit(m_import);
    m_ldgPath->setObjectName(QStringLiteral("edLDGPath"));
    im->addWidget(row(m_import, m_ldgPath, browseButton(m_ldgPath, TVarkoConfig::defaultLDGPath())));
    im->addWidget(caption(QStringLiteral("Standard polskich znaków:"), m_import));
    m_mazovia = new QRadioButton(QStringLiteral("Mazovia"), m_import);
    m_cp852 = new QRadioButton(QStringLiteral("CP-852"), m_import);
    auto *cpGroup = new QButtonGroup(this);
    cpGroup->addButton(m_mazovia);
    cpGroup->addButton(m_cp852);
    im->addWidget(m_mazovia);
    im->addWidget(m_cp852);
    im->addWidget(caption(QStringLiteral("Ścieżka dostępu do programu OKTAN'2000"), m_import));
    m_oktanPath = new QLineEdit(m_import);
    m_oktanPath->setObjectName(QStringLiteral("edOktan2KPath"));
    im->addWidget(row(m_import, m_oktanPath, browseButton(m_oktanPath, HomeDir() + QStringLiteral("zelto/oktany2000"))));
    layout->addWidget(m_import);

    layout->addStretch(1);
    m_restart = new QPushButton(QStringLiteral("Zapisz i restartuj program"), page);
    m_restart->setObjectName(QStringLiteral("btnRestart"));
    layout->addWidget(m_restart, 0, Qt::AlignLeft);
    connect(m_restart, &QPushButton::clicked, this, &TfrmVarkoConfig::RestartProgram);

    for (QWidget *w : std::initializer_list<QWidget *>{m_confirmCancel, m_clickExpands, m_companyNag, m_sortDescription,
                                                       m_sortDate, m_sortType, m_databasePath, m_databaseCommon,
                                                       m_databasePerCompany, m_serverName, m_databaseUser,
                                                       m_databasePassword, m_ldgPath, m_mazovia, m_cp852, m_oktanPath})
        watch(w);

    FillControls();
}

QToolButton *TfrmVarkoConfig::browseButton(QLineEdit *edit, const QString &defaultStart)
{
    auto *button = new QToolButton(edit->parentWidget());
    button->setText(QStringLiteral("..."));
    button->setObjectName(edit->objectName() + QStringLiteral("Browse"));
    button->setToolTip(QStringLiteral("Wybierz katalog..."));
    connect(button, &QToolButton::clicked, this, [this, edit, defaultStart] { browse(edit, defaultStart); });
    return button;
}

void TfrmVarkoConfig::browse(QLineEdit *edit, const QString &defaultStart)
{
    const QString start = edit->text().isEmpty() ? defaultStart : edit->text();
    const QString chosen = BrowseFolder(QStringLiteral("Wybierz katalog..."), start);
    if (chosen.isEmpty())
        return;
    edit->setText(chosen); // the change notification copies it into the configuration
}

void TfrmVarkoConfig::watch(QWidget *control)
{
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        connect(edit, &QLineEdit::textChanged, this, &TfrmVarkoConfig::CopyToConfig);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        connect(button, &QAbstractButton::toggled, this, &TfrmVarkoConfig::CopyToConfig);
}

void TfrmVarkoConfig::FillControls()
{
    if (!m_config)
        return;
    m_filling = true;
    m_confirmCancel->setChecked(m_config->ConfirmCancelDocument());
    m_clickExpands->setChecked(m_config->OnClickExpandIsCool());
    m_companyNag->setChecked(m_config->SelectCompanyNag());
    switch (m_config->SortBy()) {
    case 1:
        m_sortDate->setChecked(true);
        break;
    case 2:
        m_sortType->setChecked(true);
        break;
    default:
        m_sortDescription->setChecked(true);
        break;
    }
    m_databasePath->setText(m_config->DatabasePath());
    (m_config->DatabaseCommon() ? m_databaseCommon : m_databasePerCompany)->setChecked(true);
    m_serverName->setText(m_config->ServerName());
    m_databaseUser->setText(m_config->DatabaseUser());
    m_databasePassword->setText(m_config->DatabasePassword());
    m_ldgPath->setText(m_config->LDGPath());
    (m_config->LDGPL() == 2 ? m_cp852 : m_mazovia)->setChecked(true);
    m_oktanPath->setText(m_config->Oktan2KPath());
    m_filling = false;
}

void TfrmVarkoConfig::CopyToConfig()
{
    if (m_filling || !m_config)
        return;
    m_config->setConfirmCancelDocument(m_confirmCancel->isChecked());
    m_config->setOnClickExpandIsCool(m_clickExpands->isChecked());
    m_config->setSelectCompanyNag(m_companyNag->isChecked());
    m_config->setSortBy(m_sortDate->isChecked() ? 1 : m_sortType->isChecked() ? 2 : 0);
    m_config->setDatabasePath(m_databasePath->text());
    m_config->setDatabaseCommon(m_databaseCommon->isChecked());
    m_config->setServerName(m_serverName->text());
    m_config->setDatabaseUser(m_databaseUser->text());
    m_config->setDatabasePassword(m_databasePassword->text());
    m_config->setLDGPath(m_ldgPath->text());
    m_config->setLDGPL(m_cp852->isChecked() ? 2 : 1);
    m_config->setOktan2KPath(m_oktanPath->text());
}

void TfrmVarkoConfig::RestartProgram()
{
    // Written before the new instance starts, so it cannot read the registry before the
    // closing instance has saved it; closing the main window saves once more.
    if (m_config)
        m_config->Save();
    // The parameters go over as they came, one by one: joining them with blanks and
    // splitting again would cut a path that contains a blank.
    QStringList parameters = CommandLineParameters();
    for (QString &p : parameters)
        p = p.trimmed();
    parameters.removeAll(QString());
    StartProcess(QCoreApplication::applicationFilePath(), parameters, AppDir());
    if (QWidget *main = window())
        main->close();
}
