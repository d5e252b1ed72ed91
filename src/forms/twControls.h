#pragma once
// The control set layout descriptions create by class name. Each class answers to the
// property names form authors know (Left, Caption, Items, Checked, ...) and behaves like
// its namesake for them; rarely used classes are the nearest simple widget.

#include "forms/twgraphics.h"
#include "forms/vcl.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>

namespace Vcl {
// Lines of a text as a string list would hold them: split at any line break, a final
// break not making an extra line.
QStringList SplitLines(const QString &text);
// Every line followed by "\r\n".
QString JoinLines(const QStringList &lines);
// Places a control into a windowed parent: tab sheets join a page control, other
// controls go into the parent's client area.
void PlaceControl(QWidget *control, QWidget *parent);
// The text of a mask in the classic edit-mask language as the toolkit's input mask.
QString QtInputMask(const QString &editMask);
}

class TForm : public QWidget
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clBtnFace)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(int ClientWidth READ ClientWidth WRITE setClientWidth)
    Q_PROPERTY(int ClientHeight READ ClientHeight WRITE setClientHeight)
    Q_PROPERTY(Vcl::TFormBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(Vcl::TPosition Position READ Position WRITE setPosition)
    Q_PROPERTY(Vcl::TWindowState WindowState READ WindowState WRITE setWindowState)
    Q_PROPERTY(bool KeyPreview READ KeyPreview WRITE setKeyPreview)
    Q_PROPERTY(QString HelpFile READ HelpFile WRITE setHelpFile)
    Q_PROPERTY(bool AutoScroll READ AutoScroll WRITE setAutoScroll)

public:
    Q_INVOKABLE explicit TForm(QWidget *parent = nullptr);

    QString Caption() const { return windowTitle(); }
    void setCaption(const QString &caption) { setWindowTitle(caption); }
    int ClientWidth() const { return width(); }
    void setClientWidth(int w) { resize(w, height()); }
    int ClientHeight() const { return height(); }
    void setClientHeight(int h) { resize(width(), h); }
    Vcl::TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(Vcl::TFormBorderStyle style) { m_borderStyle = style; }
    Vcl::TPosition Position() const { return m_position; }
    void setPosition(Vcl::TPosition position) { m_position = position; }
    Vcl::TWindowState WindowState() const { return m_windowState; }
    void setWindowState(Vcl::TWindowState state) { m_windowState = state; }
    bool KeyPreview() const { return m_keyPreview; }
    void setKeyPreview(bool on) { m_keyPreview = on; }
    QString HelpFile() const { return m_helpFile; }
    void setHelpFile(const QString &file) { m_helpFile = file; }
    bool AutoScroll() const { return m_autoScroll; }
    void setAutoScroll(bool on) { m_autoScroll = on; }

private:
    Vcl::TFormBorderStyle m_borderStyle = Vcl::bsSizeable;
    Vcl::TPosition m_position = Vcl::poDesigned;
    Vcl::TWindowState m_windowState = Vcl::wsNormal;
    bool m_keyPreview = false;
    QString m_helpFile;
    bool m_autoScroll = true;
};

class TLabel : public QLabel
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clBtnFace)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(Vcl::TAlignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(Vcl::TTextLayout Layout READ Layout WRITE setLayout)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE setWordWrap)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(QWidget *FocusControl READ FocusControl WRITE setFocusControl)

public:
    Q_INVOKABLE explicit TLabel(QWidget *parent = nullptr);

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    Vcl::TAlignment Alignment() const { return m_alignment; }
    void setAlignment(Vcl::TAlignment alignment);
    Vcl::TTextLayout Layout() const { return m_layout; }
    void setLayout(Vcl::TTextLayout layout);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    bool WordWrap() const { return wordWrap(); }
    void setWordWrap(bool on);
    bool Transparent() const { return m_transparent; }
    void setTransparent(bool on);
    QWidget *FocusControl() const { return m_focusControl; }
    void setFocusControl(QWidget *control);

    // Sizes the label to its caption when AutoSize is on.
    void adjustToCaption();

private:
    void applyAlignment();

    QString m_caption;
    Vcl::TAlignment m_alignment = Vcl::taLeftJustify;
    Vcl::TTextLayout m_layout = Vcl::tlTop;
    bool m_autoSize = true;
    bool m_transparent = false;
    QPointer<QWidget> m_focusControl;
};

class TStaticText : public QLabel
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clBtnFace)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(Vcl::TAlignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(Vcl::TFormBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)

public:
    Q_INVOKABLE explicit TStaticText(QWidget *parent = nullptr);
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    Vcl::TAlignment Alignment() const { return m_alignment; }
    void setAlignment(Vcl::TAlignment alignment);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    Vcl::TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(Vcl::TFormBorderStyle style);

private:
    QString m_caption;
    Vcl::TAlignment m_alignment = Vcl::taLeftJustify;
    bool m_autoSize = true;
    Vcl::TFormBorderStyle m_borderStyle = Vcl::bsNone;
};

// Panels and the containers that look like them: caption, bevels, border.
class TCustomContainer : public QFrame
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clBtnFace)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(Vcl::TAlignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(Vcl::TBevelCut BevelInner READ BevelInner WRITE setBevelInner)
    Q_PROPERTY(Vcl::TBevelCut BevelOuter READ BevelOuter WRITE setBevelOuter)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE setBevelWidth)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)
    Q_PROPERTY(Vcl::TFormBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)

