#include "twwindows.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLayout>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

int otherColumnsWidth(QAbstractItemView *grid, int column, int count)
{
    int sum = 0;
    if (auto *table = qobject_cast<QTableView *>(grid)) {
        for (int c = 0; c < count; ++c) {
            if (c != column && !table->isColumnHidden(c))
                sum += table->columnWidth(c);
        }
        if (table->verticalHeader()->isVisible())
            sum += table->verticalHeader()->width();
    } else if (auto *tree = qobject_cast<QTreeView *>(grid)) {
        for (int c = 0; c < count; ++c) {
            if (c != column && !tree->isColumnHidden(c))
                sum += tree->columnWidth(c);
        }
    }
    return sum;
}

int columnCount(QAbstractItemView *grid)
{
    return grid->model() ? grid->model()->columnCount() : 0;
}

void setColumnWidth(QAbstractItemView *grid, int column, int width)
{
    width = qMax(width, 0);
    if (auto *table = qobject_cast<QTableView *>(grid))
        table->setColumnWidth(column, width);
    else if (auto *tree = qobject_cast<QTreeView *>(grid))
        tree->setColumnWidth(column, width);
}

} // namespace

void CenterOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    window->move(area.left() + (area.width() - window->width()) / 2, area.top() + (area.height() - window->height()) / 2);
}

void EmbedForm(QWidget *window, QWidget *parent, TAlign align, bool keepBorder, const QColor &color)
{
    if (!window || !parent)
        return;
    const QSize size = window->size();
    window->setParent(parent, keepBorder ? window->windowFlags() : Qt::Widget);
    if (color.isValid()) {
        QPalette pal = window->palette();
        pal.setColor(QPalette::Window, color);
        window->setPalette(pal);
        window->setAutoFillBackground(true);
    }
    window->move(0, 0);
    window->resize(size);
    if (align == alClient) {
        if (!parent->layout()) {
            auto *layout = new QVBoxLayout(parent);
            layout->setContentsMargins(0, 0, 0, 0);
            layout->setSpacing(0);
        }
        parent->layout()->addWidget(window);
    } else if (align == alTop || align == alBottom) {
        window->resize(parent->width(), size.height());
        if (align == alBottom)
            window->move(0, parent->height() - size.height());
    } else if (align == alLeft || align == alRight) {
        window->resize(size.width(), parent->height());
        if (align == alRight)
            window->move(parent->width() - size.width(), 0);
    }
    window->show();
}

void StretchGridColumn(QAbstractItemView *grid, int column)
{
    if (!grid || column < 0 || column >= columnCount(grid))
        return;
    int width = grid->width() - otherColumnsWidth(grid, column, columnCount(grid));
    if (grid->verticalScrollBar() && grid->verticalScrollBar()->isVisible())
        width -= 17;
    setColumnWidth(grid, column, width);
}

void StretchDBGridColumn(QAbstractItemView *grid, int column)
{
    if (!grid || column < 0 || column >= columnCount(grid))
        return;
    setColumnWidth(grid, column, grid->width() - otherColumnsWidth(grid, column, columnCount(grid)) - 25);
}

void ClearGrid(QTableWidget *grid, bool includeFixed)
{
    if (!grid)
        return;
    for (int r = 0; r < grid->rowCount(); ++r) {
        for (int c = 0; c < grid->columnCount(); ++c)
            delete grid->takeItem(r, c);
    }
    if (includeFixed) {
        for (int c = 0; c < grid->columnCount(); ++c)
            delete grid->takeHorizontalHeaderItem(c);
        for (int r = 0; r < grid->rowCount(); ++r)
            delete grid->takeVerticalHeaderItem(r);
    }
}

void PopupUnderButton(QMenu *menu, QAbstractButton *button, bool rightAligned)
{
    if (!menu || !button)
        return;
    const QPoint bottomLeft = button->mapToGlobal(QPoint(0, button->height() + 1));
    QPoint at = bottomLeft;
    if (rightAligned)
        at.setX(button->mapToGlobal(QPoint(button->width(), 0)).x() - menu->sizeHint().width());
    menu->popup(at);
}
