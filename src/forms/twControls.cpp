#include "forms/twControls.h"

#include "common/apppaths.h"
#include "common/dialogs.h"
#include "common/pathresolver.h"
#include "common/twtools.h"

#include <QButtonGroup>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QTextBlock>

namespace Vcl {

QStringList SplitLines(const QString &text)
{
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString JoinLines(const QStringList &lines)
{
    QString out;
    for (const QString &l : lines)
        out += l + QStringLiteral("\r\n");
    return out;
}

void PlaceControl(QWidget *control, QWidget *parent)
{
    if (!control || !parent)
        return;
    auto *sheet = qobject_cast<TTabSheet *>(control);
    auto *pages = qobject_cast<TPageControl *>(parent);
    if (sheet && pages) {
        sheet->setPageControl(pages);
        return;
    }
    control->setParent(ClientArea(parent));
}

QString QtInputMask(const QString &editMask)
{
    if (editMask.isEmpty())
        return QString();
    // "mask;keep literals;blank character"
    QString mask = editMask;
    QChar blank = QLatin1Char('_');
    const QStringList parts = editMask.split(QLatin1Char(';'));
    if (parts.size() >= 3 && editMask.size() >= 4 && editMask.at(editMask.size() - 2) == QLatin1Char(';')) {
        blank = editMask.at(editMask.size() - 1);
        mask = editMask.left(editMask.size() - 4);
        if (mask.endsWith(QLatin1Char(';')))
            mask.chop(1);
    } else if (parts.size() == 2 && editMask.size() >= 2 && editMask.at(editMask.size() - 2) == QLatin1Char(';')) {
        mask = editMask.left(editMask.size() - 2);
    }
    const QString qtSpecial = QStringLiteral("AaNnXx90Dd#HhBb><!\\[]{}");
    QString out;
    for (int i = 0; i < mask.size(); ++i) {
        const QChar c = mask.at(i);
        if (c == QLatin1Char('\\') && i + 1 < mask.size()) {
            out += QLatin1Char('\\');
            out += mask.at(++i);
            continue;
        }
        if (c == QLatin1Char('<') && i + 1 < mask.size() && mask.at(i + 1) == QLatin1Char('>')) {
            out += QLatin1Char('!');
            ++i;
            continue;
        }
        switch (c.unicode()) {
        case '0': out += QLatin1Char('9'); break;
        case '9': out += QLatin1Char('0'); break;
        case '#': out += QLatin1Char('#'); break;
        case 'L': out += QLatin1Char('A'); break;
        case 'l': out += QLatin1Char('a'); break;
        case 'A': out += QLatin1Char('N'); break;
        case 'a': out += QLatin1Char('n'); break;
        case 'C': out += QLatin1Char('X'); break;
        case 'c': out += QLatin1Char('x'); break;
        case '>': out += QLatin1Char('>'); break;
        case '<': out += QLatin1Char('<'); break;
        case '!': break;
        case '_': out += QLatin1Char(' '); break;
        default:
            if (qtSpecial.contains(c))
                out += QLatin1Char('\\');
            out += c;
        }
    }
    if (out.isEmpty())
        return QString();
    return out + QLatin1Char(';') + (blank == QLatin1Char(' ') ? QLatin1Char(' ') : blank);
}

} // namespace Vcl

namespace {

Qt::Alignment horizontal(Vcl::TAlignment a)
{
    switch (a) {
    case Vcl::taRightJustify: return Qt::AlignRight;
    case Vcl::taCenter: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
    }
}

QPixmap loadPicture(const QString &file)
{
    if (file.trimmed().isEmpty())
        return QPixmap();
    const QString path = IsAbsolutePath(file) ? ResolvePath(file) : ResolvePathIn(AppDir(), file);
    return QPixmap(path);
}

void drawBevel(QPainter &p, QRect r, Vcl::TBevelCut cut, int width)
{
    if (cut == Vcl::bvNone || cut == Vcl::bvSpace)
        return;
    const QColor light = Vcl::ToQColor(Vcl::clSystemColor | 20);
    const QColor dark = Vcl::ToQColor(Vcl::clSystemColor | 16);
    const QColor topLeft = cut == Vcl::bvRaised ? light : dark;
    const QColor bottomRight = cut == Vcl::bvRaised ? dark : light;
    for (int i = 0; i < width; ++i) {
        p.setPen(topLeft);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(bottomRight);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        r.adjust(1, 1, -1, -1);
    }
}

} // namespace

// --- TForm -----------------------------------------------------------------------------

TForm::TForm(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    resize(640, 480);
}

// --- labels ------------------------------------------------------------------------------

TLabel::TLabel(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    applyAlignment();
    resize(65, 13);
}

void TLabel::setCaption(const QString &caption)
{
    m_caption = caption;
    setText(Vcl::DisplayText(caption));
    adjustToCaption();
}

void TLabel::setAlignment(Vcl::TAlignment alignment)
{
    m_alignment = alignment;
    applyAlignment();
}

void TLabel::setLayout(Vcl::TTextLayout layout)
{
    m_layout = layout;
    applyAlignment();
}

void TLabel::applyAlignment()
{
    Qt::Alignment v = Qt::AlignTop;
    if (m_layout == Vcl::tlCenter)
        v = Qt::AlignVCenter;
    else if (m_layout == Vcl::tlBottom)
        v = Qt::AlignBottom;
    QLabel::setAlignment(horizontal(m_alignment) | v);
}

void TLabel::setAutoSize(bool on)
{
    m_autoSize = on;
    adjustToCaption();
}

void TLabel::setWordWrap(bool on)
{
    QLabel::setWordWrap(on);
    adjustToCaption();
}

void TLabel::setTransparent(bool on)
{
    m_transparent = on;
    setAutoFillBackground(!on && property("twColor").isValid());
}

void TLabel::setFocusControl(QWidget *control)
{
    m_focusControl = control;
    setBuddy(control);
}

void TLabel::adjustToCaption()
{
    if (!m_autoSize)
        return;
    if (wordWrap()) {
        const int w = qMax(1, width());
        resize(w, heightForWidth(w) > 0 ? heightForWidth(w) : sizeHint().height());
    } else {
        const QFontMetrics fm(font());
        const QStringList lines = text().split(QLatin1Char('\n'));
        int w = 0;
        for (const QString &l : lines)
            w = qMax(w, fm.horizontalAdvance(l));
        resize(qMax(w, 1), fm.height() * qMax(1, int(lines.size())));
    }
}

TStaticText::TStaticText(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    resize(65, 17);
}

void TStaticText::setCaption(const QString &caption)
{
    m_caption = caption;
    setText(Vcl::DisplayText(caption));
    if (m_autoSize)
        adjustSize();
}

void TStaticText::setAlignment(Vcl::TAlignment alignment)
{
    m_alignment = alignment;
    QLabel::setAlignment(horizontal(alignment) | Qt::AlignTop);
}

void TStaticText::setAutoSize(bool on)
{
    m_autoSize = on;
    if (on)
        adjustSize();
}

void TStaticText::setBorderStyle(Vcl::TFormBorderStyle style)
{
    m_borderStyle = style;
    setFrameStyle(style == Vcl::bsNone ? QFrame::NoFrame : (QFrame::Panel | QFrame::Sunken));
}

// --- containers --------------------------------------------------------------------------

TCustomContainer::TCustomContainer(QWidget *parent, Vcl::TBevelCut outer, const QString &caption)
    : QFrame(parent)
    , m_caption(caption)
    , m_bevelOuter(outer)
{
    resize(185, 41);
    updateMargins();
}

void TCustomContainer::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void TCustomContainer::setAlignment(Vcl::TAlignment alignment)
{
    m_alignment = alignment;
    update();
}

void TCustomContainer::setBevelInner(Vcl::TBevelCut cut)
{
    m_bevelInner = cut;
    updateMargins();
}

void TCustomContainer::setBevelOuter(Vcl::TBevelCut cut)
{
    m_bevelOuter = cut;
    updateMargins();
}

void TCustomContainer::setBevelWidth(int width)
{
    m_bevelWidth = qBound(1, width, 100);
    updateMargins();
}

void TCustomContainer::setBorderWidth(int width)
{
    m_borderWidth = qBound(0, width, 100);
    updateMargins();
}

void TCustomContainer::setBorderStyle(Vcl::TFormBorderStyle style)
{
    m_borderStyle = style;
    updateMargins();
}

void TCustomContainer::updateMargins()
{
    int m = m_borderWidth;
    if (m_bevelOuter != Vcl::bvNone)
        m += m_bevelWidth;
    if (m_bevelInner != Vcl::bvNone)
        m += m_bevelWidth;
    if (m_borderStyle != Vcl::bsNone)
        m += 2;
    // Aligned children stay inside the bevels, as the client area is.
    setContentsMargins(m, m, m, m);
    Vcl::Realign(this);
    update();
}

void TCustomContainer::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QRect r = rect().adjusted(0, 0, -1, -1);
    if (m_borderStyle != Vcl::bsNone) {
        drawBevel(p, r, Vcl::bvLowered, 2);
        r.adjust(2, 2, -2, -2);
    }
    drawBevel(p, r, m_bevelOuter, m_bevelWidth);
    if (m_bevelOuter != Vcl::bvNone)
        r.adjust(m_bevelWidth, m_bevelWidth, -m_bevelWidth, -m_bevelWidth);
    r.adjust(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
    drawBevel(p, r, m_bevelInner, m_bevelWidth);
    if (m_showCaption && !m_caption.isEmpty()) {
        p.setPen(palette().color(QPalette::WindowText));
        p.setFont(font());
        p.drawText(contentsRect(), int(horizontal(m_alignment) | Qt::AlignVCenter), Vcl::DisplayText(m_caption));
    }
}

TPanel::TPanel(QWidget *parent)
    : TCustomContainer(parent, Vcl::bvRaised)
{
}

TPage::TPage(QWidget *parent)
    : TCustomContainer(parent, Vcl::bvNone)
{
    m_showCaption = false;
}

THeader::THeader(QWidget *parent)
    : TCustomContainer(parent, Vcl::bvRaised)
{
    m_showCaption = false;
    resize(250, 25);
}

void THeader::setSections(const QString &sections)
{
    m_sections = sections;
    update();
}

void THeader::paintEvent(QPaintEvent *event)
{
    TCustomContainer::paintEvent(event);
    const QStringList parts = Vcl::SplitLines(m_sections);
    if (parts.isEmpty())
        return;
    QPainter p(this);
    const int w = width() / int(parts.size());
    for (int i = 0; i < parts.size(); ++i) {
        const QRect cell(i * w, 0, w, height());
        p.drawText(cell.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, parts[i]);
        if (i > 0)
            p.drawLine(cell.topLeft(), cell.bottomLeft());
    }
}

TStatusBar::TStatusBar(QWidget *parent)
    : TCustomContainer(parent, Vcl::bvLowered)
{
    setAlignment(Vcl::taLeftJustify);
    resize(200, 19);
    Vcl::SetAlign(this, Vcl::alBottom);
}

TSplitter::TSplitter(QWidget *parent)
    : TCustomContainer(parent, Vcl::bvNone)
{
    m_showCaption = false;
    resize(3, 100);
    setCursor(Qt::SplitHCursor);
    Vcl::SetAlign(this, Vcl::alLeft);
}

void TSplitter::setBeveled(bool on)
{
    m_beveled = on;
    setBevelOuter(on ? Vcl::bvRaised : Vcl::bvNone);
}

QWidget *TSplitter::neighbour() const
{
    // The control it resizes: the nearest one aligned the same way on its left or top.
    QWidget *best = nullptr;
    if (!parentWidget())
        return nullptr;
    for (QObject *o : parentWidget()->children()) {
        auto *w = qobject_cast<QWidget *>(o);
        if (!w || w == this || w->isHidden() || Vcl::Align(w) != Vcl::Align(this))
            continue;
        const bool before = Vcl::Align(this) == Vcl::alTop || Vcl::Align(this) == Vcl::alBottom
                                ? w->geometry().bottom() < y() + 1
                                : w->geometry().right() < x() + 1;
        if (before && (!best || w->x() + w->y() > best->x() + best->y()))
            best = w;
    }
    return best;
}

void TSplitter::mousePressEvent(QMouseEvent *event)
{
    m_pressPos = event->globalPosition().toPoint();
    if (QWidget *n = neighbour())
        m_startSize = (Vcl::Align(this) == Vcl::alTop || Vcl::Align(this) == Vcl::alBottom) ? n->height() : n->width();
}

void TSplitter::mouseMoveEvent(QMouseEvent *event)
{
    QWidget *n = neighbour();
    if (!n || !(event->buttons() & Qt::LeftButton))
        return;
    const QPoint d = event->globalPosition().toPoint() - m_pressPos;
    if (Vcl::Align(this) == Vcl::alTop || Vcl::Align(this) == Vcl::alBottom)
        n->resize(n->width(), qMax(m_minSize, m_startSize + d.y()));
    else
        n->resize(qMax(m_minSize, m_startSize + d.x()), n->height());
    Vcl::Realign(parentWidget());
}

TStatusPanel::TStatusPanel(QObject *parent)
    : QObject(parent)
{
}

TGroupBox::TGroupBox(QWidget *parent)
    : QGroupBox(parent)
{
    resize(185, 105);
}

void TGroupBox::setCaption(const QString &caption)
{
    m_caption = caption;
    setTitle(Vcl::DisplayText(caption));
}

TRadioGroup::TRadioGroup(QWidget *parent)
    : QGroupBox(parent)
{
    resize(185, 105);
}

void TRadioGroup::setCaption(const QString &caption)
{
    m_caption = caption;
    setTitle(Vcl::DisplayText(caption));
}

void TRadioGroup::setItems(const QString &items)
{
    m_items = Vcl::SplitLines(items);
    qDeleteAll(m_buttons);
    m_buttons.clear();
    for (int i = 0; i < m_items.size(); ++i) {
        auto *b = new QRadioButton(m_items[i], this);
        connect(b, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                m_itemIndex = i;
        });
        b->show();
        m_buttons << b;
    }
    if (m_itemIndex >= m_items.size())
        m_itemIndex = -1;
    if (m_itemIndex >= 0)
        m_buttons[m_itemIndex]->setChecked(true);
    arrange();
}

