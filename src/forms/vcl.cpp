#include "forms/vcl.h"

#include <QAbstractButton>
#include <QMetaProperty>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QResizeEvent>
#include <QScrollArea>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace Vcl {

namespace {

struct TColorIdent
{
    const char *name;
    int value;
};

// Order matters for ColorToIdent: the first name of a value wins.
const TColorIdent colorIdents[] = {
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clLtGray", 0xC0C0C0},
    {"clDkGray", 0x808080},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clNone", clNone},
    {"clDefault", clDefault},
    {"clScrollBar", clSystemColor | 0},
    {"clBackground", clSystemColor | 1},
    {"clActiveCaption", clSystemColor | 2},
    {"clInactiveCaption", clSystemColor | 3},
    {"clMenu", clSystemColor | 4},
    {"clWindow", clSystemColor | 5},
    {"clWindowFrame", clSystemColor | 6},
    {"clMenuText", clSystemColor | 7},
    {"clWindowText", clSystemColor | 8},
    {"clCaptionText", clSystemColor | 9},
    {"clActiveBorder", clSystemColor | 10},
    {"clInactiveBorder", clSystemColor | 11},
    {"clAppWorkSpace", clSystemColor | 12},
    {"clHighlight", clSystemColor | 13},
    {"clHighlightText", clSystemColor | 14},
    {"clBtnFace", clSystemColor | 15},
    {"clBtnShadow", clSystemColor | 16},
    {"clGrayText", clSystemColor | 17},
    {"clBtnText", clSystemColor | 18},
    {"clInactiveCaptionText", clSystemColor | 19},
    {"clBtnHighlight", clSystemColor | 20},
    {"cl3DDkShadow", clSystemColor | 21},
    {"cl3DLight", clSystemColor | 22},
    {"clInfoText", clSystemColor | 23},
    {"clInfoBk", clSystemColor | 24},
    {"clHotLight", clSystemColor | 26},
    {"clGradientActiveCaption", clSystemColor | 27},
    {"clGradientInactiveCaption", clSystemColor | 28},
    {"clMenuHighlight", clSystemColor | 29},
    {"clMenuBar", clSystemColor | 30},
};

// The classic look of the system colours, as RGB.
const unsigned systemRgb[] = {
    0xC8D0D4, 0x3A6EA5, 0x0A246A, 0x808080, 0xD4D0C8, 0xFFFFFF, 0x000000, 0x000000, 0x000000, 0xFFFFFF, 0xD4D0C8,
    0xD4D0C8, 0x808080, 0x0A246A, 0xFFFFFF, 0xD4D0C8, 0x808080, 0x808080, 0x000000, 0xD4D0C8, 0xFFFFFF, 0x404040,
    0xD4D0C8, 0x000000, 0xFFFFE1, 0xB5B5B5, 0x0000FF, 0xA6CAF0, 0xC0C0C0, 0x316AC5, 0xECE9D8,
};

const char *const tagKey = "twTag";
const char *const alignKey = "twAlign";
const char *const anchorsKey = "twAnchors";
const char *const colorKey = "twColor";
const char *const hintKey = "twHint";
const char *const showHintKey = "twShowHint";
const char *const tabOrderKey = "twTabOrder";

bool inRealign = false;

// Keeps aligned and anchored children in place when their parent changes size.
class TAlignFilter : public QObject
{
public:
    static TAlignFilter *instance()
    {
        static TAlignFilter filter;
        return &filter;
    }

    void watch(QObject *object)
    {
        object->removeEventFilter(this);
        object->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *w = qobject_cast<QWidget *>(watched);
        if (!w)
            return false;
        switch (event->type()) {
        case QEvent::Resize: {
            const auto *re = static_cast<QResizeEvent *>(event);
            if (re->oldSize().isValid())
                moveAnchored(w, re->size().width() - re->oldSize().width(), re->size().height() - re->oldSize().height());
            Realign(w);
            if (Align(w) != alNone && w->parentWidget())
                Realign(w->parentWidget());
            break;
        }
        case QEvent::Show:
        case QEvent::Hide:
            if (Align(w) != alNone && w->parentWidget())
                Realign(w->parentWidget());
            break;
        default:
            break;
        }
        return false;
    }

private:
    static void moveAnchored(QWidget *parent, int dx, int dy)
    {
        if (inRealign || (dx == 0 && dy == 0))
            return;
        for (QObject *o : parent->children()) {
            auto *c = qobject_cast<QWidget *>(o);
            if (!c || c->isWindow() || Align(c) != alNone || !c->property(anchorsKey).isValid())
                continue;
            const TAnchors a = Anchors(c);
            QRect g = c->geometry();
            if (a.testFlag(akRight)) {
                if (a.testFlag(akLeft))
                    g.setWidth(qMax(0, g.width() + dx));
                else
                    g.moveLeft(g.left() + dx);
            } else if (!a.testFlag(akLeft)) {
                g.moveLeft(g.left() + dx / 2);
            }
            if (a.testFlag(akBottom)) {
                if (a.testFlag(akTop))
                    g.setHeight(qMax(0, g.height() + dy));
                else
                    g.moveTop(g.top() + dy);
            } else if (!a.testFlag(akTop)) {
                g.moveTop(g.top() + dy / 2);
            }
            c->setGeometry(g);
        }
    }
};

} // namespace

