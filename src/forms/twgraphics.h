#pragma once
// The object-valued properties controls publish: Font, Brush and Pen. Layout
// descriptions reach their members through dotted paths ("Font.Style", "Brush.Color").

#include "forms/vcl.h"

#include <QFont>
#include <QObject>

#include <functional>

class QWidget;

class TFont : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE setName)
    Q_PROPERTY(int Size READ Size WRITE setSize)
    Q_PROPERTY(int Height READ Height WRITE setHeight)
    Q_PROPERTY(int Color READ Color WRITE setColor)
    Q_PROPERTY(Vcl::TFontStyles Style READ Style WRITE setStyle)
    Q_PROPERTY(int Charset READ Charset WRITE setCharset)

public:
    // A font that applies itself to control (its widget font and text colour).
    explicit TFont(QWidget *control);
    // A free-standing font; onChange is called after every change.
    explicit TFont(QObject *owner, const QFont &font, int color, std::function<void()> onChange);

    // The font object of a control, made on first use from the control's current font.
    static TFont *of(QWidget *control);

    QString Name() const { return m_font.family(); }
    void setName(const QString &name);
    int Size() const;
    void setSize(int size);
    int Height() const { return Vcl::FontHeightFromSize(Size()); }
    void setHeight(int height);
    int Color() const { return m_color; }
    void setColor(int color);
    Vcl::TFontStyles Style() const;
    void setStyle(Vcl::TFontStyles style);
    int Charset() const { return m_charset; }
    void setCharset(int charset) { m_charset = charset; }

    QFont font() const { return m_font; }
    QColor qcolor() const { return Vcl::ToQColor(m_color); }
    void assign(const TFont *other);
    void assign(const QFont &font, int color);

private:
    void changed();

    QWidget *m_control = nullptr;
    QFont m_font;
    int m_color = Vcl::clWindowText;
    int m_charset = 1;
    std::function<void()> m_onChange;
};

class TBrush : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Color READ Color WRITE setColor)
    Q_PROPERTY(Vcl::TBrushStyle Style READ Style WRITE setStyle)

public:
    TBrush(QObject *owner, std::function<void()> onChange);
    int Color() const { return m_color; }
    void setColor(int color);
    Vcl::TBrushStyle Style() const { return m_style; }
    void setStyle(Vcl::TBrushStyle style);
    QBrush qbrush() const;

private:
    int m_color = Vcl::clWhite;
    Vcl::TBrushStyle m_style = Vcl::bsSolid;
    std::function<void()> m_onChange;
};

class TPen : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Color READ Color WRITE setColor)
    Q_PROPERTY(int Width READ Width WRITE setWidth)
    Q_PROPERTY(Vcl::TPenStyle Style READ Style WRITE setStyle)

public:
    TPen(QObject *owner, std::function<void()> onChange);
    int Color() const { return m_color; }
    void setColor(int color);
    int Width() const { return m_width; }
    void setWidth(int width);
    Vcl::TPenStyle Style() const { return m_style; }
    void setStyle(Vcl::TPenStyle style);
    QPen qpen() const;

private:
    int m_color = Vcl::clBlack;
    int m_width = 1;
    Vcl::TPenStyle m_style = Vcl::psSolid;
    std::function<void()> m_onChange;
};

// The published properties every control shares. Placed right after Q_OBJECT in a
// QWidget subclass; defaultColor is the class's background when none is given.
#define TW_CONTROL_PROPERTIES(defaultColor)                                                        \
    Q_PROPERTY(int Left READ tw_left WRITE tw_setLeft)                                              \
    Q_PROPERTY(int Top READ tw_top WRITE tw_setTop)                                                 \
    Q_PROPERTY(int Width READ tw_width WRITE tw_setWidth)                                           \
    Q_PROPERTY(int Height READ tw_height WRITE tw_setHeight)                                        \
    Q_PROPERTY(Vcl::TAlign Align READ tw_align WRITE tw_setAlign)                                   \
    Q_PROPERTY(Vcl::TAnchors Anchors READ tw_anchors WRITE tw_setAnchors)                           \
    Q_PROPERTY(int Tag READ tw_tag WRITE tw_setTag)                                                 \
    Q_PROPERTY(bool Visible READ tw_visible WRITE tw_setVisible)                                    \
    Q_PROPERTY(bool Enabled READ tw_enabled WRITE tw_setEnabled)                                    \
    Q_PROPERTY(int Color READ tw_color WRITE tw_setColor)                                           \
    Q_PROPERTY(TFont *Font READ tw_font)                                                            \
    Q_PROPERTY(QString Hint READ tw_hint WRITE tw_setHint)                                          \
    Q_PROPERTY(bool ShowHint READ tw_showHint WRITE tw_setShowHint)                                 \
    Q_PROPERTY(int TabOrder READ tw_tabOrder WRITE tw_setTabOrder)                                  \
    Q_PROPERTY(bool TabStop READ tw_tabStop WRITE tw_setTabStop)                                    \
public:                                                                                             \
    int tw_left() const { return x(); }                                                             \
    void tw_setLeft(int v) { move(v, y()); }                                                        \
    int tw_top() const { return y(); }                                                              \
    void tw_setTop(int v) { move(x(), v); }                                                         \
    int tw_width() const { return width(); }                                                        \
    void tw_setWidth(int v) { resize(qMax(0, v), height()); }                                       \
    int tw_height() const { return height(); }                                                      \
    void tw_setHeight(int v) { resize(width(), qMax(0, v)); }                                       \
    Vcl::TAlign tw_align() const { return Vcl::Align(this); }                                       \
    void tw_setAlign(Vcl::TAlign v) { Vcl::SetAlign(this, v); }                                     \
    Vcl::TAnchors tw_anchors() const { return Vcl::Anchors(this); }                                 \
    void tw_setAnchors(Vcl::TAnchors v) { Vcl::SetAnchors(this, v); }                               \
    int tw_tag() const { return Vcl::StoredTag(this); }                                                   \
    void tw_setTag(int v) { Vcl::SetTag(this, v); }                                                 \
    bool tw_visible() const { return Vcl::Visible(this); }                                          \
    void tw_setVisible(bool v) { setVisible(v); }                                                   \
    bool tw_enabled() const { return Vcl::Enabled(this); }                                          \
    void tw_setEnabled(bool v) { setEnabled(v); }                                                   \
    int tw_color() const { return Vcl::Color(this, defaultColor); }                                 \
    void tw_setColor(int v) { Vcl::SetColor(this, v); }                                            \
    TFont *tw_font() { return TFont::of(this); }                                                    \
    QString tw_hint() const { return Vcl::Hint(this); }                                             \
    void tw_setHint(const QString &v) { Vcl::SetHint(this, v); }                                    \
    bool tw_showHint() const { return Vcl::ShowHint(this); }                                        \
    void tw_setShowHint(bool v) { Vcl::SetShowHint(this, v); }                                      \
    int tw_tabOrder() const { return Vcl::TabOrder(this); }                                         \
    void tw_setTabOrder(int v) { Vcl::SetTabOrder(this, v); }                                       \
    bool tw_tabStop() const { return Vcl::TabStop(this); }                                          \
    void tw_setTabStop(bool v) { Vcl::SetTabStop(this, v); }                                        \
                                                                                                    \
private:
