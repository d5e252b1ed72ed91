#include "frm_versionproblem.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

TfrmVersionProblem::TfrmVersionProblem(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmVersionProblem"));
    setWindowTitle(QStringLiteral("Twój system operacyjny wymaga aktualizacji !"));
    setModal(true);

    auto *icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    m_text = new QLabel(QStringLiteral("Niektóre pliki w Twoim komputerze są przestarzałe i wymagają aktualizacji. "
                                       "Bez tego program może nie działać poprawnie lub w ogóle się nie uruchamiać. "
                                       "Skontaktuj się z naszą firmą w celu uzyskania dalszej pomocy."),
                        this);
    m_text->setObjectName(QStringLiteral("lblInfo"));
    m_text->setWordWrap(true);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("lvProblems"));
    m_list->setHeaderLabels({QStringLiteral("Plik"), QStringLiteral("Opis problemu")});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->header()->setStretchLastSection(true);
    m_list->setColumnWidth(0, 320);

    m_runAnyway = new QPushButton(QStringLiteral("Mimo to uruchom program"), this);
    m_runAnyway->setObjectName(QStringLiteral("btnRunAnyway"));
    m_quit = new QPushButton(QStringLiteral("Zakończ pracę z programem"), this);
    m_quit->setObjectName(QStringLiteral("btnQuit"));
    m_quit->setDefault(true);
    connect(m_runAnyway, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_quit, &QPushButton::clicked, this, &QDialog::reject);

    auto *top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(m_text, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_runAnyway);
    buttons->addWidget(m_quit);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(600, 360);
}

void TfrmVersionProblem::AddProblem(const QString &file, const QString &problem)
{
    new QTreeWidgetItem(m_list, {file, problem});
}

void TfrmVersionProblem::AddProblems(const QList<TVersionProblem> &problems)
{
    for (const TVersionProblem &p : problems)
        AddProblem(p.DisplayText, p.Problem);
}
