#include "forms/twEdit.h"

#include "forms/twcalculator.h"

#include "common/twtools.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

#include <cmath>

// --- shared field behaviour ------------------------------------------------------------------

TFieldSupport::TFieldSupport(QLineEdit *field)
    : m_field(field)
    , m_creationFont(field->font())
{
    // A new field already has the window colour as its background; palettes are set when
    // a colour differs (forms make hundreds of fields).
}

TFont *TFieldSupport::labelFont() const
{
    if (!m_labelFont)
        m_labelFont = new TFont(m_field, m_creationFont, Vcl::clWindowText, [this] { const_cast<TFieldSupport *>(this)->layoutLabel(); });
    return m_labelFont;
}

TFieldSupport::~TFieldSupport()
{
    delete m_label.data();
}

void TFieldSupport::setEditLabel(const QString &caption)
{
    m_caption = caption;
    if (caption.isEmpty()) {
        // The label exists exactly while there is a caption.
        delete m_label.data();
        return;
    }
    if (!m_label) {
        m_label = new QLabel(m_field->parentWidget());
        m_label->setTextFormat(Qt::PlainText);
        m_label->setAttribute(Qt::WA_TranslucentBackground);
        m_label->setAutoFillBackground(false);
        m_label->setBuddy(m_field);
    }
    layoutLabel();
}

void TFieldSupport::setLabelAlign(Vcl::TEditLabelAlign align)
{
    m_align = align;
    layoutLabel();
}

void TFieldSupport::setLabelWidth(int width)
{
    m_labelWidth = width;
    layoutLabel();
}

void TFieldSupport::setLabelLeft(int left)
{
    m_labelLeft = left;
    layoutLabel();
}

void TFieldSupport::setLabelTop(int top)
{
    m_labelTop = top;
    layoutLabel();
}

void TFieldSupport::layoutLabel()
{
    QLabel *label = m_label;
    if (!label)
        return;
    if (label->parentWidget() != m_field->parentWidget())
        label->setParent(m_field->parentWidget());
    label->setVisible(m_field->parentWidget() && !m_field->isHidden());
    label->setText(Vcl::DisplayText(m_caption));
    label->setFont(labelFont()->font());
    if (label != m_litLabel) {
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, labelFont()->qcolor());
        label->setPalette(pal);
    }
    if (m_labelWidth > 0) {
        label->setWordWrap(true);
        const int h = label->heightForWidth(m_labelWidth);
        label->resize(m_labelWidth, h > 0 ? h : label->sizeHint().height());
    } else {
        label->setWordWrap(false);
        const QFontMetrics fm(label->font());
        const QStringList lines = label->text().split(QLatin1Char('\n'));
        int w = 0;
        for (const QString &l : lines)
            w = qMax(w, fm.horizontalAdvance(l));
        label->resize(qMax(1, w), fm.height() * int(lines.size()));
    }
    const int L = m_field->x();
    const int T = m_field->y();
    const int W = m_field->width();
    const int H = m_field->height();
    const int LW = label->width();
    const int LH = label->height();
    QPoint p;
    switch (m_align) {
    case Vcl::elTopLeft: p = QPoint(L, T - LH); break;
    case Vcl::elTopRight: p = QPoint(L + W - LW, T - LH); break;
    case Vcl::elBottomLeft: p = QPoint(L, T + H); break;
    case Vcl::elBottomRight: p = QPoint(L + W - LW, T + H); break;
    case Vcl::elLeft: p = QPoint(L - LW - 3, T - 1 + (H - LH) / 2); break;
    case Vcl::elRight: p = QPoint(L + W + 3, T - 1 + (H - LH) / 2); break;
    case Vcl::elRelative: p = QPoint(L + m_labelLeft, T + m_labelTop); break;
    }
    label->move(p);
}

void TFieldSupport::setColors(int normal, int onEnter, int disabled)
{
    colorNormal = normal;
    colorOnEnter = onEnter;
    colorDisabled = disabled;
    if (!m_field->isEnabled())
        Vcl::PaintBackground(m_field, colorDisabled);
    else
        Vcl::PaintBackground(m_field, m_field->hasFocus() ? colorOnEnter : colorNormal);
}