public:
    explicit TCustomContainer(QWidget *parent = nullptr, Vcl::TBevelCut outer = Vcl::bvRaised,
                              const QString &caption = QString());

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    Vcl::TAlignment Alignment() const { return m_alignment; }
    void setAlignment(Vcl::TAlignment alignment);
    Vcl::TBevelCut BevelInner() const { return m_bevelInner; }
    void setBevelInner(Vcl::TBevelCut cut);
    Vcl::TBevelCut BevelOuter() const { return m_bevelOuter; }
    void setBevelOuter(Vcl::TBevelCut cut);
    int BevelWidth() const { return m_bevelWidth; }
    void setBevelWidth(int width);
    int BorderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width);
    Vcl::TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(Vcl::TFormBorderStyle style);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool m_showCaption = true;

private:
    void updateMargins();

    QString m_caption;
    Vcl::TAlignment m_alignment = Vcl::taCenter;
    Vcl::TBevelCut m_bevelInner = Vcl::bvNone;
    Vcl::TBevelCut m_bevelOuter = Vcl::bvRaised;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    Vcl::TFormBorderStyle m_borderStyle = Vcl::bsNone;
};

class TPanel : public TCustomContainer
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TPanel(QWidget *parent = nullptr);
};

#define TW_CONTAINER_CLASS(Name, Outer)                                                            \
    class Name : public TCustomContainer                                                            \
    {                                                                                               \
        Q_OBJECT                                                                                    \
    public:                                                                                         \
        Q_INVOKABLE explicit Name(QWidget *parent = nullptr)                                        \
            : TCustomContainer(parent, Outer)                                                       \
        {                                                                                           \
            m_showCaption = false;                                                                  \
        }                                                                                           \
    };

TW_CONTAINER_CLASS(TControlBar, Vcl::bvLowered)
TW_CONTAINER_CLASS(TCoolBar, Vcl::bvNone)
TW_CONTAINER_CLASS(TToolBar, Vcl::bvNone)
TW_CONTAINER_CLASS(TPageScroller, Vcl::bvNone)
TW_CONTAINER_CLASS(TXPPanel, Vcl::bvNone)
TW_CONTAINER_CLASS(TPaintBox, Vcl::bvNone)

class TPage : public TCustomContainer
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TPage(QWidget *parent = nullptr);
};

class THeader : public TCustomContainer
{
    Q_OBJECT
    Q_PROPERTY(QString Sections READ Sections WRITE setSections)
public:
    Q_INVOKABLE explicit THeader(QWidget *parent = nullptr);
    QString Sections() const { return m_sections; }
    void setSections(const QString &sections);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_sections;
};

class THeaderControl : public THeader
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit THeaderControl(QWidget *parent = nullptr)
        : THeader(parent)
    {
    }
};

class TStatusBar : public TCustomContainer
{
    Q_OBJECT
    Q_PROPERTY(QString SimpleText READ SimpleText WRITE setSimpleText)
    Q_PROPERTY(bool SimplePanel READ SimplePanel WRITE setSimplePanel)
    Q_PROPERTY(bool SizeGrip READ SizeGrip WRITE setSizeGrip)
public:
    Q_INVOKABLE explicit TStatusBar(QWidget *parent = nullptr);
    QString SimpleText() const { return Caption(); }
    void setSimpleText(const QString &text) { setCaption(text); }
    bool SimplePanel() const { return m_simplePanel; }
    void setSimplePanel(bool on) { m_simplePanel = on; }
    bool SizeGrip() const { return m_sizeGrip; }
    void setSizeGrip(bool on) { m_sizeGrip = on; }

private:
    bool m_simplePanel = false;
    bool m_sizeGrip = true;
};

class TSplitter : public TCustomContainer
{
    Q_OBJECT
    Q_PROPERTY(int MinSize READ MinSize WRITE setMinSize)
    Q_PROPERTY(bool Beveled READ Beveled WRITE setBeveled)
public:
    Q_INVOKABLE explicit TSplitter(QWidget *parent = nullptr);
    int MinSize() const { return m_minSize; }
    void setMinSize(int size) { m_minSize = size; }
    bool Beveled() const { return m_beveled; }
    void setBeveled(bool on);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QWidget *neighbour() const;
    int m_minSize = 30;
    bool m_beveled = false;
    QPoint m_pressPos;
    int m_startSize = 0;
};

class TStatusPanel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(int Width READ Width WRITE setWidth)
    Q_PROPERTY(Vcl::TAlignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(int Tag READ Tag WRITE setTag)
public:
    Q_INVOKABLE explicit TStatusPanel(QObject *parent = nullptr);
    QString Text() const { return m_text; }
    void setText(const QString &text) { m_text = text; }
    int Width() const { return m_width; }
    void setWidth(int width) { m_width = width; }
    Vcl::TAlignment Alignment() const { return m_alignment; }
    void setAlignment(Vcl::TAlignment alignment) { m_alignment = alignment; }
    int Tag() const { return Vcl::StoredTag(this); }
    void setTag(int tag) { Vcl::SetTag(this, tag); }

private:
    QString m_text;
    int m_width = 50;
    Vcl::TAlignment m_alignment = Vcl::taLeftJustify;
};

class TGroupBox : public QGroupBox
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clBtnFace)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
public:
    Q_INVOKABLE explicit TGroupBox(QWidget *parent = nullptr);
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);

