#include "zelto_baseform.h"

#include "documentservices.h"

#include "common/apppaths.h"
#include "common/dialogs.h"
#include "common/pathresolver.h"
#include "common/switches.h"
#include "common/twtools.h"
#include "forms/classregistry.h"
#include "forms/controlvaluesetter.h"
#include "forms/form_creator.h"
#include "forms/twEdit.h"
#include "printing/ScriptPrinter.h"
#include "widgets/twplacement.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString kQuestion = QStringLiteral("Zatwierdzić ewentualne zmiany?");
constexpr int kVkInsert = 0x2D;
// Marks the controls whose focus changes count as entering and leaving fields.
constexpr const char *kPreparedKey = "_zeltoPrepared";

// Sees every key of the application while its form is shown, so the form answers its keys
// before the focused control does (the control may not even be one of the form's own).
class TKeyPreview : public QObject
{
public:
    TKeyPreview(TZeltoBaseForm *form, std::function<bool(QKeyEvent *)> handler)
        : QObject(form)
        , m_form(form)
        , m_handler(std::move(handler))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        // A key travels from the focused widget up its parents; answer it once, at the start.
        auto *w = qobject_cast<QWidget *>(watched);
        QWidget *focus = QApplication::focusWidget();
        if (!w || w != (focus ? focus : m_form))
            return false;
        if (w != m_form && !m_form->isAncestorOf(w))
            return false;
        return m_handler(static_cast<QKeyEvent *>(event));
    }

private:
    TZeltoBaseForm *m_form;
    std::function<bool(QKeyEvent *)> m_handler;
};

// A path of a print entry: absolute as written, otherwise below the program directory.
QString entryPath(const QString &entry)
{
    if (entry.isEmpty())
        return QString();
    return IsAbsolutePath(entry) ? ResolvePath(entry) : ResolvePathIn(AppDir(), entry);
}

bool isMemo(const QWidget *w)
{
    return qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QTextEdit *>(w);
}

bool insideRadioGroup(const QWidget *w)
{
    for (const QWidget *p = w; p; p = p->parentWidget()) {
        if (p->inherits("TRadioGroup"))
            return true;
        if (p->isWindow())
            break;
    }
    return false;
}

} // namespace

TZeltoBaseForm::TZeltoBaseForm(QWidget *parent)
    : TForm(parent)
    , m_setter(new TControlValueSetter(this))
    , m_placement(std::make_unique<TFormPlacement>(TFormPlacement::Registry, QStringLiteral("Software\\Zelto\\Varko"),
                                                   QStringLiteral("TZeltoBaseForm")))
{
    m_setter->setObjectName(QStringLiteral("ControlValueSetter"));
    Components::SetOwner(m_setter, this);
    setCaption(QStringLiteral("Druk"));
    resize(750, 550);
    setKeyPreview(true);
    buildWindow();
    m_allEnabled = SwitchPresent(QStringLiteral("/ALLENABLED"));
    UpdateFieldHints();
    // Until ID names the form type there is no key to keep the window's place under.
    m_placement->setActive(false);
    ResetFields();
}

TZeltoBaseForm::~TZeltoBaseForm() = default;