void TRadioGroup::setItemIndex(int index)
{
    index = qBound(-1, index, int(m_buttons.size()) - 1);
    m_itemIndex = index;
    if (index < 0) {
        for (QRadioButton *b : std::as_const(m_buttons)) {
            b->setAutoExclusive(false);
            b->setChecked(false);
            b->setAutoExclusive(true);
        }
    } else {
        m_buttons[index]->setChecked(true);
    }
}

void TRadioGroup::setColumns(int columns)
{
    m_columns = qBound(1, columns, 16);
    arrange();
}

void TRadioGroup::resizeEvent(QResizeEvent *event)
{
    QGroupBox::resizeEvent(event);
    arrange();
}

void TRadioGroup::arrange()
{
    if (m_buttons.isEmpty())
        return;
    const int top = fontMetrics().height() + 2;
    const int rows = (int(m_buttons.size()) + m_columns - 1) / m_columns;
    const int cellW = qMax(1, (width() - 16) / m_columns);
    const int cellH = qMax(1, (height() - top - 4) / qMax(1, rows));
    for (int i = 0; i < m_buttons.size(); ++i) {
        const int col = i / rows;
        const int row = i % rows;
        m_buttons[i]->setGeometry(8 + col * cellW, top + row * cellH, cellW, qMin(cellH, m_buttons[i]->sizeHint().height()));
    }
}

