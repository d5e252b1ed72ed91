#include "twcategorypanel.h"

#include <QToolButton>
#include <QVBoxLayout>

TCategoryPanel::TCategoryPanel(const QString &title, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_title = new QToolButton(this);
    m_title->setText(title);
    m_title->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_title->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_title->setAutoRaise(false);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_title->setStyleSheet(QStringLiteral("QToolButton { text-align: left; padding: 4px; }"));
    layout->addWidget(m_title);
    m_content = new QWidget(this);
    m_contentLayout = new QVBoxLayout(m_content);
    m_contentLayout->setContentsMargins(12, 6, 6, 8);
    layout->addWidget(m_content);
    connect(m_title, &QToolButton::clicked, this, &TCategoryPanel::toggle);
    setCollapsed(true);
}

bool TCategoryPanel::isCollapsed() const
{
    return m_content->isHidden();
}

void TCategoryPanel::setCollapsed(bool collapsed)
{
    m_content->setHidden(collapsed);
    m_title->setArrowType(collapsed ? Qt::RightArrow : Qt::DownArrow);
    emit collapsedChanged(collapsed);
}