private:
    QString m_caption;
};

class TRadioGroup : public QGroupBox
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clBtnFace)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QString Items READ Items WRITE setItems)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE setItemIndex)
    Q_PROPERTY(int Columns READ Columns WRITE setColumns)
public:
    Q_INVOKABLE explicit TRadioGroup(QWidget *parent = nullptr);
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    QString Items() const { return Vcl::JoinLines(m_items); }
    void setItems(const QString &items);
    int ItemIndex() const { return m_itemIndex; }
    void setItemIndex(int index);
    int Columns() const { return m_columns; }
    void setColumns(int columns);
    QList<QRadioButton *> buttons() const { return m_buttons; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void arrange();
    QString m_caption;
    QStringList m_items;
    QList<QRadioButton *> m_buttons;
    int m_itemIndex = -1;
    int m_columns = 1;
};

class TEdit : public QLineEdit
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clWindow)
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(bool ReadOnly READ isReadOnly WRITE setReadOnly)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE setMaxLength)
    Q_PROPERTY(QString PasswordChar READ PasswordChar WRITE setPasswordChar)
    Q_PROPERTY(Vcl::TEditCharCase CharCase READ CharCase WRITE setCharCase)
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE setAutoSelect)
    Q_PROPERTY(Vcl::TFormBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(Vcl::TAlignment Alignment READ Alignment WRITE setAlignment)
public:
    Q_INVOKABLE explicit TEdit(QWidget *parent = nullptr);
    QString Text() const { return text(); }
    void setText(const QString &text);
    int MaxLength() const { return m_maxLength; }
    void setMaxLength(int length);
    QString PasswordChar() const { return m_passwordChar; }
    void setPasswordChar(const QString &c);
    Vcl::TEditCharCase CharCase() const { return m_charCase; }
    void setCharCase(Vcl::TEditCharCase c);
    bool AutoSelect() const { return m_autoSelect; }
    void setAutoSelect(bool on) { m_autoSelect = on; }
    Vcl::TFormBorderStyle BorderStyle() const { return hasFrame() ? Vcl::bsSingle : Vcl::bsNone; }
    void setBorderStyle(Vcl::TFormBorderStyle style) { setFrame(style != Vcl::bsNone); }
    Vcl::TAlignment Alignment() const;
    void setAlignment(Vcl::TAlignment alignment);

private:
    int m_maxLength = 0;
    QString m_passwordChar;
    Vcl::TEditCharCase m_charCase = Vcl::ecNormal;
    bool m_autoSelect = true;
};

class TBoundLabel : public TLabel
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TBoundLabel(QWidget *parent = nullptr);
};

class TLabeledEdit : public TEdit
{
    Q_OBJECT
    Q_PROPERTY(TBoundLabel *EditLabel READ EditLabel)
    Q_PROPERTY(Vcl::TLabelPosition LabelPosition READ LabelPosition WRITE setLabelPosition)
    Q_PROPERTY(int LabelSpacing READ LabelSpacing WRITE setLabelSpacing)
public:
    Q_INVOKABLE explicit TLabeledEdit(QWidget *parent = nullptr);
    ~TLabeledEdit() override;
    TBoundLabel *EditLabel() const { return m_label; }
    Vcl::TLabelPosition LabelPosition() const { return m_position; }
    void setLabelPosition(Vcl::TLabelPosition position);
    int LabelSpacing() const { return m_spacing; }
    void setLabelSpacing(int spacing);
    void placeLabel();

protected:
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<TBoundLabel> m_label;
    Vcl::TLabelPosition m_position = Vcl::lpAbove;
    int m_spacing = 3;
};

class TMaskEdit : public QLineEdit
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clWindow)
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(QString EditMask READ EditMask WRITE setEditMask)
    Q_PROPERTY(bool ReadOnly READ isReadOnly WRITE setReadOnly)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE setMaxLength)
    Q_PROPERTY(Vcl::TEditCharCase CharCase READ CharCase WRITE setCharCase)
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE setAutoSelect)
    Q_PROPERTY(Vcl::TFormBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(Vcl::TAlignment Alignment READ Alignment WRITE setAlignment)
public:
    Q_INVOKABLE explicit TMaskEdit(QWidget *parent = nullptr);
    virtual QString Text() const { return text(); }
    virtual void setText(const QString &text);
    QString EditMask() const { return m_editMask; }
    void setEditMask(const QString &mask);
    int MaxLength() const { return m_maxLength; }
    void setMaxLength(int length);
    Vcl::TEditCharCase CharCase() const { return m_charCase; }
    void setCharCase(Vcl::TEditCharCase c);
    bool AutoSelect() const { return m_autoSelect; }
    void setAutoSelect(bool on) { m_autoSelect = on; }
    Vcl::TFormBorderStyle BorderStyle() const { return hasFrame() ? Vcl::bsSingle : Vcl::bsNone; }
    void setBorderStyle(Vcl::TFormBorderStyle style) { setFrame(style != Vcl::bsNone); }
    Vcl::TAlignment Alignment() const;
    void setAlignment(Vcl::TAlignment alignment);

private:
    QString m_editMask;
    int m_maxLength = 0;
    Vcl::TEditCharCase m_charCase = Vcl::ecNormal;
    bool m_autoSelect = true;
};

