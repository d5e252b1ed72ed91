#include "frm_varko.h"

#include "actionlinks.h"
#include "frm_errorlog.h"
#include "frm_help.h"

#include "common/apppaths.h"
#include "common/codepage.h"
#include "common/dialogs.h"
#include "common/pathresolver.h"
#include "common/switches.h"
#include "common/twtools.h"
#include "common/varkoconfig.h"
#include "forms/classregistry.h"
#include "forms/form_creator.h"
#include "forms/msxmlparser.h"
#include "forms/zelto_formfactory.h"
#include "widgets/twplacement.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QScreen>
#include <QSplitter>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace {

constexpr int InfoRole = Qt::UserRole;
constexpr int ElementRole = Qt::UserRole + 1;

const QString chooseCompanyText()
{
    return QStringLiteral(" Wybierz firmę LDG_ZX ...");
}

// A control of a view by name: an owned component, or a child of that name.
QWidget *controlOf(QWidget *view, const QString &name)
{
    if (!view)
        return nullptr;
    if (auto *w = qobject_cast<QWidget *>(Components::FindComponent(view, name)))
        return w;
    return view->findChild<QWidget *>(name);
}

// "An optionally signed run of digits" is a number; anything else is 0.
int iconIndex(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?\\d+$"));
    if (!number.match(text).hasMatch())
        return 0;
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok ? n : 0;
}

void visit(const TXmlNode *node, const std::function<void(const TXmlNode *)> &f)
{
    f(node);
    for (const auto &c : node->children)
        visit(c.get(), f);
}

} // namespace

TfrmVarko::TfrmVarko(QWidget *parent, TVarkoConfig *config, TZeltoFormList *forms, TActionLinkHandler *links)
    : TForm(parent)
    , m_config(config ? config : VarkoConfig())
    , m_forms(forms ? forms : RegisteredForms())
    , m_links(links ? links : ActionLinkHandler())
    , m_factory(new TZeltoFormsFactory(this, m_forms))
{
    setObjectName(QStringLiteral("frmVarko"));
    setWindowTitle(QStringLiteral("Papyra"));
    // Window creation: the configuration a second time, the loading mark on.
    if (m_config)
        m_config->Load();
    m_loading = true;
    createControls();

    setMinimumSize(640, 465);
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        resize(qMax(640, s.width()), qMax(465, s.height() - 25));
        move(s.left() + (s.width() - width()) / 2, s.top() + (s.height() - 25 - height()) / 2);
    }
    TraceStartup(QStringLiteral("MainForm FormCreate entered"));

    m_factory->setXMLTemplatesDirectory(AppDir() + QStringLiteral("Forms/"));
    TraceStartup(QStringLiteral("FormFactory initialized"));

    const QString formsSwitch = FindSwitch(QStringLiteral("/FORMS:"));
    LoadCatalogue(formsSwitch.isEmpty() ? AppDir() + QStringLiteral("forms.xml") : formsSwitch.mid(7).trimmed());

    if (m_config) {
        m_config->OnSelectDirectory = [this] { CompanyDirectoryChanged(); };
        m_config->setUseLDGZX(SwitchPresent(QStringLiteral("/LDG")));
    }
    const bool ledger = m_config ? m_config->UseLDGZX() : SwitchPresent(QStringLiteral("/LDG"));
    m_company->setVisible(ledger);
    if (ledger)
        m_company->setText(chooseCompanyText());

    qApp->installEventFilter(this);
}

TfrmVarko::~TfrmVarko()
{
    qApp->removeEventFilter(this);
    if (m_config)
        m_config->OnSelectDirectory = nullptr;
    // The views go before the tree that refers to the catalogue.
    delete m_factory;
    m_factory = nullptr;
}

TAction *TfrmVarko::addAction(const QString &name, const QString &caption, void (TfrmVarko::*slot)())
{
    auto *a = new TAction(name, caption, this);
    Components::SetOwner(a, this);
    connect(a, &QAction::triggered, this, slot);
    return a;
}

