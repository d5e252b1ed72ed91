#pragma once
// The field controls of paper-like forms: edits that light up while focused, carry their
// own caption label on any side, show a red corner when the field has a note and can show
// their field number instead of looking like a bare box. A field's tag is its number.

#include "forms/twControls.h"
#include "forms/twcalculator.h"

class QLabel;


// What every field of the family shares; kept by the field and reached by other fields
// (LinkToControlLabel) through IZeltoField.
class TFieldSupport
{
public:
    explicit TFieldSupport(QLineEdit *field);
    ~TFieldSupport();

    int colorNormal = Vcl::clWindow;
    int colorOnEnter = 0x00FFFF;
    int colorDisabled = Vcl::clBtnFace;
    QString userData;
    int editLabelClActive = 0x000080;
    bool commented = false;
    bool commentedTag = false;
    bool cursorToStart = false;
    bool lightsLabel = true; // false for the data-bound edit, which only changes colour

    QString editLabel() const { return m_caption; }
    void setEditLabel(const QString &caption);
    Vcl::TEditLabelAlign labelAlign() const { return m_align; }
    void setLabelAlign(Vcl::TEditLabelAlign align);
    int labelWidth() const { return m_labelWidth; }
    void setLabelWidth(int width);
    int labelLeft() const { return m_labelLeft; }
    void setLabelLeft(int left);
    int labelTop() const { return m_labelTop; }
    void setLabelTop(int top);
    // Made on first use, from the field's font at that moment.
    TFont *labelFont() const;
    QWidget *linkToControlLabel() const { return m_link; }
    void setLinkToControlLabel(QWidget *field) { m_link = field; }

    // The label, none while the caption is empty.
    QLabel *label() const { return m_label; }
    // Lays the label out again (after any change of caption, font, alignment, geometry).
    void layoutLabel();
    void setColors(int normal, int onEnter, int disabled);

    // Event hooks of the owning control.
    void focusIn();
    void focusOut();
    void enabledChanged();
    void parentChanged();
    void visibilityChanged();
    // Paints the note mark and, unless focused, the field-number strip with text at textY.
    void paintOverlay(const QString &text, int textY);

private:
    QLineEdit *m_field;
    QString m_caption;
    Vcl::TEditLabelAlign m_align = Vcl::elTopLeft;
    int m_labelWidth = 0;
    int m_labelLeft = 0;
    int m_labelTop = 0;
    QFont m_creationFont;
    mutable TFont *m_labelFont = nullptr;
    QPointer<QWidget> m_link;
    QPointer<QLabel> m_label;
    QPointer<QLabel> m_litLabel;
    QColor m_litColor;
};

class IZeltoField
{
public:
    virtual ~IZeltoField() = default;
    virtual TFieldSupport *fieldSupport() = 0;
};

#define TW_FIELD_PROPERTIES                                                                                  \
    Q_PROPERTY(int ColorNormal READ ColorNormal WRITE setColorNormal)                                        \
    Q_PROPERTY(int ColorOnEnter READ ColorOnEnter WRITE setColorOnEnter)                                     \
    Q_PROPERTY(int ColorDisabled READ ColorDisabled WRITE setColorDisabled)                                  \
    Q_PROPERTY(QString UserData READ UserData WRITE setUserData)                                             \
    Q_PROPERTY(QString EditLabel READ EditLabel WRITE setEditLabel)                                          \
    Q_PROPERTY(Vcl::TEditLabelAlign EditLabelAlign READ EditLabelAlign WRITE setEditLabelAlign)              \
    Q_PROPERTY(int EditLabelWidth READ EditLabelWidth WRITE setEditLabelWidth)                               \
    Q_PROPERTY(int EditLabelLeft READ EditLabelLeft WRITE setEditLabelLeft)                                  \
    Q_PROPERTY(int EditLabelTop READ EditLabelTop WRITE setEditLabelTop)                                     \
    Q_PROPERTY(TFont *EditLabelFont READ EditLabelFont)                                                      \
    Q_PROPERTY(bool Commented READ Commented WRITE setCommented)                                             \