void TZeltoBaseForm::buildWindow()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("ToolBar"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_toolBar->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_toolBar);

    auto makeAction = [this](const QString &name, const QString &caption, const QString &key) {
        auto *a = new QAction(caption, this);
        a->setObjectName(name);
        if (!key.isEmpty())
            a->setToolTip(QString(caption).remove(QLatin1Char('&')) + QStringLiteral(" (") + key + QLatin1Char(')'));
        return a;
    };
    m_actOK = makeAction(QStringLiteral("actOK"), QStringLiteral("&Zapisz"), QStringLiteral("F2"));
    m_actCancel = makeAction(QStringLiteral("actCancel"), QStringLiteral("&Porzuć"), QStringLiteral("Esc"));
    m_actPrint = makeAction(QStringLiteral("actPrint"), QStringLiteral("&Drukuj"), QStringLiteral("F8"));
    m_actHelp = makeAction(QStringLiteral("actHelp"), QStringLiteral("&Pomoc"), QStringLiteral("F1"));
    m_actNote = makeAction(QStringLiteral("actNote"), QStringLiteral("Notatka"), QString());
    m_actImport = makeAction(QStringLiteral("actImport"), QStringLiteral("Pobierz dane"), QStringLiteral("F11"));
    m_actTest = makeAction(QStringLiteral("actTest"), QStringLiteral("Test"), QString());

    connect(m_actOK, &QAction::triggered, this, [this] {
        m_printed = false;
        SaveAndClose();
    });
    connect(m_actCancel, &QAction::triggered, this, &TZeltoBaseForm::CancelAndClose);
    connect(m_actPrint, &QAction::triggered, this, &TZeltoBaseForm::printCommand);
    connect(m_actHelp, &QAction::triggered, this, &TZeltoBaseForm::ToggleHelp);
    connect(m_actNote, &QAction::triggered, this, &TZeltoBaseForm::EditNote);
    connect(m_actImport, &QAction::triggered, this, &TZeltoBaseForm::ImportData);
    connect(m_actTest, &QAction::triggered, this, &TZeltoBaseForm::FillTestValues);

    // Buttons whose caption differs from their command's keep their own.
    auto addButton = [this](QAction *a, const QString &caption) {
        auto *b = new QToolButton(m_toolBar);
        b->setDefaultAction(a);
        b->setFocusPolicy(Qt::NoFocus);
        b->setObjectName(QStringLiteral("btn") + a->objectName().mid(3));
        if (!caption.isEmpty()) {
            b->setText(caption);
            connect(a, &QAction::changed, b, [b, caption] { b->setText(caption); });
        }
        m_toolBar->addWidget(b)->setObjectName(b->objectName() + QStringLiteral("Item"));
        return b;
    };
    addButton(m_actOK, QString());
    addButton(m_actCancel, QString());
    m_printButton = addButton(m_actPrint, QStringLiteral("F8 &Drukuj"));
    addButton(m_actNote, QString());
    addButton(m_actImport, QStringLiteral("F11 Pobierz dane"));
    auto *spacer = new QWidget(m_toolBar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_toolBar->addWidget(spacer);
    addButton(m_actTest, QString());
    addButton(m_actHelp, QString());
    // A tool-bar widget action is what hides a button; keep the ones that show and hide.
    for (QAction *item : m_toolBar->actions()) {
        if (auto *b = qobject_cast<QToolButton *>(m_toolBar->widgetForAction(item))) {
            if (b->defaultAction() == m_actTest || b->defaultAction() == m_actHelp || b->defaultAction() == m_actImport)
                connect(b->defaultAction(), &QAction::changed, item,
                        [item, a = b->defaultAction()] { item->setVisible(a->isVisible()); });
        }
    }

    m_printMenu = new QMenu(this);
    m_printMenu->setObjectName(QStringLiteral("PrintPopupMenu"));
    connect(m_printMenu, &QMenu::triggered, this, &TZeltoBaseForm::PrintMenuClick);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("HelpSplitter"));
    m_splitter->setHandleWidth(2);
    m_splitter->setChildrenCollapsible(true);
    layout->addWidget(m_splitter, 1);

    m_workArea = new TScrollBox(m_splitter);
    m_workArea->setObjectName(QStringLiteral("WorkArea"));
    m_workArea->setBorderStyle(Vcl::bsNone);
    Vcl::SetColor(m_workArea, Vcl::clWhite);
    m_workArea->setFocusPolicy(Qt::NoFocus);
    Components::SetOwner(m_workArea, this);

    m_helpPanel = new QWidget(m_splitter);
    m_helpPanel->setObjectName(QStringLiteral("HelpPanel"));
    m_helpPanel->setAutoFillBackground(true);
    QPalette pal = m_helpPanel->palette();
    pal.setColor(QPalette::Window, Qt::white);
    m_helpPanel->setPalette(pal);
    auto *helpLayout = new QVBoxLayout(m_helpPanel);
    helpLayout->setContentsMargins(0, 0, 0, 0);
    m_helpViewer = new QTextBrowser(m_helpPanel);
    m_helpViewer->setObjectName(QStringLiteral("HelpViewer"));
    m_helpViewer->setFrameShape(QFrame::NoFrame);
    m_helpViewer->setOpenExternalLinks(true);
    helpLayout->addWidget(m_helpViewer);
    m_splitter->addWidget(m_workArea);
    m_splitter->addWidget(m_helpPanel);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_splitter->setSizes({width(), 0});

    m_actImport->setVisible(false);
    m_actImport->setEnabled(false);
    m_actTest->setVisible(false);
    updateCommands();
}

QAction *TZeltoBaseForm::action(const QString &name) const
{
    return findChild<QAction *>(name, Qt::FindDirectChildrenOnly);
}

QWidget *TZeltoBaseForm::WorkArea() const
{
    return m_workArea;
}

// --- properties -------------------------------------------------------------------

void TZeltoBaseForm::setID(const QString &id)
{
    m_id = id;
    if (m_placement->section() == QLatin1String("TZeltoBaseForm")) {
        // Each form type keeps its own window place.
        m_placement->setSection(id);
        m_placement->setActive(true);
        if (isWindow())
            m_placement->restore(this);
    }
}

void TZeltoBaseForm::setTitle(const QString &title)
{
    m_title = title;
    setCaption(title);
}

QString TZeltoBaseForm::Description(int index) const
{
    if (index < 1 || index > 3)
        return QString();
    if (m_descriptionFields[index - 1] > 0)
        m_descriptions[index - 1] = GetFieldText(m_descriptionFields[index - 1]);
    return m_descriptions[index - 1];
}

void TZeltoBaseForm::setDescription(int index, const QString &text)
{
    if (index >= 1 && index <= 3)
        m_descriptions[index - 1] = text;
}

int TZeltoBaseForm::DescriptionField(int index) const
{
    return index >= 1 && index <= 3 ? m_descriptionFields[index - 1] : 0;
}

void TZeltoBaseForm::setDescriptionField(int index, int field)
{
    if (index >= 1 && index <= 3)
        m_descriptionFields[index - 1] = field;
}

void TZeltoBaseForm::setScriptFile(const QString &list)
{
    m_scriptFile = list.trimmed();
    m_printEntries.clear();
    // A stray comma would make an entry without a file; such pieces are left out.
    const TStringSplitter splitter(m_scriptFile);
    for (const QString &piece : splitter.pieces())
        if (!piece.trimmed().isEmpty())
            m_printEntries << piece.trimmed();
}

void TZeltoBaseForm::setImportFile(const QString &file)
{
    m_importFile = file;
}

void TZeltoBaseForm::setShowFieldHints(bool on)
{
    m_showFieldHints = on;
    UpdateFieldHints();
}

void TZeltoBaseForm::setImportEnabled(bool)
{
    m_importEnabled = true;
    updateCommands();
}

void TZeltoBaseForm::updateCommands()
{
    m_actPrint->setEnabled(DocumentServices::HasPrintManager());
    m_actNote->setEnabled(DocumentServices::HasNoteEditor());
    const bool import = m_importEnabled && DocumentServices::HasImportEngine();
    m_actImport->setVisible(m_importEnabled);
    m_actImport->setEnabled(import);
}

// --- fields -----------------------------------------------------------------------

TZeltoBaseForm::TFieldIndexScope::TFieldIndexScope(const TZeltoBaseForm *form)
    : m_form(form)
    , m_outer(!form->m_indexActive)
{
    if (m_outer) {
        m_form->rebuildFieldIndex();
        m_form->m_indexActive = true;
    }
}

TZeltoBaseForm::TFieldIndexScope::~TFieldIndexScope()
{
    if (m_outer) {
        m_form->m_indexActive = false;
        m_form->m_fieldIndex.clear();
    }
}

void TZeltoBaseForm::rebuildFieldIndex() const
{
    m_fieldIndex.clear();
    for (QObject *c : Components::Owned(this)) {
        const int tag = Vcl::Tag(c);
        if (tag > 0 && !m_fieldIndex.contains(tag))
            m_fieldIndex.insert(tag, c);
    }
}