void TFieldSupport::focusIn()
{
    Vcl::PaintBackground(m_field, colorOnEnter);
    if (!lightsLabel)
        return;
    QLabel *target = m_label;
    if (m_link) {
        auto *linked = dynamic_cast<IZeltoField *>(m_link.data());
        target = linked ? linked->fieldSupport()->label() : nullptr;
    }
    if (!target)
        return;
    if (m_litLabel && m_litLabel != target)
        focusOut();
    m_litLabel = target;
    m_litColor = target->palette().color(QPalette::WindowText);
    QPalette pal = target->palette();
    pal.setColor(QPalette::WindowText, Vcl::ToQColor(editLabelClActive));
    target->setPalette(pal);
}

void TFieldSupport::focusOut()
{
    Vcl::PaintBackground(m_field, colorNormal);
    if (m_litLabel) {
        QPalette pal = m_litLabel->palette();
        pal.setColor(QPalette::WindowText, m_litColor);
        m_litLabel->setPalette(pal);
    }
    m_litLabel = nullptr;
}

void TFieldSupport::enabledChanged()
{
    const bool enabled = m_field->isEnabled();
    Vcl::PaintBackground(m_field, enabled ? colorNormal : colorDisabled);
    // A disabled field keeps its text colour (only the background tells).
    QPalette pal = m_field->palette();
    pal.setColor(QPalette::Disabled, QPalette::Text, pal.color(QPalette::Active, QPalette::Text));
    pal.setColor(QPalette::Disabled, QPalette::Base, Vcl::ToQColor(colorDisabled));
    m_field->setPalette(pal);
}

void TFieldSupport::parentChanged()
{
    layoutLabel();
}

void TFieldSupport::visibilityChanged()
{
    if (m_label)
        m_label->setVisible(m_field->parentWidget() && !m_field->isHidden());
}

void TFieldSupport::paintOverlay(const QString &text, int textY)
{
    if (!commented && !(commentedTag && !m_field->hasFocus()))
        return;
    QPainter p(m_field);
    if (commentedTag && !m_field->hasFocus()) {
        const QColor bg = m_field->palette().color(m_field->isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Base);
        const int h = m_field->height();
        p.fillRect(QRect(1, 1, 20, h - 2), bg);
        p.fillRect(QRect(20, 1, qMax(0, m_field->width() - 21), h - 2), bg);
        QFont small(QStringLiteral("Small Fonts"));
        small.setPixelSize(8);
        p.setFont(small);
        p.setPen(Vcl::ToQColor(Vcl::clGreen));
        const QString number = QLatin1Char(' ') + QString::number(Vcl::Tag(m_field)) + QLatin1Char('.');
        p.drawText(QRect(1, 1, 19, h - 2), Qt::AlignLeft | Qt::AlignTop, number);
        p.setFont(m_field->font());
        p.setPen(m_field->palette().color(QPalette::Text));
        p.drawText(QRect(20, textY, qMax(0, m_field->width() - 21), h - textY - 1), Qt::AlignLeft | Qt::AlignTop, text);
    }
    if (commented) {
        // Rows 1..4, pixels 1..5-y: a small right-angled triangle in the corner.
        p.setPen(Qt::red);
        for (int y = 1; y <= 4; ++y)
            for (int x = 1; x <= 5 - y; ++x)
                p.drawPoint(x, y);
    }
}

// --- TZeltoEdit --------------------------------------------------------------------------

TZeltoEdit::TZeltoEdit(QWidget *parent)
    : TMaskEdit(parent)
{
}

void TZeltoEdit::focusInEvent(QFocusEvent *event)
{
    TMaskEdit::focusInEvent(event);
    m_field.focusIn();
    if (m_field.cursorToStart) {
        deselect();
        setCursorPosition(0);
        m_firstClick = true;
    }
}

void TZeltoEdit::focusOutEvent(QFocusEvent *event)
{
    TMaskEdit::focusOutEvent(event);
    m_field.focusOut();
    m_firstClick = false;
}

