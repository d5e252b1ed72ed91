#include "printing/ui/printbarform.h"

#include "common/dialogs.h"
#include "printing/PrintDrv.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TPrintBarForm::TPrintBarForm(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    auto *layout = new QVBoxLayout(this);
    m_caption = new QLabel(this);
    m_gauge = new QProgressBar(this);
    m_cancel = new QPushButton(QStringLiteral("Przerwij wydruk"), this);
    layout->addWidget(m_caption);
    layout->addWidget(m_gauge);
    layout->addWidget(m_cancel, 0, Qt::AlignHCenter);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::ToolTipBase));
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
    connect(m_cancel, &QPushButton::clicked, this, &TPrintBarForm::cancelClicked);
}

void TPrintBarForm::start(TMWPrintObject &engine, const QString &caption, bool cancelButton, int maximum)
{
    m_engine = &engine;
    m_gauge->setRange(0, maximum > 0 ? maximum : 100);
    m_gauge->setValue(0);
    m_cancel->setVisible(cancelButton);
    if (cancelButton && engine.recording())
        m_cancel->setText(QStringLiteral("Porzuć"));
    else
        m_cancel->setText(QStringLiteral("Przerwij wydruk"));
    setCaption(caption);
    show();
    raise();
}

void TPrintBarForm::setCaption(const QString &caption)
{
    m_caption->setText(caption);
    repaint();
    QCoreApplication::processEvents();
}

void TPrintBarForm::setPosition(int position)
{
    m_gauge->setValue(position);
    repaint();
    QCoreApplication::processEvents();
}

QString TPrintBarForm::caption() const
{
    return m_caption->text();
}

int TPrintBarForm::position() const
{
    return m_gauge->value();
}

void TPrintBarForm::cancelClicked()
{
    hide();
    if (ShowBox(bkYesNo, QStringLiteral("Abort printing?")) == mrYes && m_engine)
        m_engine->Cancel();
    show();
}