class TMemo : public QPlainTextEdit
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clWindow)
    Q_PROPERTY(QString Lines READ Lines WRITE setLines)
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(bool ReadOnly READ isReadOnly WRITE setReadOnly)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE setMaxLength)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE setWordWrap)
    Q_PROPERTY(Vcl::TScrollStyle ScrollBars READ ScrollBars WRITE setScrollBars)
    Q_PROPERTY(Vcl::TAlignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(Vcl::TFormBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)
public:
    Q_INVOKABLE explicit TMemo(QWidget *parent = nullptr);
    QStringList lines() const;
    // Every line followed by "\r\n".
    QString Lines() const { return Vcl::JoinLines(lines()); }
    void setLines(const QString &text);
    // The lines joined by "\r\n", as a string list's text without the final break.
    QString Text() const { return lines().join(QStringLiteral("\r\n")); }
    void setText(const QString &text) { setLines(text); }
    int MaxLength() const { return m_maxLength; }
    void setMaxLength(int length) { m_maxLength = qMax(0, length); }
    bool WordWrap() const { return lineWrapMode() != QPlainTextEdit::NoWrap; }
    void setWordWrap(bool on) { setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap); }
    Vcl::TScrollStyle ScrollBars() const { return m_scrollBars; }
    void setScrollBars(Vcl::TScrollStyle style);
    Vcl::TAlignment Alignment() const { return m_alignment; }
    void setAlignment(Vcl::TAlignment alignment) { m_alignment = alignment; }
    Vcl::TFormBorderStyle BorderStyle() const { return frameShape() == QFrame::NoFrame ? Vcl::bsNone : Vcl::bsSingle; }
    void setBorderStyle(Vcl::TFormBorderStyle style) { setFrameShape(style == Vcl::bsNone ? QFrame::NoFrame : QFrame::StyledPanel); }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_maxLength = 0;
    Vcl::TScrollStyle m_scrollBars = Vcl::ssNone;
    Vcl::TAlignment m_alignment = Vcl::taLeftJustify;
};

class TRichEdit : public QTextEdit
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clWindow)
    Q_PROPERTY(QString Lines READ Lines WRITE setLines)
    Q_PROPERTY(QString Text READ Text WRITE setLines)
    Q_PROPERTY(bool ReadOnly READ isReadOnly WRITE setReadOnly)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE setWordWrap)
    Q_PROPERTY(Vcl::TScrollStyle ScrollBars READ ScrollBars WRITE setScrollBars)
public:
    Q_INVOKABLE explicit TRichEdit(QWidget *parent = nullptr);
    QString Lines() const { return Vcl::JoinLines(Vcl::SplitLines(toPlainText())); }
    void setLines(const QString &text) { setPlainText(Vcl::SplitLines(text).join(QLatin1Char('\n'))); }
    QString Text() const { return Vcl::SplitLines(toPlainText()).join(QStringLiteral("\r\n")); }
    bool WordWrap() const { return lineWrapMode() != QTextEdit::NoWrap; }
    void setWordWrap(bool on) { setLineWrapMode(on ? QTextEdit::WidgetWidth : QTextEdit::NoWrap); }
    Vcl::TScrollStyle ScrollBars() const { return m_scrollBars; }
    void setScrollBars(Vcl::TScrollStyle style);

private:
    Vcl::TScrollStyle m_scrollBars = Vcl::ssNone;
};

class TComboBox : public QComboBox
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clWindow)
    Q_PROPERTY(QString Items READ Items WRITE setItems)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE setItemIndex)
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(Vcl::TComboBoxStyle Style READ Style WRITE setStyle)
    Q_PROPERTY(bool Sorted READ Sorted WRITE setSorted)
    Q_PROPERTY(int DropDownCount READ maxVisibleItems WRITE setMaxVisibleItems)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE setMaxLength)
public:
    Q_INVOKABLE explicit TComboBox(QWidget *parent = nullptr);
    QStringList items() const;
    QString Items() const { return Vcl::JoinLines(items()); }
    void setItems(const QString &text);
    int ItemIndex() const { return currentIndex(); }
    void setItemIndex(int index);
    QString Text() const { return currentText(); }
    void setText(const QString &text);
    Vcl::TComboBoxStyle Style() const { return m_style; }
    void setStyle(Vcl::TComboBoxStyle style);
    bool Sorted() const { return m_sorted; }
    void setSorted(bool on);
    int MaxLength() const { return m_maxLength; }
    void setMaxLength(int length);

protected:
    bool event(QEvent *event) override;

private:
    // The edit part of editable styles is made when first needed (it is costly, and most
    // lists of a form only let the user choose).
    void applyStyle();
    Vcl::TComboBoxStyle m_style = Vcl::csDropDown;
    bool m_styleApplied = false;
    bool m_sorted = false;
    int m_maxLength = 0;
};

class TComboBoxEx : public TComboBox
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TComboBoxEx(QWidget *parent = nullptr)
        : TComboBox(parent)
    {
    }
};

class TListBox : public QListWidget
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clWindow)
    Q_PROPERTY(QString Items READ Items WRITE setItems)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE setItemIndex)
    Q_PROPERTY(bool Sorted READ Sorted WRITE setSorted)
    Q_PROPERTY(bool MultiSelect READ MultiSelect WRITE setMultiSelect)