void TZeltoEdit::mousePressEvent(QMouseEvent *event)
{
    TMaskEdit::mousePressEvent(event);
    if (m_field.cursorToStart && m_firstClick) {
        deselect();
        setCursorPosition(0);
    }
}

void TZeltoEdit::mouseReleaseEvent(QMouseEvent *event)
{
    TMaskEdit::mouseReleaseEvent(event);
    if (m_field.cursorToStart && m_firstClick) {
        deselect();
        setCursorPosition(0);
        m_firstClick = false;
    }
}

void TZeltoEdit::paintEvent(QPaintEvent *event)
{
    TMaskEdit::paintEvent(event);
    m_field.paintOverlay(displayText(), 3);
}

void TZeltoEdit::changeEvent(QEvent *event)
{
    TMaskEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        m_field.enabledChanged();
}

void TZeltoEdit::moveEvent(QMoveEvent *event)
{
    TMaskEdit::moveEvent(event);
    m_field.layoutLabel();
}

void TZeltoEdit::resizeEvent(QResizeEvent *event)
{
    TMaskEdit::resizeEvent(event);
    m_field.layoutLabel();
}

bool TZeltoEdit::event(QEvent *event)
{
    const bool r = TMaskEdit::event(event);
    if (event->type() == QEvent::ParentChange)
        m_field.parentChanged();
    else if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
        m_field.visibilityChanged();
    return r;
}

// --- TZeltoCalcEdit ---------------------------------------------------------------------

QString FormatDisplayNumber(const QString &format, double value)
{
    const QString section = format.section(QLatin1Char(';'), 0, 0);
    if (section.isEmpty() || !std::isfinite(value))
        return FloatToText(value);
    int first = -1;
    int last = -1;
    for (int i = 0; i < section.size(); ++i) {
        if (QStringLiteral("0#,.").contains(section.at(i))) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0)
        return section;
    const QString prefix = section.left(first);
    const QString suffix = section.mid(last + 1);
    const QString body = section.mid(first, last - first + 1);
    const int point = body.indexOf(QLatin1Char('.'));
    const QString intPart = point >= 0 ? body.left(point) : body;
    const QString decPart = point >= 0 ? body.mid(point + 1) : QString();
    const int minDec = int(decPart.count(QLatin1Char('0')));
    const int maxDec = minDec + int(decPart.count(QLatin1Char('#')));
    const int minInt = int(intPart.count(QLatin1Char('0')));
    const bool grouping = intPart.contains(QLatin1Char(','));

    const double scale = std::pow(10.0, maxDec);
    const double rounded = std::floor(std::fabs(value) * scale + 0.5) / scale;
    QString digits = QString::number(rounded, 'f', maxDec);
    QString ip = digits.section(QLatin1Char('.'), 0, 0);
    QString dp = maxDec > 0 ? digits.section(QLatin1Char('.'), 1, 1) : QString();
    while (dp.size() > minDec && dp.endsWith(QLatin1Char('0')))
        dp.chop(1);
    if (ip == QLatin1String("0") && minInt == 0)
        ip.clear();
    while (ip.size() < minInt)
        ip.prepend(QLatin1Char('0'));
    if (grouping) {
        for (int i = int(ip.size()) - 3; i > 0; i -= 3)
            ip.insert(i, QLatin1Char(' '));
    }
    QString out = ip;
    if (!dp.isEmpty())
        out += QLatin1Char('.') + dp;
    if (out.isEmpty())
        out = QStringLiteral("0");
    if (value < 0 && rounded != 0)
        out.prepend(QLatin1Char('-'));
    return prefix + out + suffix;
}

TZeltoCalcEdit::TZeltoCalcEdit(QWidget *parent)
    : QLineEdit(parent)
    , m_button(new QToolButton(this))
{
    resize(121, 21);
    m_button->setText(QStringLiteral("\u2026"));
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setCursor(Qt::ArrowCursor);
    connect(m_button, &QToolButton::clicked, this, &TZeltoCalcEdit::dropDown);
    setAlignment(Vcl::taRightJustify);
    showValue();
}

TZeltoCalcEdit::~TZeltoCalcEdit()
{
    delete m_popup.data();
}