QObject *TZeltoBaseForm::FindField(int number) const
{
    if (m_indexActive)
        return m_fieldIndex.value(number);
    return TControlValueSetter::FindField(this, number);
}

QString TZeltoBaseForm::GetFieldText(int number) const
{
    QObject *field = FindField(number);
    return field ? m_setter->GetControlValue(field) : QString();
}

void TZeltoBaseForm::SetFieldText(int number, const QString &text)
{
    if (QObject *field = FindField(number))
        m_setter->SetControlValue(field, text);
}

double TZeltoBaseForm::GetFieldFloat(int number) const
{
    const QString text = GetFieldText(number).trimmed();
    double value = 0;
    if (text.isEmpty() || !TextToFloat(text, value))
        return 0;
    return value;
}

void TZeltoBaseForm::SetFieldFloat(int number, double value)
{
    double rounded = Round2(value);
    if (rounded == 0)
        rounded = 0; // no "-0.00"
    SetFieldText(number, QString::number(rounded, 'f', 2).trimmed());
}

bool TZeltoBaseForm::GetFieldBool(int number) const
{
    return GetFieldText(number).trimmed() == QLatin1String("1");
}

void TZeltoBaseForm::SetFieldBool(int number, bool value)
{
    SetFieldText(number, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QString TZeltoBaseForm::GetFieldValues() const
{
    return m_setter->GetFieldValues(this);
}

void TZeltoBaseForm::LoadFieldValues(const QString &text)
{
    ResetFields();
    ApplyFieldValues(text);
}

void TZeltoBaseForm::ApplyFieldValues(const QString &text)
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    // A stored document names most fields: find them through the index, not by walking
    // the components once per line.
    TFieldIndexScope index(this);
    for (const QString &line : text.split(breaks)) {
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QString number = line.left(eq).trimmed();
        if (!IsInteger(number))
            continue;
        QObject *field = FindField(StrToIntIfInteger(number));
        if (!field)
            continue;
        m_setter->SetControlValue(field, line.mid(eq + 1).replace(QLatin1String("\\n"), QLatin1String("\r\n")));
    }
}

void TZeltoBaseForm::ResetFields()
{
    for (QObject *c : Components::Owned(this))
        if (Vcl::Tag(c) > 0)
            m_setter->SetControlValue(c, QString());
}

QString TZeltoBaseForm::GetFieldComment(int number) const
{
    const QString name = QString::number(number);
    for (const auto &entry : m_comments)
        if (entry.first == name)
            return entry.second;
    return QString();
}

void TZeltoBaseForm::SetFieldComment(int number, const QString &comment)
{
    const QString name = QString::number(number);
    for (auto it = m_comments.begin(); it != m_comments.end(); ++it) {
        if (it->first != name)
            continue;
        if (comment.isEmpty())
            m_comments.erase(it);
        else
            it->second = comment;
        return;
    }
    if (!comment.isEmpty())
        m_comments.emplace_back(name, comment);
}

QString TZeltoBaseForm::GetFieldComments() const
{
    QStringList lines;
    for (const auto &entry : m_comments)
        lines << entry.first + QLatin1Char('=') + entry.second;
    return lines.join(QLatin1String("\r\n"));
}

void TZeltoBaseForm::SetFieldComments(const QString &text)
{
    m_comments.clear();
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    for (const QString &line : text.split(breaks)) {
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QString name = line.left(eq);
        const QString value = line.mid(eq + 1);
        bool found = false;
        for (auto &entry : m_comments) {
            if (entry.first == name) {
                entry.second = value;
                found = true;
            }
        }
        if (!found && !value.isEmpty())
            m_comments.emplace_back(name, value);
    }
}

void TZeltoBaseForm::UpdateFieldHints()
{
    for (QObject *c : Components::Owned(this)) {
        const int tag = Vcl::Tag(c);
        auto *w = qobject_cast<QWidget *>(c);
        if (tag <= 0 || !w)
            continue;
        Vcl::SetShowHint(w, m_showFieldHints);
        Vcl::SetHint(w, m_showFieldHints ? QString::number(tag) : QString());
    }
}

// --- pages and keys ---------------------------------------------------------------

void TZeltoBaseForm::GoToPage(int page)
{
    if (!m_pages)
        return;
    int index = page;
    switch (page) {
    case pgFirst: index = 0; break;
    case pgLast: index = m_pages->count() - 1; break;
    case pgNext: index = m_pages->currentIndex() + 1; break;
    case pgPrevious: index = m_pages->currentIndex() - 1; break;
    default: break;
    }
    if (index >= 0 && index < m_pages->count())
        m_pages->setCurrentIndex(index);
    m_workArea->ensureWidgetVisible(m_pages, 0, 0);
}

void TZeltoBaseForm::FocusPages()
{
    if (m_pages)
        m_pages->setFocus();
}

void TZeltoBaseForm::focusNext(bool forward)
{
    focusNextPrevChild(forward);
}

bool TZeltoBaseForm::FormKeyDown(QKeyEvent *event)
{
    QWidget *focused = QApplication::focusWidget();
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Ctrl+Enter is how a memo gets a new line; elsewhere it goes to the control.
        if (ctrl) {
            if (auto *plain = qobject_cast<QPlainTextEdit *>(focused)) {
                if (!plain->isReadOnly())
                    plain->insertPlainText(QStringLiteral("\n"));
                return true;
            }
            if (auto *rich = qobject_cast<QTextEdit *>(focused)) {
                if (!rich->isReadOnly())
                    rich->insertPlainText(QStringLiteral("\n"));
                return true;
            }
            return false;
        }
        if (!isMemo(focused))
            focusNext(true);
        return true;
    case Qt::Key_Escape:
        m_escPressed = true;
        if (m_actCancel->isEnabled())
            m_actCancel->trigger();
        return true;
    case Qt::Key_PageUp:
        GoToPage(ctrl ? pgFirst : pgPrevious);
        return true;
    case Qt::Key_PageDown:
        GoToPage(ctrl ? pgLast : pgNext);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (qobject_cast<QComboBox *>(focused) || qobject_cast<QAbstractItemView *>(focused) || isMemo(focused)
            || insideRadioGroup(focused))
            return false;
        focusNext(event->key() == Qt::Key_Down);
        return true;
    case Qt::Key_F1:
        if (m_actHelp->isEnabled())
            m_actHelp->trigger();
        return true;
    case Qt::Key_F2:
        if (m_actOK->isEnabled())
            m_actOK->trigger();
        return true;
    case Qt::Key_F8:
        if (m_actPrint->isEnabled())
            m_actPrint->trigger();
        return true;
    case Qt::Key_F11:
        if (m_actImport->isEnabled() && m_actImport->isVisible())
            m_actImport->trigger();
        return true;
    default:
        return false;
    }
}