public:
    Q_INVOKABLE explicit TListBox(QWidget *parent = nullptr);
    QString Items() const;
    void setItems(const QString &text);
    int ItemIndex() const { return currentRow(); }
    void setItemIndex(int index);
    bool Sorted() const { return isSortingEnabled(); }
    void setSorted(bool on);
    bool MultiSelect() const { return selectionMode() == QAbstractItemView::ExtendedSelection; }
    void setMultiSelect(bool on);
};

#define TW_BUTTON_CAPTION                                                                          \
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)                                       \
public:                                                                                             \
    QString Caption() const { return m_caption; }                                                   \
    void setCaption(const QString &caption)                                                         \
    {                                                                                               \
        m_caption = caption;                                                                        \
        setText(Vcl::DisplayText(caption));                                                         \
    }                                                                                               \
                                                                                                    \
private:                                                                                            \
    QString m_caption;

class TButton : public QPushButton
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clBtnFace)
    TW_BUTTON_CAPTION
    Q_PROPERTY(bool Default READ isDefault WRITE setDefault)
    Q_PROPERTY(bool Cancel READ Cancel WRITE setCancel)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE setModalResult)
public:
    Q_INVOKABLE explicit TButton(QWidget *parent = nullptr);
    bool Cancel() const { return m_cancel; }
    void setCancel(bool on) { m_cancel = on; }
    int ModalResult() const { return m_modalResult; }
    void setModalResult(int result) { m_modalResult = result; }

private:
    bool m_cancel = false;
    int m_modalResult = 0;
};

class TBitBtn : public TButton
{
    Q_OBJECT
    Q_PROPERTY(Vcl::TBitBtnKind Kind READ Kind WRITE setKind)
    Q_PROPERTY(QString Glyph READ Glyph WRITE setGlyph)
public:
    Q_INVOKABLE explicit TBitBtn(QWidget *parent = nullptr);
    Vcl::TBitBtnKind Kind() const { return m_kind; }
    void setKind(Vcl::TBitBtnKind kind);
    QString Glyph() const { return m_glyph; }
    void setGlyph(const QString &file);

private:
    Vcl::TBitBtnKind m_kind = Vcl::bkCustom;
    QString m_glyph;
};

class TSpeedButton : public QToolButton
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clBtnFace)
    TW_BUTTON_CAPTION
    Q_PROPERTY(bool Flat READ Flat WRITE setFlat)
    Q_PROPERTY(bool Down READ isChecked WRITE setDown)
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE setGroupIndex)
    Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE setAllowAllUp)
    Q_PROPERTY(QString Glyph READ Glyph WRITE setGlyph)
public:
    Q_INVOKABLE explicit TSpeedButton(QWidget *parent = nullptr);
    bool Flat() const { return autoRaise(); }
    void setFlat(bool on) { setAutoRaise(on); }
    void setDown(bool down);
    int GroupIndex() const { return m_groupIndex; }
    void setGroupIndex(int index);
    bool AllowAllUp() const { return m_allowAllUp; }
    void setAllowAllUp(bool on) { m_allowAllUp = on; }
    QString Glyph() const { return m_glyph; }
    void setGlyph(const QString &file);

private:
    int m_groupIndex = 0;
    bool m_allowAllUp = false;
    QString m_glyph;
};

class TXPSpeedButton : public TSpeedButton
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TXPSpeedButton(QWidget *parent = nullptr)
        : TSpeedButton(parent)
    {
    }
};

class TToolButton : public TSpeedButton
{
    Q_OBJECT
    Q_PROPERTY(Vcl::TToolButtonStyle Style READ Style WRITE setStyle)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE setImageIndex)
public:
    Q_INVOKABLE explicit TToolButton(QWidget *parent = nullptr);
    Vcl::TToolButtonStyle Style() const { return m_style; }
    void setStyle(Vcl::TToolButtonStyle style);
    int ImageIndex() const { return m_imageIndex; }
    void setImageIndex(int index) { m_imageIndex = index; }

private:
    Vcl::TToolButtonStyle m_style = Vcl::tbsButton;
    int m_imageIndex = -1;
};

class TCheckBox : public QCheckBox
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clBtnFace)
    TW_BUTTON_CAPTION
    Q_PROPERTY(bool Checked READ isChecked WRITE setChecked)
    Q_PROPERTY(Vcl::TCheckBoxState State READ State WRITE setState)
    Q_PROPERTY(bool AllowGrayed READ isTristate WRITE setTristate)
    Q_PROPERTY(Vcl::TAlignment Alignment READ Alignment WRITE setAlignment)
public:
    Q_INVOKABLE explicit TCheckBox(QWidget *parent = nullptr);
    Vcl::TCheckBoxState State() const;
    void setState(Vcl::TCheckBoxState state);
    Vcl::TAlignment Alignment() const { return layoutDirection() == Qt::RightToLeft ? Vcl::taLeftJustify : Vcl::taRightJustify; }
    void setAlignment(Vcl::TAlignment alignment);
};

class TRadioButton : public QRadioButton
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clBtnFace)
    TW_BUTTON_CAPTION
    Q_PROPERTY(bool Checked READ isChecked WRITE setChecked)
    Q_PROPERTY(Vcl::TAlignment Alignment READ Alignment WRITE setAlignment)
public:
    Q_INVOKABLE explicit TRadioButton(QWidget *parent = nullptr);
    Vcl::TAlignment Alignment() const { return layoutDirection() == Qt::RightToLeft ? Vcl::taLeftJustify : Vcl::taRightJustify; }
    void setAlignment(Vcl::TAlignment alignment);
};

