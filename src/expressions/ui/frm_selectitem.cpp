#include "frm_selectitem.h"

#include "common/dialogs.h"

#include <QAction>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

TfrmSelectItem::TfrmSelectItem(const QStringList &items, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSelectItem"));
    setWindowTitle(QStringLiteral("Wybierz..."));

    m_toolBar = new QToolBar(this);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QAction *actSelect = m_toolBar->addAction(QStringLiteral("F2 Wybierz"));
    actSelect->setObjectName(QStringLiteral("actSelect"));
    QAction *actCancel = m_toolBar->addAction(QStringLiteral("ESC Porzuć"));
    actCancel->setObjectName(QStringLiteral("actCancel"));
    connect(actSelect, &QAction::triggered, this, &TfrmSelectItem::actSelectExecute);
    connect(actCancel, &QAction::triggered, this, &QDialog::reject);

    m_list = new QListWidget(this);
    m_list->addItems(items);
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        m_list->setCurrentItem(item);
        actSelectExecute();
    });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_list);
    fitToList();
}

void TfrmSelectItem::fitToList()
{
    const QFontMetrics metrics(m_list->font());
    int widest = 0;
    for (int i = 0; i < m_list->count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(m_list->item(i)->text()));
    const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                          : QRect(0, 0, 1024, 768);
    const int height = std::min((metrics.boundingRect(QStringLiteral("Mg")).height() + 2) * m_list->count() + 100,
                                screen.height() - 100);
    const int width = std::max(kDesignedWidth, widest + 100);
    resize(width, height);
    move(screen.left() + (screen.width() - width) / 2, screen.top() + (screen.height() - height) / 2);
}

void TfrmSelectItem::actSelectExecute()
{
    const int row = m_list->currentRow();
    if (row < 0 || !m_list->currentItem() || !m_list->currentItem()->isSelected()) {
        reject();
        return;
    }
    m_selected = row + 1;
    accept();
}

void TfrmSelectItem::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        actSelectExecute();
        return;
    case Qt::Key_Escape:
        reject();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

int TStringListMenu::Execute(const QStringList &items)
{
    TfrmSelectItem window(items);
    window.exec();
    return window.SelectedPosition();
}

int TConditionDialogsUi::SelectItem(const QStringList &items)
{
    return TStringListMenu::Execute(items);
}

void TConditionDialogsUi::ShowInformation(const QString &text)
{
    ShowBox(bkInformation, text, QStringLiteral("Informacje"));
}

void InstallConditionDialogs()
{
    static TConditionDialogsUi dialogs;
    SetConditionDialogs(&dialogs);
}