// --- edits -----------------------------------------------------------------------------

TEdit::TEdit(QWidget *parent)
    : QLineEdit(parent)
{
    resize(121, 21);
}

void TEdit::setText(const QString &text)
{
    QLineEdit::setText(text);
}

void TEdit::setMaxLength(int length)
{
    m_maxLength = qMax(0, length);
    QLineEdit::setMaxLength(m_maxLength > 0 ? m_maxLength : 32767);
}

void TEdit::setPasswordChar(const QString &c)
{
    m_passwordChar = c.left(1);
    setEchoMode(m_passwordChar.isEmpty() || m_passwordChar == QString(QChar(0)) ? QLineEdit::Normal : QLineEdit::Password);
}

void TEdit::setCharCase(Vcl::TEditCharCase c)
{
    m_charCase = c;
    if (c == Vcl::ecUpperCase)
        QLineEdit::setText(text().toUpper());
    else if (c == Vcl::ecLowerCase)
        QLineEdit::setText(text().toLower());
}

Vcl::TAlignment TEdit::Alignment() const
{
    if (alignment() & Qt::AlignRight)
        return Vcl::taRightJustify;
    if (alignment() & Qt::AlignHCenter)
        return Vcl::taCenter;
    return Vcl::taLeftJustify;
}

void TEdit::setAlignment(Vcl::TAlignment alignment)
{
    QLineEdit::setAlignment(horizontal(alignment) | Qt::AlignVCenter);
}

TBoundLabel::TBoundLabel(QWidget *parent)
    : TLabel(parent)
{
}

TLabeledEdit::TLabeledEdit(QWidget *parent)
    : TEdit(parent)
    , m_label(new TBoundLabel(parent))
{
    m_label->setBuddy(this);
    m_label->installEventFilter(this);
    if (!parent)
        m_label->hide();
    placeLabel();
}