// --- showing, preparing, closing ---------------------------------------------------

bool TZeltoBaseForm::helpAvailable() const
{
    const QString file = HelpFile().trimmed();
    const bool fileExists = !file.isEmpty() && QFileInfo(ResolvePathIn(AppDir(), file)).isFile();
    return fileExists || !m_helpText.isEmpty();
}

void TZeltoBaseForm::FormShow()
{
    m_actTest->setVisible(SwitchPresent(QStringLiteral("/TEST")));
    const bool help = helpAvailable();
    m_actHelp->setEnabled(help);
    m_actHelp->setVisible(help);
    m_helpPanel->setVisible(help);
    m_splitter->handle(1)->setVisible(help);
    UpdateFieldHints();
    m_toolBar->setStyleSheet(isWindow() ? QStringLiteral("QToolBar { border: 1px solid palette(mid); }")
                                        : QStringLiteral("QToolBar { border: none; border-bottom: 1px solid palette(mid); }"));
    m_printed = false;
    m_escPressed = false;
    updateCommands();
}

void TZeltoBaseForm::showEvent(QShowEvent *event)
{
    TForm::showEvent(event);
    if (event->spontaneous())
        return;
    if (isWindow() && !property("_placed").toBool()) {
        setProperty("_placed", true);
        bool restored = m_placement->active() && m_placement->restore(this);
        if (!restored) {
            if (QScreen *s = screen())
                move(s->availableGeometry().center() - rect().center());
        }
    }
    FormShow();
    BuildPrintMenu();
    PrepareControls();
    if (!m_pagesLooked) {
        m_pagesLooked = true;
        for (QObject *c : Components::Owned(this)) {
            if (auto *pages = qobject_cast<TPageControl *>(c)) {
                m_pages = pages;
                connect(pages, &QTabWidget::currentChanged, this, [this] { FocusPages(); });
                break;
            }
        }
    }
    if (!m_filtering) {
        m_filtering = true;
        m_focusConnection = connect(qApp, &QApplication::focusChanged, this, &TZeltoBaseForm::focusMoved);
        auto *preview = new TKeyPreview(this, [this](QKeyEvent *e) { return FormKeyDown(e); });
        preview->setObjectName(QStringLiteral("KeyPreview"));
        qApp->installEventFilter(preview);
    }
}

