#include "forms/twgraphics.h"

#include <QPen>
#include <QVariant>
#include <QWidget>

namespace {
const char *const fontKey = "twFontObject";
}

TFont::TFont(QWidget *control)
    : QObject(control)
    , m_control(control)
    , m_font(control->font())
{
}

TFont::TFont(QObject *owner, const QFont &font, int color, std::function<void()> onChange)
    : QObject(owner)
    , m_font(font)
    , m_color(color)
    , m_onChange(std::move(onChange))
{
}

TFont *TFont::of(QWidget *control)
{
    auto *font = qobject_cast<TFont *>(control->property(fontKey).value<QObject *>());
    if (!font) {
        font = new TFont(control);
        control->setProperty(fontKey, QVariant::fromValue<QObject *>(font));
    }
    return font;
}

void TFont::setName(const QString &name)
{
    m_font.setFamily(name);
    changed();
}

int TFont::Size() const
{
    if (m_font.pointSize() > 0)
        return m_font.pointSize();
    return Vcl::FontSizeFromHeight(m_font.pixelSize());
}

void TFont::setSize(int size)
{
    if (size > 0)
        m_font.setPointSize(size);
    else if (size < 0)
        m_font.setPixelSize(-size);
    changed();
}

void TFont::setHeight(int height)
{
    setSize(Vcl::FontSizeFromHeight(height));
}

void TFont::setColor(int color)
{
    m_color = color;
    changed();
}

Vcl::TFontStyles TFont::Style() const
{
    Vcl::TFontStyles s;
    if (m_font.bold())
        s |= Vcl::fsBold;
    if (m_font.italic())
        s |= Vcl::fsItalic;
    if (m_font.underline())
        s |= Vcl::fsUnderline;
    if (m_font.strikeOut())
        s |= Vcl::fsStrikeOut;
    return s;
}

void TFont::setStyle(Vcl::TFontStyles style)
{
    m_font.setBold(style.testFlag(Vcl::fsBold));
    m_font.setItalic(style.testFlag(Vcl::fsItalic));
    m_font.setUnderline(style.testFlag(Vcl::fsUnderline));
    m_font.setStrikeOut(style.testFlag(Vcl::fsStrikeOut));
    changed();
}

void TFont::assign(const TFont *other)
{
    if (other)
        assign(other->m_font, other->m_color);
}

void TFont::assign(const QFont &font, int color)
{
    m_font = font;
    m_color = color;
    changed();
}

void TFont::changed()
{
    if (m_control) {
        m_control->setFont(m_font);
        Vcl::SetTextColor(m_control, m_color);
        m_control->updateGeometry();
    }
    if (m_onChange)
        m_onChange();
}

TBrush::TBrush(QObject *owner, std::function<void()> onChange)
    : QObject(owner)
    , m_onChange(std::move(onChange))
{
}

void TBrush::setColor(int color)
{
    m_color = color;
    if (m_onChange)
        m_onChange();
}

void TBrush::setStyle(Vcl::TBrushStyle style)
{
    m_style = style;
    if (m_onChange)
        m_onChange();
}

QBrush TBrush::qbrush() const
{
    static const Qt::BrushStyle styles[] = {Qt::SolidPattern, Qt::NoBrush,      Qt::HorPattern,   Qt::VerPattern,
                                            Qt::FDiagPattern, Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    return QBrush(Vcl::ToQColor(m_color), styles[qBound(0, int(m_style), 7)]);
}

TPen::TPen(QObject *owner, std::function<void()> onChange)
    : QObject(owner)
    , m_onChange(std::move(onChange))
{
}

void TPen::setColor(int color)
{
    m_color = color;
    if (m_onChange)
        m_onChange();
}

void TPen::setWidth(int width)
{
    m_width = qMax(0, width);
    if (m_onChange)
        m_onChange();
}

void TPen::setStyle(Vcl::TPenStyle style)
{
    m_style = style;
    if (m_onChange)
        m_onChange();
}

QPen TPen::qpen() const
{
    static const Qt::PenStyle styles[] = {Qt::SolidLine,      Qt::DashLine, Qt::DotLine,  Qt::DashDotLine,
                                          Qt::DashDotDotLine, Qt::NoPen,    Qt::SolidLine};
    QPen pen(Vcl::ToQColor(m_color), m_width, styles[qBound(0, int(m_style), 6)]);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}