TLabeledEdit::~TLabeledEdit()
{
    delete m_label.data();
}

void TLabeledEdit::setLabelPosition(Vcl::TLabelPosition position)
{
    m_position = position;
    placeLabel();
}

void TLabeledEdit::setLabelSpacing(int spacing)
{
    m_spacing = spacing;
    placeLabel();
}

void TLabeledEdit::placeLabel()
{
    if (!m_label)
        return;
    if (m_label->parentWidget() != parentWidget()) {
        m_label->setParent(parentWidget());
        m_label->setVisible(!isHidden() && parentWidget());
    }
    const QSize s = m_label->size();
    QPoint p;
    switch (m_position) {
    case Vcl::lpAbove: p = QPoint(x(), y() - s.height() - m_spacing); break;
    case Vcl::lpBelow: p = QPoint(x(), y() + height() + m_spacing); break;
    case Vcl::lpLeft: p = QPoint(x() - s.width() - m_spacing, y() + (height() - s.height()) / 2); break;
    case Vcl::lpRight: p = QPoint(x() + width() + m_spacing, y() + (height() - s.height()) / 2); break;
    }
    m_label->move(p);
}

void TLabeledEdit::moveEvent(QMoveEvent *event)
{
    TEdit::moveEvent(event);
    placeLabel();
}

void TLabeledEdit::resizeEvent(QResizeEvent *event)
{
    TEdit::resizeEvent(event);
    placeLabel();
}

bool TLabeledEdit::event(QEvent *event)
{
    const bool r = TEdit::event(event);
    switch (event->type()) {
    case QEvent::ParentChange:
        placeLabel();
        break;
    case QEvent::ShowToParent:
        if (m_label && m_label->parentWidget())
            m_label->show();
        break;
    case QEvent::HideToParent:
        if (m_label)
            m_label->hide();
        break;
    default:
        break;
    }
    return r;
}

bool TLabeledEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_label && event->type() == QEvent::Resize)
        placeLabel();
    return TEdit::eventFilter(watched, event);
}

TMaskEdit::TMaskEdit(QWidget *parent)
    : QLineEdit(parent)
{
    resize(121, 21);
}

void TMaskEdit::setText(const QString &text)
{
    QLineEdit::setText(text);
}

void TMaskEdit::setEditMask(const QString &mask)
{
    m_editMask = mask;
    const QString keep = text();
    setInputMask(Vcl::QtInputMask(mask));
    QLineEdit::setText(keep);
}

void TMaskEdit::setMaxLength(int length)
{
    m_maxLength = qMax(0, length);
    QLineEdit::setMaxLength(m_maxLength > 0 ? m_maxLength : 32767);
}

void TMaskEdit::setCharCase(Vcl::TEditCharCase c)
{
    m_charCase = c;
    if (c == Vcl::ecUpperCase)
        QLineEdit::setText(text().toUpper());
    else if (c == Vcl::ecLowerCase)
        QLineEdit::setText(text().toLower());
}

Vcl::TAlignment TMaskEdit::Alignment() const
{
    if (alignment() & Qt::AlignRight)
        return Vcl::taRightJustify;
    if (alignment() & Qt::AlignHCenter)
        return Vcl::taCenter;
    return Vcl::taLeftJustify;
}

void TMaskEdit::setAlignment(Vcl::TAlignment alignment)
{
    QLineEdit::setAlignment(horizontal(alignment) | Qt::AlignVCenter);
}

TMemo::TMemo(QWidget *parent)
    : QPlainTextEdit(parent)
{
    resize(185, 89);
    setScrollBars(Vcl::ssNone);
}

QStringList TMemo::lines() const
{
    QStringList out;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
        out << b.text();
    // An empty editor holds one empty block, which is no line at all.
    if (out.size() == 1 && out[0].isEmpty())
        out.clear();
    return out;
}

void TMemo::setLines(const QString &text)
{
    setPlainText(Vcl::SplitLines(text).join(QLatin1Char('\n')));
}