class TScrollBar : public QScrollBar
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clBtnFace)
    Q_PROPERTY(Vcl::TScrollBarKind Kind READ Kind WRITE setKind)
    Q_PROPERTY(int Min READ minimum WRITE setMinimum)
    Q_PROPERTY(int Max READ maximum WRITE setMaximum)
    Q_PROPERTY(int Position READ value WRITE setValue)
    Q_PROPERTY(int SmallChange READ singleStep WRITE setSingleStep)
    Q_PROPERTY(int LargeChange READ pageStep WRITE setPageStep)
public:
    Q_INVOKABLE explicit TScrollBar(QWidget *parent = nullptr);
    Vcl::TScrollBarKind Kind() const { return orientation() == Qt::Horizontal ? Vcl::sbHorizontal : Vcl::sbVertical; }
    void setKind(Vcl::TScrollBarKind kind);
};

class TShape : public QWidget
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clBtnFace)
    Q_PROPERTY(Vcl::TShapeType Shape READ Shape WRITE setShape)
    Q_PROPERTY(TBrush *Brush READ Brush)
    Q_PROPERTY(TPen *Pen READ Pen)
public:
    Q_INVOKABLE explicit TShape(QWidget *parent = nullptr);
    Vcl::TShapeType Shape() const { return m_shape; }
    void setShape(Vcl::TShapeType shape);
    TBrush *Brush() const { return m_brush; }
    TPen *Pen() const { return m_pen; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Vcl::TShapeType m_shape = Vcl::stRectangle;
    TBrush *m_brush;
    TPen *m_pen;
};

class TBevel : public QWidget
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clBtnFace)
    Q_PROPERTY(Vcl::TBevelShape Shape READ Shape WRITE setShape)
    Q_PROPERTY(Vcl::TBevelStyle Style READ Style WRITE setStyle)
public:
    Q_INVOKABLE explicit TBevel(QWidget *parent = nullptr);
    Vcl::TBevelShape Shape() const { return m_shape; }
    void setShape(Vcl::TBevelShape shape);
    Vcl::TBevelStyle Style() const { return m_style; }
    void setStyle(Vcl::TBevelStyle style);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Vcl::TBevelShape m_shape = Vcl::bsBox;
    Vcl::TBevelStyle m_style = Vcl::bsLowered;
};

class TImage : public QWidget
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clBtnFace)
    Q_PROPERTY(QString Picture READ Picture WRITE setPicture)
    Q_PROPERTY(bool Stretch READ Stretch WRITE setStretch)
    Q_PROPERTY(bool Center READ Center WRITE setCenter)
    Q_PROPERTY(bool Proportional READ Proportional WRITE setProportional)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
public:
    Q_INVOKABLE explicit TImage(QWidget *parent = nullptr);
    // The picture's file, relative to the program directory unless absolute.
    QString Picture() const { return m_picture; }
    void setPicture(const QString &file);
    bool Stretch() const { return m_stretch; }
    void setStretch(bool on);
    bool Center() const { return m_center; }
    void setCenter(bool on);
    bool Proportional() const { return m_proportional; }
    void setProportional(bool on);
    bool Transparent() const { return m_transparent; }
    void setTransparent(bool on) { m_transparent = on; }
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    const QPixmap &pixmap() const { return m_pixmap; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_picture;
    QPixmap m_pixmap;
    bool m_stretch = false;
    bool m_center = false;
    bool m_proportional = false;
    bool m_transparent = false;
    bool m_autoSize = false;
};

class TNotebook : public QStackedWidget
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clBtnFace)
    Q_PROPERTY(QString Pages READ Pages WRITE setPages)
    Q_PROPERTY(QString ActivePage READ ActivePage WRITE setActivePage)
    Q_PROPERTY(int PageIndex READ currentIndex WRITE setPageIndex)
public:
    Q_INVOKABLE explicit TNotebook(QWidget *parent = nullptr);
    QString Pages() const;
    void setPages(const QString &captions);
    QString ActivePage() const;
    void setActivePage(const QString &caption);
    void setPageIndex(int index);
};

class TTabControl : public QWidget
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clBtnFace)
    Q_PROPERTY(QString Tabs READ Tabs WRITE setTabs)
    Q_PROPERTY(int TabIndex READ TabIndex WRITE setTabIndex)
public:
    Q_INVOKABLE explicit TTabControl(QWidget *parent = nullptr);
    QString Tabs() const;
    void setTabs(const QString &tabs);
    int TabIndex() const { return m_bar->currentIndex(); }
    void setTabIndex(int index);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QTabBar *m_bar;
};

class TPageControl;

class TTabSheet : public QWidget
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clBtnFace)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(TPageControl *PageControl READ PageControl WRITE setPageControl)
    Q_PROPERTY(bool TabVisible READ TabVisible WRITE setTabVisible)
    Q_PROPERTY(int PageIndex READ PageIndex WRITE setPageIndex)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE setImageIndex)
public:
    Q_INVOKABLE explicit TTabSheet(QWidget *parent = nullptr);
    ~TTabSheet() override;
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    TPageControl *PageControl() const { return m_pageControl; }
    void setPageControl(TPageControl *pageControl);
    bool TabVisible() const { return m_tabVisible; }
    void setTabVisible(bool visible);
    int PageIndex() const;
    void setPageIndex(int index);
    int ImageIndex() const { return m_imageIndex; }
    void setImageIndex(int index) { m_imageIndex = index; }
    // Called by a page control that is going away.
    void forgetPageControl() { m_pageControl = nullptr; }