void TfrmVarko::createControls()
{
    TAction *exit = addAction(QStringLiteral("actExit"), QStringLiteral("Koniec"), &TfrmVarko::actExitExecute);
    TAction *collapse = addAction(QStringLiteral("actTreeCollapse"), QStringLiteral("Zwiń"), &TfrmVarko::actTreeCollapseExecute);
    TAction *expand = addAction(QStringLiteral("actTreeExpand"), QStringLiteral("Rozwiń"), &TfrmVarko::actTreeExpandExecute);
    addAction(QStringLiteral("actPrinterSetup"), QStringLiteral("Konfiguracja drukarki"), &TfrmVarko::actPrinterSetupExecute);
    addAction(QStringLiteral("actFileExecute"), QStringLiteral("actFileExecute"), &TfrmVarko::actFileExecuteExecute);
    TAction *test = new TAction(QStringLiteral("actTest"), QStringLiteral("Test"), this);
    Components::SetOwner(test, this);
    test->setVisible(false);

    auto *strip = new QFrame(this);
    strip->setObjectName(QStringLiteral("pnlTools"));
    strip->setFrameShape(QFrame::NoFrame);
    auto *stripBox = new QHBoxLayout(strip);
    stripBox->setContentsMargins(2, 2, 2, 2);
    stripBox->setSpacing(2);
    for (TAction *a : {exit, collapse, expand, test}) {
        auto *b = new QToolButton(strip);
        b->setDefaultAction(a);
        b->setAutoRaise(true);
        b->setObjectName(QStringLiteral("btn") + a->objectName().mid(3));
        // A tool button outside a tool bar does not follow its command's visibility.
        b->setVisible(a->isVisible());
        connect(a, &QAction::changed, b, [a, b] { b->setVisible(a->isVisible()); });
        stripBox->addWidget(b);
    }
    m_company = new QLabel(strip);
    m_company->setObjectName(QStringLiteral("lblCompany"));
    QFont bold = m_company->font();
    bold.setBold(true);
    m_company->setFont(bold);
    stripBox->addSpacing(12);
    stripBox->addWidget(m_company);
    stripBox->addStretch(1);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_tree = new QTreeWidget(m_splitter);
    m_tree->setObjectName(QStringLiteral("tvForms"));
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(false);
    m_tree->setIndentation(27);
    m_tree->setIconSize(QSize(24, 24));
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tree->setAllColumnsShowFocus(true);
    m_tree->setExpandsOnDoubleClick(true);
    m_tree->setStyleSheet(QStringLiteral("QTreeView::branch { image: none; border-image: none; }"));
    // The selection stays visible when the tree loses the focus.
    QPalette pal = m_tree->palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText, pal.color(QPalette::Active, QPalette::HighlightedText));
    m_tree->setPalette(pal);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *current) { OpenNode(current); });

    m_container = new QWidget(m_splitter);
    m_container->setObjectName(QStringLiteral("pnlContainer"));
    m_container->setAutoFillBackground(true);
    QPalette white = m_container->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_container->setPalette(white);
    m_splitter->addWidget(m_tree);
    m_splitter->addWidget(m_container);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({249, 800});

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("sbStatus"));
    m_status->setFrameShape(QFrame::StyledPanel);
    m_status->setFrameShadow(QFrame::Sunken);

    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    box->addWidget(strip);
    box->addWidget(m_splitter, 1);
    box->addWidget(m_status);
}

TAction *TfrmVarko::action(const QString &name) const
{
    return qobject_cast<TAction *>(Components::FindComponent(this, name));
}

const TXmlNode *TfrmVarko::elementOf(const QTreeWidgetItem *node)
{
    return node ? reinterpret_cast<const TXmlNode *>(node->data(0, ElementRole).value<quintptr>()) : nullptr;
}

bool TfrmVarko::ConditionHolds(const QString &condition)
{
    if (condition.isEmpty())
        return true;
    QString subject = QStringLiteral("PARAM");
    QString value = condition;
    const int eq = condition.indexOf(QLatin1Char('='));
    if (eq >= 0) {
        subject = condition.left(eq).trimmed();
        value = condition.mid(eq + 1).trimmed().toUpper();
    }
    if (subject != QLatin1String("PARAM"))
        return false;
    return FindSwitch(value) == value.toUpper();
}