void TZeltoBaseForm::hideEvent(QHideEvent *event)
{
    TForm::hideEvent(event);
    if (event->spontaneous())
        return;
    if (m_filtering) {
        m_filtering = false;
        disconnect(m_focusConnection);
        delete findChild<QObject *>(QStringLiteral("KeyPreview"), Qt::FindDirectChildrenOnly);
    }
}

void TZeltoBaseForm::PrepareControls()
{
    for (QObject *c : Components::Owned(this))
        PrepareControl(c);
}

void TZeltoBaseForm::PrepareControl(QObject *control)
{
    auto *w = qobject_cast<QWidget *>(control);
    if (!w || w == m_workArea)
        return;
    if (TFormCreator::IsWindowedControl(w)) {
        w->setProperty(kPreparedKey, true);
        if (m_allEnabled)
            w->setEnabled(true);
    }
    if (auto *calc = qobject_cast<TZeltoCalcEdit *>(w)) {
        if (auto *button = calc->findChild<QToolButton *>(QString(), Qt::FindDirectChildrenOnly))
            button->setMaximumWidth(1);
        calc->setColorNormal(Vcl::Color(calc, Vcl::clWindow));
        calc->setClickKey(kVkInsert);
    } else if (auto *panel = qobject_cast<TPanel *>(w)) {
        if (panel->Caption() == panel->objectName() || panel->height() < 5)
            panel->setCaption(QString());
    } else if (auto *edit = qobject_cast<TZeltoEdit *>(w)) {
        edit->setColorNormal(Vcl::Color(edit, Vcl::clWindow));
    }
}

QObject *TZeltoBaseForm::preparedControlOf(QWidget *w) const
{
    // The focus may sit in an inner part of a control (the edit of a combo box).
    for (; w && w != this; w = w->parentWidget()) {
        if (w->property(kPreparedKey).toBool() && Components::Owner(w) == this)
            return w;
        if (w->isWindow())
            break;
    }
    return nullptr;
}

void TZeltoBaseForm::focusMoved(QWidget *old, QWidget *now)
{
    // Handled once both controls have seen their own focus events, so a field that
    // commits its text on leaving has done so. Focus going to or coming from another
    // window (a question box, the calculator) is not leaving or entering a field.
    const bool sameWindow = old && now && old->window() == now->window();
    if (QObject *from = preparedControlOf(old); from && sameWindow)
        FieldExit(from);
    if (QObject *to = preparedControlOf(now); to && (!old || sameWindow))
        FieldEnter(to);
}

void TZeltoBaseForm::closeEvent(QCloseEvent *event)
{
    if (!m_closingWithResult) {
        m_modalResult = mrCancel;
        // A printed document is not discarded without asking.
        if (!m_escPressed && m_printed && ShowBox(bkYesNo, kQuestion, QStringLiteral("Pytanie")) == mrYes)
            m_modalResult = mrOk;
    }
    m_closingWithResult = false;
    if (isWindow() && m_placement->active())
        m_placement->save(this);
    TForm::closeEvent(event);
}

int TZeltoBaseForm::ShowModal()
{
    m_modalResult = mrNone;
    setWindowModality(Qt::ApplicationModal);
    show();
    QEventLoop loop;
    QMetaObject::Connection quit = connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    while (isVisible() && m_modalResult == mrNone)
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    disconnect(quit);
    if (isVisible())
        hide();
    return m_modalResult == mrOk ? mrOk : mrCancel;
}