private:
    QString m_caption;
    QPointer<TPageControl> m_pageControl;
    bool m_tabVisible = true;
    int m_imageIndex = -1;
};

class TPageControl : public QTabWidget
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clBtnFace)
    Q_PROPERTY(TTabSheet *ActivePage READ ActivePage WRITE setActivePage)
    Q_PROPERTY(int ActivePageIndex READ currentIndex WRITE setActivePageIndex)
    Q_PROPERTY(int TabIndex READ currentIndex WRITE setActivePageIndex)
    Q_PROPERTY(bool MultiLine READ MultiLine WRITE setMultiLine)
    Q_PROPERTY(Vcl::TTabPosition TabPosition READ TabPosition WRITE setTabPosition)
public:
    Q_INVOKABLE explicit TPageControl(QWidget *parent = nullptr);
    ~TPageControl() override;
    TTabSheet *ActivePage() const;
    void setActivePage(TTabSheet *sheet);
    void setActivePageIndex(int index);
    bool MultiLine() const { return m_multiLine; }
    void setMultiLine(bool on) { m_multiLine = on; }
    Vcl::TTabPosition TabPosition() const;
    void setTabPosition(Vcl::TTabPosition position);
    int PageCount() const { return count(); }

private:
    bool m_multiLine = false;
};

class TScrollBox : public QScrollArea
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clBtnFace)
    Q_PROPERTY(bool AutoScroll READ AutoScroll WRITE setAutoScroll)
    Q_PROPERTY(Vcl::TFormBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)
public:
    Q_INVOKABLE explicit TScrollBox(QWidget *parent = nullptr);
    bool AutoScroll() const { return m_autoScroll; }
    void setAutoScroll(bool on);
    Vcl::TFormBorderStyle BorderStyle() const { return frameShape() == QFrame::NoFrame ? Vcl::bsNone : Vcl::bsSingle; }
    void setBorderStyle(Vcl::TFormBorderStyle style) { setFrameShape(style == Vcl::bsNone ? QFrame::NoFrame : QFrame::StyledPanel); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitContent();
    bool m_autoScroll = true;
};

class TTreeView : public QTreeWidget
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clWindow)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE setReadOnly)
    Q_PROPERTY(int Indent READ indentation WRITE setIndentation)
    Q_PROPERTY(bool ShowRoot READ rootIsDecorated WRITE setRootIsDecorated)
    Q_PROPERTY(QString Items READ Items WRITE setItems)
public:
    Q_INVOKABLE explicit TTreeView(QWidget *parent = nullptr);
    bool ReadOnly() const { return editTriggers() == QAbstractItemView::NoEditTriggers; }
    void setReadOnly(bool on);
    // One node a line; leading tabs give the level.
    QString Items() const;
    void setItems(const QString &text);
};

class TListView : public QTreeWidget
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clWindow)
    Q_PROPERTY(Vcl::TViewStyle ViewStyle READ ViewStyle WRITE setViewStyle)
    Q_PROPERTY(QString Columns READ Columns WRITE setColumns)
    Q_PROPERTY(bool RowSelect READ RowSelect WRITE setRowSelect)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE setReadOnly)
public:
    Q_INVOKABLE explicit TListView(QWidget *parent = nullptr);
    Vcl::TViewStyle ViewStyle() const { return m_viewStyle; }
    void setViewStyle(Vcl::TViewStyle style);
    QString Columns() const;
    void setColumns(const QString &captions);
    bool RowSelect() const { return selectionBehavior() == QAbstractItemView::SelectRows; }
    void setRowSelect(bool on) { setSelectionBehavior(on ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems); }
    bool ReadOnly() const { return editTriggers() == QAbstractItemView::NoEditTriggers; }
    void setReadOnly(bool on);

private:
    Vcl::TViewStyle m_viewStyle = Vcl::vsIcon;
};

class TTrackBar : public QSlider
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clBtnFace)
    Q_PROPERTY(int Min READ minimum WRITE setMinimum)
    Q_PROPERTY(int Max READ maximum WRITE setMaximum)
    Q_PROPERTY(int Position READ value WRITE setValue)
    Q_PROPERTY(int Frequency READ tickInterval WRITE setTickInterval)
    Q_PROPERTY(Vcl::TTrackBarOrientation Orientation READ Orientation WRITE setOrientation)
public:
    Q_INVOKABLE explicit TTrackBar(QWidget *parent = nullptr);
    Vcl::TTrackBarOrientation Orientation() const { return orientation() == Qt::Horizontal ? Vcl::trHorizontal : Vcl::trVertical; }
    void setOrientation(Vcl::TTrackBarOrientation o) { QSlider::setOrientation(o == Vcl::trHorizontal ? Qt::Horizontal : Qt::Vertical); }
};

class TProgressBar : public QProgressBar
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clBtnFace)
    Q_PROPERTY(int Min READ minimum WRITE setMinimum)
    Q_PROPERTY(int Max READ maximum WRITE setMaximum)
    Q_PROPERTY(int Position READ value WRITE setValue)
    Q_PROPERTY(int Step READ Step WRITE setStep)
    Q_PROPERTY(bool Smooth READ Smooth WRITE setSmooth)
    Q_PROPERTY(Vcl::TProgressBarOrientation Orientation READ Orientation WRITE setOrientation)