void TfrmVarko::LoadCatalogue(const QString &fileName)
{
    const bool wasLoading = m_loading;
    m_loading = true;
    m_tree->setUpdatesEnabled(false);
    struct TResume
    {
        TfrmVarko *w;
        bool loading;
        ~TResume()
        {
            w->m_tree->setUpdatesEnabled(true);
            w->m_loading = loading;
        }
    } resume{this, wasLoading};

    m_tree->clear();
    m_icons.clear();
    TraceStartup(QStringLiteral("Ready to load forms.xml"));
    m_catalogue = std::make_unique<TMSXMLParser>();
    m_catalogue->setFileName(fileName);
    m_catalogue->load();
    TraceStartup(QStringLiteral("Forms.xml loaded"));
    m_catalogue->walk();
    TraceStartup(QStringLiteral("Forms.xml parsed"));
    // A missing or broken file leaves an empty document: the passes find nothing.
    static const TXmlNode nothing{TXmlNode::Document};
    const TXmlNode *document = m_catalogue->document() ? m_catalogue->document() : &nothing;

    bool stopped = false;
    visit(document, [&](const TXmlNode *node) {
        if (stopped || !node->isElement(QStringLiteral("customform")))
            return;
        const QString className = node->attribute(QStringLiteral("class"));
        TZeltoFormInfo info;
        info.FormClass = TClassRegistry::instance().findClass(className);
        if (!info.FormClass) {
            stopped = true;
            ReportUnhandledError(QStringLiteral("Klasa formularza %1 nie jest zarejestrowana.").arg(className));
            return;
        }
        info.ID = node->attribute(QStringLiteral("id"));
        info.Category = node->attribute(QStringLiteral("documentcategory"));
        info.ExpressionFile = node->attribute(QStringLiteral("expressions"));
        info.ImportFile = node->attribute(QStringLiteral("import"));
        info.TemplateFile = node->attribute(QStringLiteral("template"));
        info.ScriptFile = node->attribute(QStringLiteral("scr"));
        info.HelpFile = node->attribute(QStringLiteral("help"));
        info.Description = node->attribute(QStringLiteral("description"));
        m_forms->RegisterInfo(info);
    });
    if (stopped)
        return;
    TraceStartup(QStringLiteral("Custom forms registered"));

    visit(document, [&](const TXmlNode *node) {
        if (!node->isElement(QStringLiteral("icon")))
            return;
        const QString file = node->attribute(QStringLiteral("file"));
        if (file.isEmpty())
            return;
        const QString path = ResolvePathIn(AppDir(), file);
        if (!QFileInfo(path).isFile())
            return;
        const QPixmap picture(path);
        if (picture.isNull())
            return;
        m_icons << QIcon(picture.scaled(24, 24, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    });
    TraceStartup(QStringLiteral("Tree icons loaded"));

    buildTree(document, nullptr);
    TraceStartup(QStringLiteral("Tree prepared"));
}

void TfrmVarko::buildTree(const TXmlNode *node, QTreeWidgetItem *parent)
{
    if (node->isElement(QStringLiteral("form")) && ConditionHolds(node->attribute(QStringLiteral("if")))) {
        QString text = node->attribute(QStringLiteral("description"));
        if (node->hasChildNodes())
            text += QStringLiteral("  >");
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
        item->setText(0, text);
        const int icon = iconIndex(node->attribute(QStringLiteral("icon")));
        if (icon >= 0 && icon < m_icons.size())
            item->setIcon(0, m_icons[icon]);
        const QString id = node->attribute(QStringLiteral("id"));
        const TZeltoFormInfo *info = !id.isEmpty() ? m_forms->FindInfoByID(id)
                                                   : m_forms->FindInfoByClassName(node->attribute(QStringLiteral("class")));
        item->setData(0, InfoRole, QVariant::fromValue(quintptr(info)));
        item->setData(0, ElementRole, QVariant::fromValue(quintptr(node)));
        parent = item;
    }
    for (const auto &child : node->children)
        buildTree(child.get(), parent);
}

void TfrmVarko::showEvent(QShowEvent *event)
{
    TForm::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        firstShow();
    }
}

namespace {

// The main window's place among the windows remembered under the program's key.
TFormPlacement mainPlacement()
{
    return TFormPlacement(TFormPlacement::Registry, QStringLiteral("Software\\Zelto\\Varko"), QStringLiteral("frmVarko"));
}

} // namespace

void TfrmVarko::firstShow()
{
    // The remembered placement wins over the full-screen size of creation.
    mainPlacement().restore(this);
    if (TAction *test = action(QStringLiteral("actTest")))
        test->setVisible(SwitchPresent(QStringLiteral("/TEST")));
    if (m_database && m_config) {
        m_database->setServerName(m_config->ServerName());
        m_database->setDatabasePath(m_config->DatabasePath());
    }
    QString status = QStringLiteral(" Wersja ") + versionText();
    QString extra;
    if (ReadCp1250File(ResolvePathIn(AppDir(), QStringLiteral("podwersja.ini")), extra))
        status += Vcl::SplitLines(extra).join(QLatin1Char('\n'));
    m_status->setText(status);
    repaint();
    if (QWidget *f = QApplication::focusWidget(); f && f->window() == this)
        f->clearFocus();
    m_loading = false;

    m_factory->ApplyDescription(this);
    for (const char *name : {"actPrinterSetup", "actFileExecute", "actExit"})
        m_links->RegisterAction(action(QString::fromLatin1(name)));

    if (QTreeWidgetItem *first = m_tree->topLevelItem(0)) {
        m_tree->setFocus();
        if (m_tree->currentItem() == first)
            OpenNode(first);
        else
            m_tree->setCurrentItem(first);
        first->setSelected(true);
    }
    if (m_database)
        m_database->Open();
}

void TfrmVarko::OpenNode(QTreeWidgetItem *node)
{
    if (m_loading || !node)
        return;
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (m_config && m_config->OnClickExpandIsCool() && node->childCount() > 0 && !node->isExpanded())
        node->setExpanded(true);
    const auto *info = reinterpret_cast<const TZeltoFormInfo *>(node->data(0, InfoRole).value<quintptr>());
    if (info && info->FormClass) {
        QWidget *view = m_factory->GetFormByClass(info->FormClass);
        if (view) {
            if (!view->parentWidget()) {
                view->setParent(m_container, Qt::Widget);
                view->move(0, 0);
                Vcl::SetAlign(view, Vcl::alClient);
            }
            if (const TXmlNode *element = elementOf(node))
                m_factory->creator()->ApplyAttributes(view, element);
            if (view->inherits("TfrmSelectLDG")
                && view->metaObject()->indexOfSignal("OnCompanyChanged(QString,QString,QString)") >= 0) {
                connect(view, SIGNAL(OnCompanyChanged(QString, QString, QString)), this,
                        SLOT(onCompanyChanged(QString, QString, QString)), Qt::UniqueConnection);
            }
            if (m_currentView && m_currentView != view && m_currentView->parentWidget() == m_container)
                m_currentView->hide();
            m_currentView = view;
            view->show();
            view->raise();
            Vcl::Realign(m_container);
            view->repaint();
            repaint();
            if (view->metaObject()->indexOfMethod("FormShow()") >= 0)
                QMetaObject::invokeMethod(view, "FormShow", Qt::DirectConnection);
            const QString actionName = elementOf(node) ? elementOf(node)->attribute(QStringLiteral("action")) : QString();
            if (!actionName.isEmpty()) {
                if (auto *a = qobject_cast<TAction *>(Components::FindComponent(this, actionName)))
                    a->Execute();
            }
        }
    }
    companyReminder(node);
}

void TfrmVarko::onCompanyChanged(const QString &companyName, const QString &companyCode, const QString &companyDir)
{
    CompanyChanged(sender(), companyName, companyCode, companyDir);
}

void TfrmVarko::companyReminder(QTreeWidgetItem *node)
{
    if (!m_config || !m_config->SelectCompanyNag() || m_reminderShown)
        return;
    const QString text = node->text(0);
    if (text == QLatin1String("Wybierz firmę...") || text == QLatin1String("O programie"))
        return;
    if (!SwitchPresent(QStringLiteral("/LDG")) || m_company->text() != chooseCompanyText())
        return;
    m_reminderShown = true;
    ShowBox(bkInformation, QStringLiteral("Pracujesz w trybie LDG.\rWybierz firmę."), QStringLiteral("Informacja"));
    QTreeWidgetItemIterator it(m_tree);
    if (*it)
        ++it;
    if (*it)
        m_tree->setCurrentItem(*it);
}

void TfrmVarko::CompanyChanged(QObject *, const QString &companyName, const QString &companyCode, const QString &)
{
    if (!companyCode.isEmpty()) {
        if (m_database)
            m_database->setCurrentCompanyCode(companyCode);
        m_company->setText(QStringLiteral(" Bieżąca firma: %1, Katalog: %2").arg(companyName, companyCode));
    } else {
        if (m_database)
            m_database->setCurrentCompanyCode(QString());
        m_company->setText(chooseCompanyText());
    }
}

void TfrmVarko::CompanyDirectoryChanged()
{
    if (!m_database || !m_config)
        return;
    if (m_config->DatabaseCommon()) {
        if (!m_database->IsOpen())
            m_database->Open();
        return;
    }
    const QString companyDir = m_config->CompanyDirectory();
    if (ExcludeTrailingBackslash(m_database->DatabasePath()) == ExcludeTrailingBackslash(companyDir))
        return;
    const QString previous = m_database->DatabasePath();
    m_database->setServerName(m_config->ServerName());
    m_database->setDatabasePath(companyDir);
    const QString dir = ToLinuxPath(IncludeTrailingBackslash(companyDir));
    const QString databaseFile = ResolvePath(dir + m_database->DatabaseFile());
    if (!QFileInfo(databaseFile).isFile()) {
        const QString name = m_config->CompanyName();
        const int answer = ShowBox(bkYesNo,
                                   QStringLiteral("W katalogu firmy ") + name + QStringLiteral("\r\n")
                                       + QStringLiteral("nie ma jeszcze tabeli formularzy.\r\n")
                                       + QStringLiteral("Czy utworzyć nową pustą tabelę formularzy?"),
                                   QStringLiteral("Uwaga!"));
        if (answer != mrYes) {
            m_database->setDatabasePath(previous);
            return;
        }
        ShowNotice(QStringLiteral("Trwa tworzenie bazy danych..."));
        // Failures here show up as the open below failing.
        CopyFileToDir(AppDir() + QStringLiteral("empty.gdb"), companyDir);
        const QString copy = ResolvePath(dir + QStringLiteral("empty.gdb"));
        QFile::remove(dir + m_database->DatabaseFile());
        QFile::rename(copy, dir + m_database->DatabaseFile());
        HideNotice();
        ShowBox(bkInformation,
                QStringLiteral("W katalogu firmy ") + name + QStringLiteral("\r\n") + QStringLiteral("utworzono tabelę formularzy."),
                QStringLiteral("Informacje"));
    }
    m_database->Open();
    if (!m_database->IsOpen()) {
        ShowBox(bkWarning,
                QStringLiteral("Nie mogę otworzyć wybranej bazy danych!\r\nPrzełączam się do standardowej bazy danych."),
                QStringLiteral("Uwaga!"));
        m_database->setServerName(m_config->ServerName());
        m_database->setDatabasePath(m_config->DatabasePath());
        m_database->Open();
    }
}

QWidget *TfrmVarko::viewByClassName(const char *className)
{
    const QMetaObject *meta = TClassRegistry::instance().findClass(QString::fromLatin1(className));
    return meta ? m_factory->GetFormByClass(meta) : nullptr;
}

QWidget *TfrmVarko::viewByID(const QString &id)
{
    // The built-in views are registered under fixed identifiers ("Forms" is the document
    // list, "Wybierz firmę" the company selection).
    const TZeltoFormInfo *info = m_forms->FindInfoByID(id);
    return info ? m_factory->GetFormByClass(info->FormClass) : nullptr;
}

bool TfrmVarko::LogUnhandledError(const QString &message)
{
    auto *log = qobject_cast<TfrmErrorLog *>(viewByClassName("TfrmErrorLog"));
    if (!log)
        return false;
    log->AddEntry(message, 0);
    return true;
}

bool TfrmVarko::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *w = qobject_cast<QWidget *>(watched);
        if (w && (w == this || isAncestorOf(w)) && handleKey(static_cast<QKeyEvent *>(event)))
            return true;
    }
    return TForm::eventFilter(watched, event);
}