bool ColorFromIdent(const QString &ident, int &value)
{
    const QString t = ident.trimmed();
    if (t.size() < 3 || !t.startsWith(QLatin1String("cl"), Qt::CaseInsensitive))
        return false;
    for (const TColorIdent &c : colorIdents) {
        if (t.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0) {
            value = c.value;
            return true;
        }
    }
    return false;
}

QString ColorToIdent(int value)
{
    for (const TColorIdent &c : colorIdents) {
        if (c.value == value)
            return QString::fromLatin1(c.name);
    }
    return QString();
}

QColor ToQColor(int color)
{
    if (color == clNone || color == clDefault)
        return QColor(Qt::transparent);
    if ((color & clSystemColor) == clSystemColor) {
        const int index = color & 0xFF;
        const unsigned rgb = index < int(std::size(systemRgb)) ? systemRgb[index] : 0;
        return QColor::fromRgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    }
    return QColor::fromRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

int Tag(const QObject *component)
{
    if (!component)
        return 0;
    const QVariant v = component->property(tagKey);
    if (v.isValid())
        return v.toInt();
    // Classes that publish a Tag of their own (windows from other layers).
    const int index = component->metaObject()->indexOfProperty("Tag");
    return index >= 0 ? component->metaObject()->property(index).read(component).toInt() : 0;
}

int StoredTag(const QObject *component)
{
    return component ? component->property(tagKey).toInt() : 0;
}

void SetTag(QObject *component, int tag)
{
    component->setProperty(tagKey, tag);
}

TAlign Align(const QWidget *control)
{
    return TAlign(control->property(alignKey).toInt());
}

void SetAlign(QWidget *control, TAlign align)
{
    control->setProperty(alignKey, int(align));
    TAlignFilter::instance()->watch(control);
    if (QWidget *p = control->parentWidget()) {
        TAlignFilter::instance()->watch(p);
        Realign(p);
    }
}

TAnchors Anchors(const QWidget *control)
{
    const QVariant v = control->property(anchorsKey);
    return v.isValid() ? TAnchors(v.toInt()) : TAnchors(akLeft | akTop);
}

void SetAnchors(QWidget *control, TAnchors anchors)
{
    control->setProperty(anchorsKey, int(anchors));
    if (QWidget *p = control->parentWidget())
        TAlignFilter::instance()->watch(p);
}

void Realign(QWidget *parent)
{
    if (!parent || inRealign)
        return;
    QList<QWidget *> aligned;
    for (QObject *o : parent->children()) {
        auto *c = qobject_cast<QWidget *>(o);
        if (c && !c->isWindow() && !c->isHidden() && Align(c) != alNone && Align(c) != alCustom)
            aligned << c;
    }
    if (aligned.isEmpty())
        return;
    inRealign = true;
    // A control laid out by a Qt layout inside is given its new size at once, so its
    // contents follow the alignment even when it was placed while hidden.
    auto place = [](QWidget *c, const QRect &r) {
        c->setGeometry(r);
        if (c->layout())
            c->layout()->setGeometry(c->rect());
    };
    QRect area = parent->contentsRect();
    auto take = [&](TAlign kind, auto less) {
        QList<QWidget *> list;
        for (QWidget *c : aligned)
            if (Align(c) == kind)
                list << c;
        std::stable_sort(list.begin(), list.end(), less);
        return list;
    };
    for (QWidget *c : take(alTop, [](QWidget *a, QWidget *b) { return a->y() < b->y(); })) {
        place(c, QRect(area.left(), area.top(), area.width(), c->height()));
        area.setTop(area.top() + c->height());
    }
    for (QWidget *c : take(alBottom, [](QWidget *a, QWidget *b) { return a->y() > b->y(); })) {
        place(c, QRect(area.left(), area.bottom() + 1 - c->height(), area.width(), c->height()));
        area.setBottom(area.bottom() - c->height());
    }
    for (QWidget *c : take(alLeft, [](QWidget *a, QWidget *b) { return a->x() < b->x(); })) {
        place(c, QRect(area.left(), area.top(), c->width(), qMax(0, area.height())));
        area.setLeft(area.left() + c->width());
    }
    for (QWidget *c : take(alRight, [](QWidget *a, QWidget *b) { return a->x() > b->x(); })) {
        place(c, QRect(area.right() + 1 - c->width(), area.top(), c->width(), qMax(0, area.height())));
        area.setRight(area.right() - c->width());
    }
    for (QWidget *c : take(alClient, [](QWidget *, QWidget *) { return false; }))
        place(c, QRect(area.left(), area.top(), qMax(0, area.width()), qMax(0, area.height())));
    inRealign = false;
}

int Color(const QWidget *control, int defaultColor)
{
    const QVariant v = control->property(colorKey);
    return v.isValid() ? v.toInt() : defaultColor;
}

void SetColor(QWidget *control, int color)
{
    control->setProperty(colorKey, color);
    PaintBackground(control, color);
}

void PaintBackground(QWidget *control, int color)
{
    QPalette pal = control->palette();
    const QColor c = ToQColor(color);
    if (qobject_cast<QLineEdit *>(control) || qobject_cast<QAbstractSpinBox *>(control)
        || qobject_cast<QComboBox *>(control)) {
        pal.setColor(QPalette::Base, c);
    } else if (qobject_cast<QAbstractScrollArea *>(control)) {
        pal.setColor(QPalette::Base, c);
        pal.setColor(QPalette::Window, c);
    } else if (qobject_cast<QAbstractButton *>(control)) {
        pal.setColor(QPalette::Button, c);
        pal.setColor(QPalette::Window, c);
    } else {
        pal.setColor(QPalette::Window, c);
        control->setAutoFillBackground(color != clNone);
    }
    control->setPalette(pal);
}

void SetTextColor(QWidget *control, int color)
{
    QPalette pal = control->palette();
    const QColor c = ToQColor(color);
    pal.setColor(QPalette::WindowText, c);
    pal.setColor(QPalette::Text, c);
    pal.setColor(QPalette::ButtonText, c);
    control->setPalette(pal);
}

QString Hint(const QWidget *control)
{
    return control->property(hintKey).toString();
}

void SetHint(QWidget *control, const QString &hint)
{
    control->setProperty(hintKey, hint);
    control->setToolTip(ShowHint(control) ? DisplayText(hint) : QString());
}

bool ShowHint(const QWidget *control)
{
    return control->property(showHintKey).toBool();
}

void SetShowHint(QWidget *control, bool show)
{
    control->setProperty(showHintKey, show);
    control->setToolTip(show ? DisplayText(Hint(control)) : QString());
}

int TabOrder(const QWidget *control)
{
    const QVariant v = control->property(tabOrderKey);
    if (v.isValid())
        return v.toInt();
    const QWidget *p = control->parentWidget();
    return p ? int(p->children().indexOf(const_cast<QWidget *>(control))) : 0;
}

void SetTabOrder(QWidget *control, int order)
{
    control->setProperty(tabOrderKey, order);
}

void ApplyTabOrders(QWidget *window)
{
    // Creation order is the toolkit's focus order already; only explicit orders need work.
    bool any = false;
    for (QWidget *w : window->findChildren<QWidget *>())
        if (w->property(tabOrderKey).isValid()) {
            any = true;
            break;
        }
    if (!any)
        return;
    QList<QWidget *> chain;
    std::function<void(QWidget *)> walk = [&](QWidget *parent) {
        QList<QWidget *> kids;
        for (QObject *o : parent->children()) {
            auto *c = qobject_cast<QWidget *>(o);
            if (c && !c->isWindow())
                kids << c;
        }
        std::stable_sort(kids.begin(), kids.end(), [](QWidget *a, QWidget *b) { return TabOrder(a) < TabOrder(b); });
        for (QWidget *c : kids) {
            if (c->focusPolicy() & Qt::TabFocus)
                chain << c;
            walk(c);
        }
    };
    walk(window);
    for (int i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

bool TabStop(const QWidget *control)
{
    return (control->focusPolicy() & Qt::TabFocus) != 0;
}

void SetTabStop(QWidget *control, bool stop)
{
    if (stop)
        control->setFocusPolicy(Qt::StrongFocus);
    else if (control->focusPolicy() != Qt::NoFocus)
        control->setFocusPolicy(Qt::ClickFocus);
}

bool Enabled(const QWidget *control)
{
    return !control->testAttribute(Qt::WA_ForceDisabled);
}

bool Visible(const QWidget *control)
{
    return !control->isHidden();
}

QWidget *ClientArea(QWidget *control)
{
    if (auto *scroll = qobject_cast<QScrollArea *>(control)) {
        if (scroll->widget())
            return scroll->widget();
    }
    return control;
}

QWidget *ControlOfClientArea(QWidget *area)
{
    if (area && area->parentWidget()) {
        if (auto *scroll = qobject_cast<QScrollArea *>(area->parentWidget()->parentWidget())) {
            if (scroll->widget() == area)
                return scroll;
        }
    }
    return area;
}

int FontHeightFromSize(int pointSize)
{
    return -int(std::lround(pointSize * 96.0 / 72.0));
}

int FontSizeFromHeight(int height)
{
    return int(std::lround(std::abs(height) * 72.0 / 96.0));
}

QString DisplayText(const QString &caption)
{
    QString t = caption;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

} // namespace Vcl