public:
    Q_INVOKABLE explicit TProgressBar(QWidget *parent = nullptr);
    int Step() const { return m_step; }
    void setStep(int step) { m_step = step; }
    bool Smooth() const { return m_smooth; }
    void setSmooth(bool on) { m_smooth = on; }
    Vcl::TProgressBarOrientation Orientation() const { return orientation() == Qt::Horizontal ? Vcl::pbHorizontal : Vcl::pbVertical; }
    void setOrientation(Vcl::TProgressBarOrientation o) { QProgressBar::setOrientation(o == Vcl::pbHorizontal ? Qt::Horizontal : Qt::Vertical); }

private:
    int m_step = 10;
    bool m_smooth = false;
};

class TUpDown : public QSpinBox
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clBtnFace)
    Q_PROPERTY(int Min READ minimum WRITE setMinimum)
    Q_PROPERTY(int Max READ maximum WRITE setMaximum)
    Q_PROPERTY(int Position READ value WRITE setValue)
    Q_PROPERTY(int Increment READ singleStep WRITE setSingleStep)
    Q_PROPERTY(QWidget *Associate READ Associate WRITE setAssociate)
public:
    Q_INVOKABLE explicit TUpDown(QWidget *parent = nullptr);
    QWidget *Associate() const { return m_associate; }
    void setAssociate(QWidget *control);

private:
    QPointer<QWidget> m_associate;
};

class TAnimate : public TLabel
{
    Q_OBJECT
    Q_PROPERTY(bool Active READ Active WRITE setActive)
    Q_PROPERTY(QString FileName READ FileName WRITE setFileName)
public:
    Q_INVOKABLE explicit TAnimate(QWidget *parent = nullptr);
    bool Active() const { return m_active; }
    void setActive(bool on) { m_active = on; }
    QString FileName() const { return m_fileName; }
    void setFileName(const QString &file) { m_fileName = file; }

private:
    bool m_active = false;
    QString m_fileName;
};

class TXPHoverLabel : public TLabel
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TXPHoverLabel(QWidget *parent = nullptr);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
};

class TXPSectionLabel : public TLabel
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TXPSectionLabel(QWidget *parent = nullptr);
};

class TXPTask : public TLabel
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TXPTask(QWidget *parent = nullptr);
};

class TDateTimePicker : public QDateTimeEdit
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clWindow)
    Q_PROPERTY(QString Date READ DateText WRITE setDateText)
    Q_PROPERTY(QString Time READ TimeText WRITE setTimeText)
    Q_PROPERTY(Vcl::TDateTimeKind Kind READ Kind WRITE setKind)
    Q_PROPERTY(bool Checked READ Checked WRITE setChecked)
    Q_PROPERTY(bool ShowCheckbox READ ShowCheckbox WRITE setShowCheckbox)
public:
    Q_INVOKABLE explicit TDateTimePicker(QWidget *parent = nullptr);
    // "dd.mm.yyyy"
    QString DateText() const;
    void setDateText(const QString &text);
    // "hh:mm:ss"
    QString TimeText() const;
    void setTimeText(const QString &text);
    Vcl::TDateTimeKind Kind() const { return m_kind; }
    void setKind(Vcl::TDateTimeKind kind);
    bool Checked() const { return m_checked; }
    void setChecked(bool on) { m_checked = on; }
    bool ShowCheckbox() const { return m_showCheckbox; }
    void setShowCheckbox(bool on) { m_showCheckbox = on; }

private:
    Vcl::TDateTimeKind m_kind = Vcl::dtkDate;
    bool m_checked = true;
    bool m_showCheckbox = false;
};

class TMonthCalendar : public QCalendarWidget
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clWindow)
    Q_PROPERTY(QString Date READ DateText WRITE setDateText)
public:
    Q_INVOKABLE explicit TMonthCalendar(QWidget *parent = nullptr);
    QString DateText() const;
    void setDateText(const QString &text);
};

class TCommonCalendar : public TMonthCalendar
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TCommonCalendar(QWidget *parent = nullptr)
        : TMonthCalendar(parent)
    {
    }
};

// A command: a caption, a hint and an action to run. Windows publish theirs as owned
// components, so the catalogue and help pages can run them by name.
class TAction : public QAction
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QString Hint READ Hint WRITE setHint)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool Visible READ isVisible WRITE setVisible)
    Q_PROPERTY(bool Checked READ isChecked WRITE setChecked)
    Q_PROPERTY(int Tag READ Tag WRITE setTag)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE setImageIndex)
    Q_PROPERTY(QString Category READ Category WRITE setCategory)
public:
    Q_INVOKABLE explicit TAction(QObject *parent = nullptr);
    TAction(const QString &name, const QString &caption, QObject *owner);

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    QString Hint() const { return m_hint; }
    void setHint(const QString &hint);
    int Tag() const { return Vcl::StoredTag(this); }
    void setTag(int tag) { Vcl::SetTag(this, tag); }
    int ImageIndex() const { return m_imageIndex; }
    void setImageIndex(int index) { m_imageIndex = index; }
    QString Category() const { return m_category; }
    void setCategory(const QString &category) { m_category = category; }

    // Runs the command; false when it is disabled.
    bool Execute();

private:
    QString m_caption;
    QString m_hint;
    int m_imageIndex = -1;
    QString m_category;
};