void TZeltoBaseForm::SaveAndClose()
{
    m_modalResult = mrOk;
    m_closingWithResult = true;
    if (!close())
        m_closingWithResult = false;
}

void TZeltoBaseForm::CancelAndClose()
{
    if (m_escPressed && (m_confirmEscape || m_printed)) {
        if (ShowBox(bkYesNo, kQuestion, QStringLiteral("Pytanie")) == mrYes) {
            SaveAndClose();
            return;
        }
    }
    m_modalResult = mrCancel;
    m_closingWithResult = true;
    if (!close())
        m_closingWithResult = false;
}

// --- help, print, import, note, test ------------------------------------------------

void TZeltoBaseForm::ToggleHelp()
{
    const QList<int> sizes = m_splitter->sizes();
    if (sizes.value(1) > 0) {
        m_splitter->setSizes({m_splitter->width(), 0});
        return;
    }
    if (m_helpText.isEmpty() && HelpFile().isEmpty())
        return;
    const QString file = HelpFile().trimmed().isEmpty() ? QString() : ResolvePathIn(AppDir(), HelpFile().trimmed());
    if (!file.isEmpty() && QFileInfo(file).isFile())
        m_helpViewer->setSource(QUrl::fromLocalFile(file));
    m_helpPanel->setVisible(true);
    m_splitter->setSizes({0, qMax(0, width() - 2)});
}

void TZeltoBaseForm::BuildPrintMenu()
{
    m_printMenu->clear();
    std::unique_ptr<IDocumentPrintManager> reports;
    for (const QString &entry : std::as_const(m_printEntries)) {
        const QString path = entryPath(entry);
        QString caption;
        if (QFileInfo(path).suffix().toUpper() == QLatin1String("FR3")) {
            if (!reports)
                reports = DocumentServices::CreatePrintManager(this);
            if (reports)
                caption = reports->ReportName(path);
        } else {
            caption = TScriptPrinter::GetScriptName(path);
        }
        if (caption.isEmpty())
            caption = QFileInfo(ToLinuxPath(entry)).fileName();
        QAction *item = m_printMenu->addAction(caption);
        item->setData(path);
    }
}

void TZeltoBaseForm::printCommand()
{
    if (!DocumentServices::HasPrintManager())
        return;
    if (m_printEntries.size() < 2)
        PrintWith(m_printEntries.value(0));
    else
        m_printMenu->popup(m_printButton->mapToGlobal(QPoint(0, m_printButton->height())));
    m_printed = true;
}

void TZeltoBaseForm::PrintMenuClick(QAction *item)
{
    if (item)
        PrintWith(item->data().toString());
}

void TZeltoBaseForm::PrintWith(const QString &path)
{
    std::unique_ptr<IDocumentPrintManager> manager = DocumentServices::CreatePrintManager(this);
    if (!manager)
        return;
    manager->SetDescription(Title());
    manager->SetPageCount(PageCount());
    manager->SetPrintData(GetFieldValues());
    manager->SetLayoutFile(entryPath(path));
    manager->ShowDialog();
}

void TZeltoBaseForm::ImportData()
{
    std::unique_ptr<IDocumentImportEngine> engine = DocumentServices::CreateImportEngine(this);
    if (!engine)
        return;
    engine->SetScriptFile(m_importFile);
    QString results;
    if (engine->Execute(this, results))
        ApplyFieldValues(results);
}

void TZeltoBaseForm::EditNote()
{
    try {
        std::unique_ptr<IDocumentNoteEditor> editor = DocumentServices::CreateNoteEditor(this);
        if (!editor)
            return;
        QString rtf = Comment();
        if (editor->Edit(rtf))
            setComment(rtf);
    } catch (...) {
        // The note stays as it was.
    }
}

void TZeltoBaseForm::FillTestValues()
{
    TFieldIndexScope scope(this);
    for (int n = 1; n <= 999; ++n)
        SetFieldText(n, QString::number(n));
}
