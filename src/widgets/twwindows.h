#pragma once
// Small window and grid helpers shared by the views.

#include <QColor>

class QAbstractItemView;
class QMenu;
class QAbstractButton;
class QTableWidget;
class QWidget;

// Alignments of an embedded window inside its container.
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

void CenterOnScreen(QWidget *window);
// Puts a window into a container: position 0,0, the colour unless invalid, caption bar and
// frame removed unless keepBorder, then the alignment (alClient fills the container).
void EmbedForm(QWidget *window, QWidget *parent, TAlign align, bool keepBorder, const QColor &color = QColor());
// The column takes what the other columns leave of the grid's width (less 17 pixels when
// the grid shows a vertical scroll bar).
void StretchGridColumn(QAbstractItemView *grid, int column);
// The same for data grids, which always keep 25 pixels.
void StretchDBGridColumn(QAbstractItemView *grid, int column);
// Empties every cell (and the object attached to it); fixed rows and columns, the header
// texts here, only when includeFixed.
void ClearGrid(QTableWidget *grid, bool includeFixed);
// Opens the menu one pixel under the button, aligned with its left or right edge.
void PopupUnderButton(QMenu *menu, QAbstractButton *button, bool rightAligned);