double TZeltoCalcEdit::clamp(double value) const
{
    if (m_maxValue != m_minValue)
        return qBound(m_minValue, value, m_maxValue);
    return value;
}

void TZeltoCalcEdit::setValue(double value)
{
    m_value = std::isfinite(value) ? clamp(value) : 0;
    showValue();
}

void TZeltoCalcEdit::setText(const QString &text)
{
    QString t = text.trimmed();
    t.remove(QLatin1Char(' '));
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    double v = 0;
    if (!t.isEmpty() && !TextToFloat(t, v))
        v = 0;
    setValue(v);
}

void TZeltoCalcEdit::setDecimalPlaces(int places)
{
    m_decimalPlaces = qBound(0, places, 15);
    showValue();
}

void TZeltoCalcEdit::setDisplayFormat(const QString &format)
{
    m_displayFormat = format;
    showValue();
}

void TZeltoCalcEdit::setAlignment(Vcl::TAlignment alignment)
{
    m_alignment = alignment;
    Qt::Alignment a = Qt::AlignLeft;
    if (alignment == Vcl::taRightJustify)
        a = Qt::AlignRight;
    else if (alignment == Vcl::taCenter)
        a = Qt::AlignHCenter;
    QLineEdit::setAlignment(a | Qt::AlignVCenter);
}

void TZeltoCalcEdit::setZeroEmpty(bool on)
{
    m_zeroEmpty = on;
    showValue();
}

QString TZeltoCalcEdit::displayText() const
{
    if (m_zeroEmpty && m_value == 0)
        return QString();
    if (m_displayFormat.isEmpty()) {
        const double scale = std::pow(10.0, m_decimalPlaces);
        return FloatToText(std::round(m_value * scale) / scale);
    }
    return FormatDisplayNumber(m_displayFormat, m_value);
}

void TZeltoCalcEdit::showValue()
{
    if (m_editing)
        QLineEdit::setText(m_zeroEmpty && m_value == 0 ? QString() : FloatToText(m_value));
    else
        QLineEdit::setText(displayText());
}

void TZeltoCalcEdit::commitText()
{
    QString t = text().trimmed();
    t.remove(QLatin1Char(' '));
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    double v = 0;
    if (t.isEmpty() || t == QLatin1String("-"))
        v = 0;
    else if (!TextToFloat(t, v))
        v = m_value;
    m_value = std::isfinite(v) ? clamp(v) : m_value;
}

void TZeltoCalcEdit::dropDown()
{
    if (isReadOnly() || !isEnabled())
        return;
    if (m_editing)
        commitText();
    if (!m_popup) {
        m_popup = new TCalculatorPopup(this);
        m_popup->onAccept = [this](double v) { acceptCalculator(v); };
    }
    m_popup->popup(this, m_value);
}

void TZeltoCalcEdit::acceptCalculator(double value)
{
    setValue(value);
    setFocus();
}

int TZeltoCalcEdit::shortCutOf(const QKeyEvent *event)
{
    int vk = 0;
    const int key = event->key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        vk = 'A' + (key - Qt::Key_A);
    else if (key >= Qt::Key_0 && key <= Qt::Key_9)
        vk = '0' + (key - Qt::Key_0);
    else if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        vk = 0x70 + (key - Qt::Key_F1);
    else {
        switch (key) {
        case Qt::Key_Down: vk = 0x28; break;
        case Qt::Key_Up: vk = 0x26; break;
        case Qt::Key_Left: vk = 0x25; break;
        case Qt::Key_Right: vk = 0x27; break;
        case Qt::Key_Return:
        case Qt::Key_Enter: vk = 0x0D; break;
        case Qt::Key_Space: vk = 0x20; break;
        case Qt::Key_Insert: vk = 0x2D; break;
        case Qt::Key_Delete: vk = 0x2E; break;
        case Qt::Key_Home: vk = 0x24; break;
        case Qt::Key_End: vk = 0x23; break;
        case Qt::Key_PageUp: vk = 0x21; break;
        case Qt::Key_PageDown: vk = 0x22; break;
        case Qt::Key_Escape: vk = 0x1B; break;
        case Qt::Key_Tab: vk = 0x09; break;
        case Qt::Key_Backspace: vk = 0x08; break;
        default: return 0;
        }
    }
    if (event->modifiers() & Qt::ShiftModifier)
        vk |= 0x2000;
    if (event->modifiers() & Qt::ControlModifier)
        vk |= 0x4000;
    if (event->modifiers() & Qt::AltModifier)
        vk |= 0x8000;
    return vk;
}