void TMemo::setScrollBars(Vcl::TScrollStyle style)
{
    m_scrollBars = style;
    const bool h = style == Vcl::ssHorizontal || style == Vcl::ssBoth;
    const bool v = style == Vcl::ssVertical || style == Vcl::ssBoth;
    setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TMemo::keyPressEvent(QKeyEvent *event)
{
    if (m_maxLength > 0 && !event->text().isEmpty() && event->text().at(0).isPrint()
        && toPlainText().size() >= m_maxLength && !textCursor().hasSelection())
        return;
    QPlainTextEdit::keyPressEvent(event);
}

TRichEdit::TRichEdit(QWidget *parent)
    : QTextEdit(parent)
{
    resize(185, 89);
    setAcceptRichText(false);
}

void TRichEdit::setScrollBars(Vcl::TScrollStyle style)
{
    m_scrollBars = style;
    const bool h = style == Vcl::ssHorizontal || style == Vcl::ssBoth;
    const bool v = style == Vcl::ssVertical || style == Vcl::ssBoth;
    setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
}

// --- lists -----------------------------------------------------------------------------

TComboBox::TComboBox(QWidget *parent)
    : QComboBox(parent)
{
    resize(145, 21);
    setCurrentIndex(-1);
}

void TComboBox::applyStyle()
{
    m_styleApplied = true;
    const bool editable = m_style == Vcl::csDropDown || m_style == Vcl::csSimple;
    if (editable == isEditable())
        return;
    const int index = currentIndex();
    setEditable(editable);
    if (editable) {
        setInsertPolicy(QComboBox::NoInsert);
        if (m_maxLength > 0)
            lineEdit()->setMaxLength(m_maxLength);
    }
    setCurrentIndex(index);
}

bool TComboBox::event(QEvent *event)
{
    if (event->type() == QEvent::Polish && !m_styleApplied)
        applyStyle();
    return QComboBox::event(event);
}

QStringList TComboBox::items() const
{
    QStringList out;
    for (int i = 0; i < count(); ++i)
        out << itemText(i);
    return out;
}

void TComboBox::setItems(const QString &text)
{
    const QString keep = isEditable() ? currentText() : QString();
    clear();
    QStringList list = Vcl::SplitLines(text);
    if (m_sorted)
        list.sort(Qt::CaseInsensitive);
    addItems(list);
    setCurrentIndex(-1);
    if (isEditable())
        setEditText(keep);
}

void TComboBox::setItemIndex(int index)
{
    // An index outside the list clears the selection, as the system's list box does.
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
}

void TComboBox::setText(const QString &text)
{
    if (m_style == Vcl::csDropDown || m_style == Vcl::csSimple)
        applyStyle();
    if (isEditable()) {
        const int i = findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
        setCurrentIndex(i);
        setEditText(text);
    } else {
        // A list-only box shows text only when an item has it.
        setCurrentIndex(findText(text, Qt::MatchFixedString));
    }
}

void TComboBox::setStyle(Vcl::TComboBoxStyle style)
{
    m_style = style;
    if (m_styleApplied || isEditable())
        applyStyle();
}

void TComboBox::setSorted(bool on)
{
    m_sorted = on;
    if (on) {
        QStringList list = items();
        list.sort(Qt::CaseInsensitive);
        const QString cur = currentText();
        clear();
        addItems(list);
        setCurrentIndex(findText(cur));
    }
}

void TComboBox::setMaxLength(int length)
{
    m_maxLength = qMax(0, length);
    if (m_style == Vcl::csDropDown || m_style == Vcl::csSimple)
        applyStyle();
    if (lineEdit())
        lineEdit()->setMaxLength(m_maxLength > 0 ? m_maxLength : 32767);
}

TListBox::TListBox(QWidget *parent)
    : QListWidget(parent)
{
    resize(121, 97);
}

QString TListBox::Items() const
{
    QStringList out;
    for (int i = 0; i < count(); ++i)
        out << item(i)->text();
    return Vcl::JoinLines(out);
}

void TListBox::setItems(const QString &text)
{
    clear();
    addItems(Vcl::SplitLines(text));
    setCurrentRow(-1);
}

void TListBox::setItemIndex(int index)
{
    if (index < -1 || index >= count())
        return;
    setCurrentRow(index);
}

void TListBox::setSorted(bool on)
{
    setSortingEnabled(on);
    if (on)
        sortItems();
}

void TListBox::setMultiSelect(bool on)
{
    setSelectionMode(on ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

// --- buttons -------------------------------------------------------------------------------

TButton::TButton(QWidget *parent)
    : QPushButton(parent)
{
    resize(75, 25);
    setAutoDefault(false);
}

TBitBtn::TBitBtn(QWidget *parent)
    : TButton(parent)
{
}

void TBitBtn::setKind(Vcl::TBitBtnKind kind)
{
    m_kind = kind;
    static const char *const captions[] = {"", "OK", "Anuluj", "&Pomoc", "&Tak", "&Nie", "&Zamknij", "Przerwij", "&Ponów", "&Ignoruj", "&Wszystko"};
    static const int results[] = {0, 1, 2, 0, 6, 7, 0, 3, 4, 5, 8};
    if (kind != Vcl::bkCustom && Caption().isEmpty())
        setCaption(QString::fromUtf8(captions[kind]));
    setModalResult(results[kind]);
    if (kind == Vcl::bkOK || kind == Vcl::bkYes)
        setDefault(true);
    if (kind == Vcl::bkCancel || kind == Vcl::bkNo)
        setCancel(true);
}

void TBitBtn::setGlyph(const QString &file)
{
    m_glyph = file;
    setIcon(QIcon(loadPicture(file)));
}

TSpeedButton::TSpeedButton(QWidget *parent)
    : QToolButton(parent)
{
    resize(23, 22);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
}

void TSpeedButton::setDown(bool down)
{
    setCheckable(down || m_groupIndex != 0);
    setChecked(down);
}

void TSpeedButton::setGroupIndex(int index)
{
    m_groupIndex = index;
    setCheckable(index != 0);
    setAutoExclusive(index != 0 && !m_allowAllUp);
}

void TSpeedButton::setGlyph(const QString &file)
{
    m_glyph = file;
    setIcon(QIcon(loadPicture(file)));
}

TToolButton::TToolButton(QWidget *parent)
    : TSpeedButton(parent)
{
    setAutoRaise(true);
}

void TToolButton::setStyle(Vcl::TToolButtonStyle style)
{
    m_style = style;
    setCheckable(style == Vcl::tbsCheck);
    if (style == Vcl::tbsSeparator || style == Vcl::tbsDivider) {
        setEnabled(false);
        resize(8, height());
    }
}

TCheckBox::TCheckBox(QWidget *parent)
    : QCheckBox(parent)
{
    resize(97, 17);
}

Vcl::TCheckBoxState TCheckBox::State() const
{
    switch (checkState()) {
    case Qt::Checked: return Vcl::cbChecked;
    case Qt::PartiallyChecked: return Vcl::cbGrayed;
    default: return Vcl::cbUnchecked;
    }
}

void TCheckBox::setState(Vcl::TCheckBoxState state)
{
    if (state == Vcl::cbGrayed)
        setTristate(true);
    setCheckState(state == Vcl::cbChecked ? Qt::Checked : state == Vcl::cbGrayed ? Qt::PartiallyChecked : Qt::Unchecked);
}

void TCheckBox::setAlignment(Vcl::TAlignment alignment)
{
    // The box on the right of its caption is the "left justified" look.
    setLayoutDirection(alignment == Vcl::taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}

TRadioButton::TRadioButton(QWidget *parent)
    : QRadioButton(parent)
{
    resize(113, 17);
}

void TRadioButton::setAlignment(Vcl::TAlignment alignment)
{
    setLayoutDirection(alignment == Vcl::taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}

TScrollBar::TScrollBar(QWidget *parent)
    : QScrollBar(Qt::Horizontal, parent)
{
    resize(121, 16);
    setRange(0, 100);
}

void TScrollBar::setKind(Vcl::TScrollBarKind kind)
{
    setOrientation(kind == Vcl::sbHorizontal ? Qt::Horizontal : Qt::Vertical);
}

// --- drawn controls ----------------------------------------------------------------------

TShape::TShape(QWidget *parent)
    : QWidget(parent)
    , m_brush(new TBrush(this, [this] { update(); }))
    , m_pen(new TPen(this, [this] { update(); }))
{
    resize(65, 65);
}

void TShape::setShape(Vcl::TShapeType shape)
{
    m_shape = shape;
    update();
}

void TShape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, m_shape == Vcl::stEllipse || m_shape == Vcl::stCircle);
    p.setPen(m_pen->qpen());
    p.setBrush(m_brush->qbrush());
    const int pw = m_pen->Style() == Vcl::psClear ? 0 : m_pen->Width();
    QRect r = rect().adjusted(pw / 2, pw / 2, -(pw + 1) / 2, -(pw + 1) / 2);
    if (m_shape == Vcl::stSquare || m_shape == Vcl::stRoundSquare || m_shape == Vcl::stCircle) {
        const int side = qMin(r.width(), r.height());
        r = QRect(r.left() + (r.width() - side) / 2, r.top() + (r.height() - side) / 2, side, side);
    }
    switch (m_shape) {
    case Vcl::stRoundRect:
    case Vcl::stRoundSquare: {
        const int radius = qMin(r.width(), r.height()) / 4;
        p.drawRoundedRect(r, radius, radius);
        break;
    }
    case Vcl::stEllipse:
    case Vcl::stCircle:
        p.drawEllipse(r);
        break;
    default:
        p.drawRect(r);
    }
}

TBevel::TBevel(QWidget *parent)
    : QWidget(parent)
{
    resize(50, 50);
}

void TBevel::setShape(Vcl::TBevelShape shape)
{
    m_shape = shape;
    update();
}

void TBevel::setStyle(Vcl::TBevelStyle style)
{
    m_style = style;
    update();
}

void TBevel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QColor light = Vcl::ToQColor(Vcl::clSystemColor | 20);
    const QColor dark = Vcl::ToQColor(Vcl::clSystemColor | 16);
    const QColor c1 = m_style == Vcl::bsLowered ? dark : light;
    const QColor c2 = m_style == Vcl::bsLowered ? light : dark;
    const int w = width() - 1;
    const int h = height() - 1;
    auto line = [&p](const QColor &c, int x1, int y1, int x2, int y2) {
        p.setPen(c);
        p.drawLine(x1, y1, x2, y2);
    };
    switch (m_shape) {
    case Vcl::bsBox:
        line(c1, 0, 0, w, 0);
        line(c1, 0, 0, 0, h);
        line(c2, 0, h, w, h);
        line(c2, w, 0, w, h);
        break;
    case Vcl::bsFrame:
        p.setPen(c1);
        p.drawRect(0, 0, w - 1, h - 1);
        p.setPen(c2);
        p.drawRect(1, 1, w - 1, h - 1);
        break;
    case Vcl::bsTopLine:
        line(c1, 0, 0, w, 0);
        line(c2, 0, 1, w, 1);
        break;
    case Vcl::bsBottomLine:
        line(c1, 0, h - 1, w, h - 1);
        line(c2, 0, h, w, h);
        break;
    case Vcl::bsLeftLine:
        line(c1, 0, 0, 0, h);
        line(c2, 1, 0, 1, h);
        break;
    case Vcl::bsRightLine:
        line(c1, w - 1, 0, w - 1, h);
        line(c2, w, 0, w, h);
        break;
    case Vcl::bsSpacer:
        break;
    }
}

TImage::TImage(QWidget *parent)
    : QWidget(parent)
{
    resize(105, 105);
}

void TImage::setPicture(const QString &file)
{
    m_picture = file;
    m_pixmap = loadPicture(file);
    if (m_autoSize && !m_pixmap.isNull())
        resize(m_pixmap.size());
    update();
}

void TImage::setStretch(bool on)
{
    m_stretch = on;
    update();
}

void TImage::setCenter(bool on)
{
    m_center = on;
    update();
}

void TImage::setProportional(bool on)
{
    m_proportional = on;
    update();
}

void TImage::setAutoSize(bool on)
{
    m_autoSize = on;
    if (on && !m_pixmap.isNull())
        resize(m_pixmap.size());
}

void TImage::paintEvent(QPaintEvent *)
{
    if (m_pixmap.isNull())
        return;
    QPainter p(this);
    QRect target(QPoint(0, 0), m_pixmap.size());
    if (m_stretch) {
        target = rect();
        if (m_proportional) {
            const QSize s = m_pixmap.size().scaled(size(), Qt::KeepAspectRatio);
            target = QRect(QPoint(0, 0), s);
        }
    } else if (m_proportional && (m_pixmap.width() > width() || m_pixmap.height() > height())) {
        target = QRect(QPoint(0, 0), m_pixmap.size().scaled(size(), Qt::KeepAspectRatio));
    }
    if (m_center)
        target.moveCenter(rect().center());
    p.drawPixmap(target, m_pixmap);
}

// --- pages -------------------------------------------------------------------------------

TNotebook::TNotebook(QWidget *parent)
    : QStackedWidget(parent)
{
    resize(150, 150);
    setPages(QStringLiteral("Default"));
}

QString TNotebook::Pages() const
{
    QStringList out;
    for (int i = 0; i < count(); ++i)
        out << widget(i)->windowTitle();
    return Vcl::JoinLines(out);
}

void TNotebook::setPages(const QString &captions)
{
    while (count() > 0) {
        QWidget *w = widget(0);
        removeWidget(w);
        delete w;
    }
    for (const QString &c : Vcl::SplitLines(captions)) {
        auto *page = new TPage(this);
        page->setWindowTitle(c);
        page->setCaption(c);
        addWidget(page);
    }
}

QString TNotebook::ActivePage() const
{
    return currentWidget() ? currentWidget()->windowTitle() : QString();
}

void TNotebook::setActivePage(const QString &caption)
{
    for (int i = 0; i < count(); ++i) {
        if (widget(i)->windowTitle() == caption) {
            setCurrentIndex(i);
            return;
        }
    }
}

void TNotebook::setPageIndex(int index)
{
    if (index >= 0 && index < count())
        setCurrentIndex(index);
}

TTabControl::TTabControl(QWidget *parent)
    : QWidget(parent)
    , m_bar(new QTabBar(this))
{
    resize(289, 193);
}

QString TTabControl::Tabs() const
{
    QStringList out;
    for (int i = 0; i < m_bar->count(); ++i)
        out << m_bar->tabText(i);
    return Vcl::JoinLines(out);
}

void TTabControl::setTabs(const QString &tabs)
{
    while (m_bar->count() > 0)
        m_bar->removeTab(0);
    for (const QString &t : Vcl::SplitLines(tabs))
        m_bar->addTab(t);
    m_bar->resize(width(), m_bar->sizeHint().height());
}

void TTabControl::setTabIndex(int index)
{
    if (index >= -1 && index < m_bar->count())
        m_bar->setCurrentIndex(index);
}

void TTabControl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_bar->resize(width(), m_bar->sizeHint().height());
}

TTabSheet::TTabSheet(QWidget *parent)
    : QWidget(parent)
{
}

TTabSheet::~TTabSheet()
{
    if (m_pageControl) {
        const int i = m_pageControl->indexOf(this);
        if (i >= 0)
            m_pageControl->removeTab(i);
    }
}

void TTabSheet::setCaption(const QString &caption)
{
    m_caption = caption;
    if (m_pageControl) {
        const int i = m_pageControl->indexOf(this);
        if (i >= 0)
            m_pageControl->setTabText(i, Vcl::DisplayText(caption));
    }
}

void TTabSheet::setPageControl(TPageControl *pageControl)
{
    if (pageControl == m_pageControl)
        return;
    if (m_pageControl) {
        const int i = m_pageControl->indexOf(this);
        if (i >= 0)
            m_pageControl->removeTab(i);
    }
    m_pageControl = pageControl;
    if (pageControl) {
        const int i = pageControl->addTab(this, Vcl::DisplayText(m_caption));
        pageControl->setTabVisible(i, m_tabVisible);
    } else {
        setParent(nullptr);
    }
}

void TTabSheet::setTabVisible(bool visible)
{
    m_tabVisible = visible;
    if (m_pageControl) {
        const int i = m_pageControl->indexOf(this);
        if (i >= 0)
            m_pageControl->setTabVisible(i, visible);
    }
}

int TTabSheet::PageIndex() const
{
    return m_pageControl ? m_pageControl->indexOf(const_cast<TTabSheet *>(this)) : -1;
}

void TTabSheet::setPageIndex(int index)
{
    if (!m_pageControl)
        return;
    const int from = m_pageControl->indexOf(this);
    if (from < 0 || index < 0 || index >= m_pageControl->count() || index == from)
        return;
    m_pageControl->tabBar()->moveTab(from, index);
}

TPageControl::TPageControl(QWidget *parent)
    : QTabWidget(parent)
{
    resize(289, 193);
}

TPageControl::~TPageControl()
{
    for (int i = 0; i < count(); ++i)
        if (auto *sheet = qobject_cast<TTabSheet *>(widget(i)))
            sheet->forgetPageControl();
}

TTabSheet *TPageControl::ActivePage() const
{
    return qobject_cast<TTabSheet *>(currentWidget());
}

void TPageControl::setActivePage(TTabSheet *sheet)
{
    if (sheet && indexOf(sheet) >= 0)
        setCurrentWidget(sheet);
}

void TPageControl::setActivePageIndex(int index)
{
    if (index >= 0 && index < count())
        setCurrentIndex(index);
}

Vcl::TTabPosition TPageControl::TabPosition() const
{
    switch (tabPosition()) {
    case QTabWidget::South: return Vcl::tpBottom;
    case QTabWidget::West: return Vcl::tpLeft;
    case QTabWidget::East: return Vcl::tpRight;
    default: return Vcl::tpTop;
    }
}

void TPageControl::setTabPosition(Vcl::TTabPosition position)
{
    static const QTabWidget::TabPosition map[] = {QTabWidget::North, QTabWidget::South, QTabWidget::West, QTabWidget::East};
    QTabWidget::setTabPosition(map[qBound(0, int(position), 3)]);
}

TScrollBox::TScrollBox(QWidget *parent)
    : QScrollArea(parent)
{
    resize(185, 41);
    auto *inner = new QWidget;
    inner->installEventFilter(this);
    setWidget(inner);
    setWidgetResizable(false);
}

void TScrollBox::setAutoScroll(bool on)
{
    m_autoScroll = on;
    setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

bool TScrollBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == widget() && (event->type() == QEvent::ChildAdded || event->type() == QEvent::LayoutRequest))
        fitContent();
    return QScrollArea::eventFilter(watched, event);
}