public:                                                                                                      \
    TFieldSupport *fieldSupport() override { return &m_field; }                                              \
    int ColorNormal() const { return m_field.colorNormal; }                                                  \
    void setColorNormal(int c) { m_field.setColors(c, m_field.colorOnEnter, m_field.colorDisabled); }        \
    int ColorOnEnter() const { return m_field.colorOnEnter; }                                                \
    void setColorOnEnter(int c) { m_field.setColors(m_field.colorNormal, c, m_field.colorDisabled); }        \
    int ColorDisabled() const { return m_field.colorDisabled; }                                              \
    void setColorDisabled(int c) { m_field.setColors(m_field.colorNormal, m_field.colorOnEnter, c); }        \
    QString UserData() const { return m_field.userData; }                                                    \
    void setUserData(const QString &v) { m_field.userData = v; }                                             \
    QString EditLabel() const { return m_field.editLabel(); }                                                \
    void setEditLabel(const QString &v) { m_field.setEditLabel(v); }                                         \
    Vcl::TEditLabelAlign EditLabelAlign() const { return m_field.labelAlign(); }                             \
    void setEditLabelAlign(Vcl::TEditLabelAlign v) { m_field.setLabelAlign(v); }                             \
    int EditLabelWidth() const { return m_field.labelWidth(); }                                              \
    void setEditLabelWidth(int v) { m_field.setLabelWidth(v); }                                              \
    int EditLabelLeft() const { return m_field.labelLeft(); }                                                \
    void setEditLabelLeft(int v) { m_field.setLabelLeft(v); }                                                \
    int EditLabelTop() const { return m_field.labelTop(); }                                                  \
    void setEditLabelTop(int v) { m_field.setLabelTop(v); }                                                  \
    TFont *EditLabelFont() const { return m_field.labelFont(); }                                             \
    bool Commented() const { return m_field.commented; }                                                     \
    void setCommented(bool v)                                                                                \
    {                                                                                                        \
        m_field.commented = v;                                                                               \
        update();                                                                                            \
    }                                                                                                        \
                                                                                                             \
private:                                                                                                     \
    TFieldSupport m_field{this};

#define TW_FIELD_LABEL_PROPERTIES                                                                            \
    Q_PROPERTY(bool CommentedTag READ CommentedTag WRITE setCommentedTag)                                    \
    Q_PROPERTY(int EditLabelClActive READ EditLabelClActive WRITE setEditLabelClActive)                      \
    Q_PROPERTY(QWidget *LinkToControlLabel READ LinkToControlLabel WRITE setLinkToControlLabel)              \
public:                                                                                                      \
    bool CommentedTag() const { return m_field.commentedTag; }                                               \
    void setCommentedTag(bool v)                                                                             \
    {                                                                                                        \
        m_field.commentedTag = v;                                                                            \
        update();                                                                                            \
    }                                                                                                        \
    int EditLabelClActive() const { return m_field.editLabelClActive; }                                      \
    void setEditLabelClActive(int v) { m_field.editLabelClActive = v; }                                      \
    QWidget *LinkToControlLabel() const { return m_field.linkToControlLabel(); }                             \
    void setLinkToControlLabel(QWidget *v) { m_field.setLinkToControlLabel(v); }                             \
                                                                                                             \
private:

class TZeltoEdit : public TMaskEdit, public IZeltoField
{
    Q_OBJECT
    TW_FIELD_PROPERTIES
    TW_FIELD_LABEL_PROPERTIES
    Q_PROPERTY(bool CursorToStart READ CursorToStart WRITE setCursorToStart)
public:
    Q_INVOKABLE explicit TZeltoEdit(QWidget *parent = nullptr);
    bool CursorToStart() const { return m_field.cursorToStart; }
    void setCursorToStart(bool on) { m_field.cursorToStart = on; }

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;

private:
    bool m_firstClick = false;
};