void TZeltoCalcEdit::focusInEvent(QFocusEvent *event)
{
    m_editing = true;
    showValue();
    QLineEdit::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        selectAll();
    m_field.focusIn();
}

void TZeltoCalcEdit::focusOutEvent(QFocusEvent *event)
{
    if (event->reason() == Qt::PopupFocusReason && m_popup && m_popup->isVisible()) {
        QLineEdit::focusOutEvent(event);
        return;
    }
    commitText();
    m_editing = false;
    showValue();
    QLineEdit::focusOutEvent(event);
    m_field.focusOut();
}

void TZeltoCalcEdit::keyPressEvent(QKeyEvent *event)
{
    if (m_clickKey != 0 && shortCutOf(event) == m_clickKey) {
        dropDown();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        commitText();
        showValue();
        event->ignore();
        return;
    }
    const QString t = event->text();
    if (t.size() == 1 && t.at(0).isPrint() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const QChar c = t.at(0);
        if (c.isDigit() || c == QLatin1Char('-')) {
            QLineEdit::keyPressEvent(event);
        } else if (c == QLatin1Char('.') || c == QLatin1Char(',')) {
            // One decimal point, whichever key the user reaches for.
            if (!text().contains(QLatin1Char('.')) || selectedText().contains(QLatin1Char('.')))
                insert(QStringLiteral("."));
        } else {
            QApplication::beep();
        }
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TZeltoCalcEdit::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    m_field.paintOverlay(displayText(), 1);
}

void TZeltoCalcEdit::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        m_field.enabledChanged();
}

void TZeltoCalcEdit::moveEvent(QMoveEvent *event)
{
    QLineEdit::moveEvent(event);
    m_field.layoutLabel();
}

void TZeltoCalcEdit::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    const int bw = qMin(17, qMax(0, height() - 4));
    m_button->setGeometry(width() - bw - 2, 2, bw, qMax(0, height() - 4));
    setTextMargins(0, 0, bw, 0);
    m_field.layoutLabel();
}

bool TZeltoCalcEdit::event(QEvent *event)
{
    const bool r = QLineEdit::event(event);
    if (event->type() == QEvent::ParentChange)
        m_field.parentChanged();
    else if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
        m_field.visibilityChanged();
    return r;
}

// --- TZeltoDBEdit ---------------------------------------------------------------------------

TZeltoDBEdit::TZeltoDBEdit(QWidget *parent)
    : QLineEdit(parent)
{
    resize(121, 21);
    m_field.lightsLabel = false;
}

void TZeltoDBEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    m_field.focusIn();
}

void TZeltoDBEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    m_field.focusOut();
}

void TZeltoDBEdit::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    m_field.paintOverlay(displayText(), 3);
}

void TZeltoDBEdit::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        m_field.enabledChanged();
}

void TZeltoDBEdit::moveEvent(QMoveEvent *event)
{
    QLineEdit::moveEvent(event);
    m_field.layoutLabel();
}

void TZeltoDBEdit::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    m_field.layoutLabel();
}

bool TZeltoDBEdit::event(QEvent *event)
{
    const bool r = QLineEdit::event(event);
    if (event->type() == QEvent::ParentChange)
        m_field.parentChanged();
    else if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
        m_field.visibilityChanged();
    return r;
}

// --- list and page extensions ----------------------------------------------------------------

TZeltoComboBox::TZeltoComboBox(QWidget *parent)
    : TComboBox(parent)
{
}

TZeltoListBox::TZeltoListBox(QWidget *parent)
    : TComboBox(parent)
{
}

TZeltoTabSheet::TZeltoTabSheet(QWidget *parent)
    : TTabSheet(parent)
{
}