void TScrollBox::fitContent()
{
    QWidget *inner = widget();
    QRect bounds(0, 0, viewport()->width(), viewport()->height());
    for (QObject *o : inner->children()) {
        if (auto *w = qobject_cast<QWidget *>(o))
            bounds = bounds.united(w->geometry());
    }
    inner->resize(bounds.right() + 1, bounds.bottom() + 1);
}

TTreeView::TTreeView(QWidget *parent)
    : QTreeWidget(parent)
{
    resize(121, 97);
    setHeaderHidden(true);
}

void TTreeView::setReadOnly(bool on)
{
    setEditTriggers(on ? QAbstractItemView::NoEditTriggers : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
}

QString TTreeView::Items() const
{
    QStringList out;
    std::function<void(QTreeWidgetItem *, int)> walk = [&](QTreeWidgetItem *item, int level) {
        out << QString(level, QLatin1Char('\t')) + item->text(0);
        for (int i = 0; i < item->childCount(); ++i)
            walk(item->child(i), level + 1);
    };
    for (int i = 0; i < topLevelItemCount(); ++i)
        walk(topLevelItem(i), 0);
    return Vcl::JoinLines(out);
}

void TTreeView::setItems(const QString &text)
{
    clear();
    QList<QTreeWidgetItem *> stack;
    for (const QString &line : Vcl::SplitLines(text)) {
        int level = 0;
        while (level < line.size() && line.at(level) == QLatin1Char('\t'))
            ++level;
        level = qMin(level, int(stack.size()));
        stack.resize(level);
        QTreeWidgetItem *item = level == 0 ? new QTreeWidgetItem(this) : new QTreeWidgetItem(stack.last());
        item->setText(0, line.mid(level));
        stack << item;
    }
}

TListView::TListView(QWidget *parent)
    : QTreeWidget(parent)
{
    resize(250, 150);
    setRootIsDecorated(false);
    setHeaderHidden(true);
}

void TListView::setViewStyle(Vcl::TViewStyle style)
{
    m_viewStyle = style;
    setHeaderHidden(style != Vcl::vsReport);
}

QString TListView::Columns() const
{
    QStringList out;
    for (int i = 0; i < columnCount(); ++i)
        out << headerItem()->text(i);
    return Vcl::JoinLines(out);
}

void TListView::setColumns(const QString &captions)
{
    const QStringList list = Vcl::SplitLines(captions);
    setColumnCount(qMax(1, int(list.size())));
    setHeaderLabels(list);
}

void TListView::setReadOnly(bool on)
{
    setEditTriggers(on ? QAbstractItemView::NoEditTriggers : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
}

TTrackBar::TTrackBar(QWidget *parent)
    : QSlider(Qt::Horizontal, parent)
{
    resize(150, 45);
    setRange(0, 10);
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(1);
}

TProgressBar::TProgressBar(QWidget *parent)
    : QProgressBar(parent)
{
    resize(150, 16);
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
}

TUpDown::TUpDown(QWidget *parent)
    : QSpinBox(parent)
{
    resize(15, 25);
    setRange(0, 100);
}

void TUpDown::setAssociate(QWidget *control)
{
    m_associate = control;
    if (control && control->parentWidget() == parentWidget())
        move(control->x() + control->width(), control->y());
}

TAnimate::TAnimate(QWidget *parent)
    : TLabel(parent)
{
    setAutoSize(false);
    resize(100, 80);
}

TXPHoverLabel::TXPHoverLabel(QWidget *parent)
    : TLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void TXPHoverLabel::enterEvent(QEnterEvent *event)
{
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    TLabel::enterEvent(event);
}

void TXPHoverLabel::leaveEvent(QEvent *event)
{
    setFont(TFont::of(this)->font());
    TLabel::leaveEvent(event);
}

TXPSectionLabel::TXPSectionLabel(QWidget *parent)
    : TLabel(parent)
{
    TFont::of(this)->setStyle(Vcl::fsBold);
}

TXPTask::TXPTask(QWidget *parent)
    : TLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
}

// --- dates -------------------------------------------------------------------------------

TDateTimePicker::TDateTimePicker(QWidget *parent)
    : QDateTimeEdit(parent)
{
    resize(186, 21);
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    setDate(Today());
}

QString TDateTimePicker::DateText() const
{
    return DateToText(date());
}

void TDateTimePicker::setDateText(const QString &text)
{
    const QDate d = TextToDate(text);
    if (d.isValid())
        setDate(d);
}

QString TDateTimePicker::TimeText() const
{
    return time().toString(QStringLiteral("HH:mm:ss"));
}

void TDateTimePicker::setTimeText(const QString &text)
{
    QTime t = QTime::fromString(text.trimmed(), QStringLiteral("H:mm:ss"));
    if (!t.isValid())
        t = QTime::fromString(text.trimmed(), QStringLiteral("H:mm"));
    if (t.isValid())
        setTime(t);
}

void TDateTimePicker::setKind(Vcl::TDateTimeKind kind)
{
    m_kind = kind;
    setCalendarPopup(kind == Vcl::dtkDate);
    setDisplayFormat(kind == Vcl::dtkDate ? QStringLiteral("dd.MM.yyyy") : QStringLiteral("HH:mm:ss"));
}

TMonthCalendar::TMonthCalendar(QWidget *parent)
    : QCalendarWidget(parent)
{
    resize(191, 154);
    setGridVisible(false);
    setSelectedDate(Today());
}

QString TMonthCalendar::DateText() const
{
    return DateToText(selectedDate());
}

void TMonthCalendar::setDateText(const QString &text)
{
    const QDate d = TextToDate(text);
    if (d.isValid())
        setSelectedDate(d);
}

// --- actions -----------------------------------------------------------------------------

TAction::TAction(QObject *parent)
    : QAction(parent)
{
}

TAction::TAction(const QString &name, const QString &caption, QObject *owner)
    : QAction(owner)
{
    setObjectName(name);
    setCaption(caption);
}

void TAction::setCaption(const QString &caption)
{
    m_caption = caption;
    setText(caption);
}

void TAction::setHint(const QString &hint)
{
    m_hint = hint;
    setToolTip(hint);
    setStatusTip(hint);
}

bool TAction::Execute()
{
    if (!isEnabled())
        return false;
    trigger();
    return true;
}