// A numeric edit holding its value as a number, with a drop-down calculator.
class TZeltoCalcEdit : public QLineEdit, public IZeltoField
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clWindow)
    TW_FIELD_PROPERTIES
    TW_FIELD_LABEL_PROPERTIES
    Q_PROPERTY(double Value READ Value WRITE setValue)
    Q_PROPERTY(QString Text READ text WRITE setText)
    Q_PROPERTY(int DecimalPlaces READ DecimalPlaces WRITE setDecimalPlaces)
    Q_PROPERTY(QString DisplayFormat READ DisplayFormat WRITE setDisplayFormat)
    Q_PROPERTY(double MaxValue READ MaxValue WRITE setMaxValue)
    Q_PROPERTY(double MinValue READ MinValue WRITE setMinValue)
    Q_PROPERTY(int ClickKey READ ClickKey WRITE setClickKey)
    Q_PROPERTY(bool ReadOnly READ isReadOnly WRITE setReadOnly)
    Q_PROPERTY(Vcl::TAlignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(bool ZeroEmpty READ ZeroEmpty WRITE setZeroEmpty)
public:
    Q_INVOKABLE explicit TZeltoCalcEdit(QWidget *parent = nullptr);
    ~TZeltoCalcEdit() override;

    double Value() const { return m_value; }
    void setValue(double value);
    void setText(const QString &text);
    int DecimalPlaces() const { return m_decimalPlaces; }
    void setDecimalPlaces(int places);
    QString DisplayFormat() const { return m_displayFormat; }
    void setDisplayFormat(const QString &format);
    double MaxValue() const { return m_maxValue; }
    void setMaxValue(double v) { m_maxValue = v; }
    double MinValue() const { return m_minValue; }
    void setMinValue(double v) { m_minValue = v; }
    // Key with modifiers in the classic short-cut code (Alt+Down = 32808).
    int ClickKey() const { return m_clickKey; }
    void setClickKey(int key) { m_clickKey = key; }
    Vcl::TAlignment Alignment() const { return m_alignment; }
    void setAlignment(Vcl::TAlignment alignment);
    bool ZeroEmpty() const { return m_zeroEmpty; }
    void setZeroEmpty(bool on);

    // The value as shown when the field is not being edited.
    QString displayText() const;
    // Opens the calculator under the field, starting from the current value.
    void dropDown();
    TCalculatorPopup *calculator() const { return m_popup; }
    // Accepts a result of the calculator.
    void acceptCalculator(double value);

    // Classic short-cut code of a key event (VK code plus $2000 Shift, $4000 Ctrl, $8000 Alt).
    static int shortCutOf(const QKeyEvent *event);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;

private:
    void commitText();
    void showValue();
    double clamp(double value) const;

    double m_value = 0;
    int m_decimalPlaces = 2;
    QString m_displayFormat = QStringLiteral(",0.##");
    double m_maxValue = 0;
    double m_minValue = 0;
    int m_clickKey = 0x8028;
    Vcl::TAlignment m_alignment = Vcl::taRightJustify;
    bool m_zeroEmpty = false;
    bool m_editing = false;
    QToolButton *m_button;
    QPointer<TCalculatorPopup> m_popup;
};

// The data-bound edit: the shared colours and label, without number strip or label light.
class TZeltoDBEdit : public QLineEdit, public IZeltoField
{
    Q_OBJECT
    TW_CONTROL_PROPERTIES(Vcl::clWindow)
    TW_FIELD_PROPERTIES
    Q_PROPERTY(QString Text READ text WRITE setText)
    Q_PROPERTY(QString DataField READ DataField WRITE setDataField)
    Q_PROPERTY(QString DataSource READ DataSource WRITE setDataSource)
    Q_PROPERTY(bool ReadOnly READ isReadOnly WRITE setReadOnly)
    Q_PROPERTY(int MaxLength READ maxLength WRITE setMaxLength)
public:
    Q_INVOKABLE explicit TZeltoDBEdit(QWidget *parent = nullptr);
    QString DataField() const { return m_dataField; }
    void setDataField(const QString &field) { m_dataField = field; }
    QString DataSource() const { return m_dataSource; }
    void setDataSource(const QString &source) { m_dataSource = source; }

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;

private:
    QString m_dataField;
    QString m_dataSource;
};

class TZeltoComboBox : public TComboBox
{
    Q_OBJECT
    Q_PROPERTY(QString ItemsAsString READ ItemsAsString WRITE setItemsAsString)
public:
    Q_INVOKABLE explicit TZeltoComboBox(QWidget *parent = nullptr);
    QString ItemsAsString() const { return Items(); }
    void setItemsAsString(const QString &text) { setItems(text); }
};

class TZeltoListBox : public TComboBox
{
    Q_OBJECT
    Q_PROPERTY(QString ItemsAsString READ ItemsAsString WRITE setItemsAsString)
public:
    Q_INVOKABLE explicit TZeltoListBox(QWidget *parent = nullptr);
    QString ItemsAsString() const { return Items(); }
    void setItemsAsString(const QString &text) { setItems(text); }
};

class TZeltoTabSheet : public TTabSheet
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TZeltoTabSheet(QWidget *parent = nullptr);
};

// Number formatting of the calculator edit: "0" and "#" digit places, "," for thousands
// groups (a blank), "." as the decimal point.
QString FormatDisplayNumber(const QString &format, double value);
