#pragma once
// The vocabulary layout descriptions are written in: the enumerations, sets and colours
// of the classic control library whose names form authors use, and the state every
// control shares (position, alignment, anchors, colour, font, hint, tag) kept so that any
// QWidget can answer to those property names.

#include <QColor>
#include <QObject>
#include <QString>

class QWidget;
class QFont;

namespace Vcl {
Q_NAMESPACE

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
Q_ENUM_NS(TAlign)

enum TAnchorKind { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
Q_DECLARE_FLAGS(TAnchors, TAnchorKind)
Q_FLAG_NS(TAnchors)

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
Q_ENUM_NS(TAlignment)

enum TTextLayout { tlTop, tlCenter, tlBottom };
Q_ENUM_NS(TTextLayout)

enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_FLAG_NS(TFontStyles)

// Forms and bordered controls share one list, as bsNone/bsSingle belong to both.
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
Q_ENUM_NS(TFormBorderStyle)

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
Q_ENUM_NS(TBevelCut)

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
Q_ENUM_NS(TBevelShape)

enum TBevelStyle { bsLowered, bsRaised };
Q_ENUM_NS(TBevelStyle)

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
Q_ENUM_NS(TBrushStyle)

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
Q_ENUM_NS(TPenStyle)

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
Q_ENUM_NS(TShapeType)

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
Q_ENUM_NS(TComboBoxStyle)

enum TEditLabelAlign { elTopLeft, elTopRight, elBottomLeft, elBottomRight, elLeft, elRight, elRelative };
Q_ENUM_NS(TEditLabelAlign)

enum TLabelPosition { lpAbove, lpBelow, lpLeft, lpRight };
Q_ENUM_NS(TLabelPosition)

enum TScrollBarKind { sbHorizontal, sbVertical };
Q_ENUM_NS(TScrollBarKind)

enum TTrackBarOrientation { trHorizontal, trVertical };
Q_ENUM_NS(TTrackBarOrientation)

enum TProgressBarOrientation { pbHorizontal, pbVertical };
Q_ENUM_NS(TProgressBarOrientation)

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
Q_ENUM_NS(TScrollStyle)

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
Q_ENUM_NS(TCheckBoxState)

enum TDateTimeKind { dtkDate, dtkTime };
Q_ENUM_NS(TDateTimeKind)

enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
                 poMainFormCenter, poOwnerFormCenter };
Q_ENUM_NS(TPosition)

enum TWindowState { wsNormal, wsMinimized, wsMaximized };
Q_ENUM_NS(TWindowState)

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
Q_ENUM_NS(TTabPosition)

enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
Q_ENUM_NS(TBitBtnKind)

enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };
Q_ENUM_NS(TToolButtonStyle)

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
Q_ENUM_NS(TViewStyle)

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
Q_ENUM_NS(TEditCharCase)

// Colours are $00BBGGRR numbers; the system colours are $FF000000 plus the system index.
constexpr int clNone = 0x1FFFFFFF;
constexpr int clDefault = 0x20000000;
constexpr int clSystemColor = int(0xFF000000);
constexpr int clBlack = 0x000000;
constexpr int clMaroon = 0x000080;
constexpr int clGreen = 0x008000;
constexpr int clRed = 0x0000FF;
constexpr int clYellow = 0x00FFFF;
constexpr int clWhite = 0xFFFFFF;
constexpr int clWindow = clSystemColor | 5;
constexpr int clWindowText = clSystemColor | 8;
constexpr int clBtnFace = clSystemColor | 15;
constexpr int clGrayText = clSystemColor | 17;
constexpr int clBtnText = clSystemColor | 18;
constexpr int clInfoBk = clSystemColor | 24;

// The numeric value of a colour identifier such as "clRed" (case-insensitive).
bool ColorFromIdent(const QString &ident, int &value);
// "clRed" for a value that has an identifier, else "" .
QString ColorToIdent(int value);
// The colour a $00BBGGRR or system colour value stands for (classic system colours).
QColor ToQColor(int color);

// --- state shared by every control -------------------------------------------------

// A component's tag, whichever way its class keeps it.
int Tag(const QObject *component);
void SetTag(QObject *component, int tag);
// The tag kept for the classes of this library (0 when never set).
int StoredTag(const QObject *component);

TAlign Align(const QWidget *control);
void SetAlign(QWidget *control, TAlign align);
TAnchors Anchors(const QWidget *control);
void SetAnchors(QWidget *control, TAnchors anchors);
// Lays the aligned children of parent out again (after a resize or an alignment change).
void Realign(QWidget *parent);

// Background colour: kept as given, applied through the palette. defaultColor is the
// class's colour when none was given.
int Color(const QWidget *control, int defaultColor);
void SetColor(QWidget *control, int color);
// Applies a colour without remembering it as the control's designed colour.
void PaintBackground(QWidget *control, int color);
void SetTextColor(QWidget *control, int color);

QString Hint(const QWidget *control);
void SetHint(QWidget *control, const QString &hint);
bool ShowHint(const QWidget *control);
void SetShowHint(QWidget *control, bool show);

int TabOrder(const QWidget *control);
void SetTabOrder(QWidget *control, int order);
// Chains the focus order of every parent's children by their TabOrder.
void ApplyTabOrders(QWidget *window);
bool TabStop(const QWidget *control);
void SetTabStop(QWidget *control, bool stop);

bool Enabled(const QWidget *control);
bool Visible(const QWidget *control);

// Where a control's children go: the control itself, or its inner area for scrolling
// containers.
QWidget *ClientArea(QWidget *control);
// The widget a scroll box or page control shows as the windowed control of a child's
// parent, reversed from ClientArea.
QWidget *ControlOfClientArea(QWidget *area);

// Toolkit "Height" of a font (negative: character height in pixels at 96 dpi).
int FontHeightFromSize(int pointSize);
int FontSizeFromHeight(int height);

// Caption texts arrive with "\r\n"; widgets want "\n".
QString DisplayText(const QString &caption);

} // namespace Vcl

Q_DECLARE_OPERATORS_FOR_FLAGS(Vcl::TAnchors)
Q_DECLARE_OPERATORS_FOR_FLAGS(Vcl::TFontStyles)
