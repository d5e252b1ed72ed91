#include "frm_sumator.h"

#include "common/twtools.h"
#include "widgets/twplacement.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const QString kLineBreak = QStringLiteral("_CRLF");
const QString kDescriptionSeparator = QStringLiteral(" - ");

QString cellText(const QTableWidget *grid, int row, int column)
{
    const QTableWidgetItem *item = grid->item(row, column);
    return item ? item->text() : QString();
}

} // namespace

TfrmSumator::TfrmSumator(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_placement(std::make_unique<TFormPlacement>(TFormPlacement::Registry, QStringLiteral("Software\\Zelto\\Varko"),
                                                   QStringLiteral("Sumator")))
{
    setObjectName(QStringLiteral("frmSumator"));
    setWindowTitle(QStringLiteral("Sumator"));
    setFixedWidth(185);
    setMinimumHeight(50);
    resize(185, 300);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QAction *insert = bar->addAction(QStringLiteral("INS Wstaw"), this, &QDialog::accept);
    insert->setObjectName(QStringLiteral("actWstaw"));
    QAction *cancel = bar->addAction(QStringLiteral("ESC Porzuć"), this, &QDialog::reject);
    cancel->setObjectName(QStringLiteral("actPorzuc"));
    layout->addWidget(bar);

    m_grid = new QTableWidget(kRows, 2, this);
    m_grid->setObjectName(QStringLiteral("Lista"));
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Kwota"), QStringLiteral("Opis")});
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->setColumnWidth(0, 70);
    m_grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(m_grid, 1);
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this] { UpdateTotal(); });

    m_total = new QLabel(this);
    m_total->setObjectName(QStringLiteral("EditSUMA"));
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont bold = m_total->font();
    bold.setBold(true);
    m_total->setFont(bold);
    m_total->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(m_total);
    UpdateTotal();
}

TfrmSumator::~TfrmSumator() = default;

void TfrmSumator::LoadListText(const QString &text)
{
    QString list = text.trimmed();
    // A first row without amount is written " - description"; trimming must keep its blank.
    if (list.startsWith(QLatin1String("- "))) {
        const int at = text.indexOf(list);
        if (at > 0 && text.at(at - 1) == QLatin1Char(' '))
            list.prepend(QLatin1Char(' '));
    }
    list.replace(kLineBreak, QStringLiteral("\n"));
    if (list.isEmpty())
        return;
    m_grid->clearContents();
    const QStringList lines = list.split(QLatin1Char('\n'));
    for (int row = 0; row < lines.size() && row < kRows; ++row) {
        const QString &line = lines.at(row);
        const int separator = line.indexOf(kDescriptionSeparator);
        const QString amount = separator >= 0 ? line.left(separator) : line;
        const QString description = separator >= 0 ? line.mid(separator + kDescriptionSeparator.size()) : QString();
        m_grid->setItem(row, 0, new QTableWidgetItem(amount));
        m_grid->setItem(row, 1, new QTableWidgetItem(description));
    }
    UpdateTotal();
}

QString TfrmSumator::ListText() const
{
    QStringList lines;
    for (int row = 0; row < kRows; ++row) {
        const QString amount = cellText(m_grid, row, 0);
        const QString description = cellText(m_grid, row, 1);
        if (amount.isEmpty() && description.isEmpty())
            continue;
        lines << (description.isEmpty() ? amount : amount + kDescriptionSeparator + description);
    }
    return lines.join(kLineBreak);
}

long double TfrmSumator::Total() const
{
    long double sum = 0;
    for (int row = 0; row < kRows; ++row) {
        QString amount = cellText(m_grid, row, 0);
        const int comma = amount.indexOf(QLatin1Char(','));
        if (comma >= 0)
            amount[comma] = QLatin1Char('.');
        double value = 0;
        if (!amount.trimmed().isEmpty() && TextToFloat(amount, value))
            sum += value;
    }
    return sum;
}

void TfrmSumator::UpdateTotal()
{
    m_total->setText(QString::asprintf("%.2f", double(Total())));
}

void TfrmSumator::stretchDescription()
{
    int width = this->width() - m_grid->columnWidth(0);
    if (m_grid->verticalScrollBar()->isVisible())
        width -= 17;
    m_grid->setColumnWidth(1, qMax(0, width));
}

void TfrmSumator::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        if (!m_placement->restore(this)) {
            if (QScreen *s = screen())
                move(s->availableGeometry().center() - rect().center());
        }
    }
    UpdateTotal();
    stretchDescription();
    m_grid->setFocus();
    if (m_grid->currentRow() < 0)
        m_grid->setCurrentCell(0, 0);
    if (!m_filtering) {
        m_filtering = true;
        qApp->installEventFilter(this);
    }
}

void TfrmSumator::hideEvent(QHideEvent *event)
{
    if (m_filtering) {
        m_filtering = false;
        qApp->removeEventFilter(this);
    }
    m_placement->save(this);
    QDialog::hideEvent(event);
}

void TfrmSumator::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    stretchDescription();
}

bool TfrmSumator::eventFilter(QObject *watched, QEvent *event)
{
    // The cell editor would take these keys; the window answers them first.
    QWidget *focus = QApplication::focusWidget();
    if (event->type() == QEvent::KeyPress && watched == (focus ? focus : this)) {
        auto *w = qobject_cast<QWidget *>(watched);
        if (w && (w == this || isAncestorOf(w))) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Insert || key == Qt::Key_F2) {
                accept();
                return true;
            }
            if (key == Qt::Key_Escape) {
                reject();
                return true;
            }
            if (key == Qt::Key_Delete)
                QTimer::singleShot(0, this, [this] { UpdateTotal(); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmSumator::accept()
{
    // Moving off the cell and back hands a cell still being edited to the grid.
    const int row = m_grid->currentRow();
    const int column = m_grid->currentColumn();
    if (row >= 0 && column >= 0) {
        m_grid->setCurrentCell(row, column == 0 ? 1 : 0);
        m_grid->setCurrentCell(row, column);
    }
    UpdateTotal();
    QDialog::accept();
}

bool EditAddingList(double &number, QString &text, QWidget *parent)
{
    TfrmSumator window(parent);
    window.LoadListText(text);
    if (window.exec() != QDialog::Accepted)
        return false;
    number = double(window.Total());
    text = window.ListText();
    return true;
}