bool TfrmVarko::handleKey(QKeyEvent *event)
{
    const bool treeFocused = m_tree->hasFocus();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods != Qt::NoModifier)
        return false;
    QTreeWidgetItem *current = m_tree->currentItem();
    const bool selected = current && current->isSelected();
    switch (event->key()) {
    case Qt::Key_Tab: {
        if (!treeFocused) {
            m_tree->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (!selected)
            return true;
        const QString text = current->text(0);
        if (text == QLatin1String("Wybierz firmę...")) {
            if (QWidget *list = controlOf(viewByID(QStringLiteral("Wybierz firmę")), QStringLiteral("Lista")))
                list->setFocus(Qt::TabFocusReason);
        } else if (text != QLatin1String("Notatnik")) {
            if (QWidget *grid = controlOf(viewByID(QStringLiteral("Forms")), QStringLiteral("grdForms")))
                grid->setFocus(Qt::TabFocusReason);
        }
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        if (treeFocused && selected && current->parent()) {
            QTreeWidgetItem *parent = current->parent();
            m_tree->setCurrentItem(parent);
            std::function<void(QTreeWidgetItem *)> collapse = [&](QTreeWidgetItem *item) {
                for (int i = 0; i < item->childCount(); ++i)
                    collapse(item->child(i));
                item->setExpanded(false);
            };
            collapse(parent);
            return true;
        }
        QWidget *focus = QApplication::focusWidget();
        if (focus && focus->objectName() == QLatin1String("ed_SeekCompanyName")) {
            m_tree->setFocus();
            return true;
        }
        return false;
    }
    case Qt::Key_Insert: {
        if (!treeFocused)
            return false;
        QWidget *view = viewByID(QStringLiteral("Forms"));
        if (QWidget *grid = controlOf(view, QStringLiteral("grdForms")))
            grid->setFocus();
        QObject *button = Components::FindComponent(view, QStringLiteral("SpeedButton1"));
        if (!button && view)
            button = view->findChild<QObject *>(QStringLiteral("SpeedButton1"));
        if (auto *b = qobject_cast<QAbstractButton *>(button))
            b->click();
        else if (auto *a = qobject_cast<TAction *>(button))
            a->Execute();
        return true;
    }
    default:
        return false;
    }
}

void TfrmVarko::closeEvent(QCloseEvent *event)
{
    mainPlacement().save(this);
    if (m_config) {
        m_config->OnSelectDirectory = nullptr;
        m_config->Save();
    }
    event->accept();
}

void TfrmVarko::actExitExecute()
{
    close();
}

void TfrmVarko::actTreeCollapseExecute()
{
    m_tree->setUpdatesEnabled(false);
    m_tree->collapseAll();
    m_tree->setUpdatesEnabled(true);
}

void TfrmVarko::actTreeExpandExecute()
{
    m_tree->expandAll();
}

void TfrmVarko::actPrinterSetupExecute()
{
    QPrinter printer;
    QPageSetupDialog dialog(&printer, this);
    dialog.exec();
}

void TfrmVarko::actFileExecuteExecute()
{
    const QString base = m_config ? m_config->DatabasePath() : AppDir();
    const QString dir = ToLinuxPath(IncludeTrailingBackslash(base)) + QStringLiteral("ldg_2003");
    TfrmHelp::ShellOpen(ResolvePath(dir + QStringLiteral("/ldg.pif")), QString());
}
