#include "frm_errorlog.h"

#include "common/dialogs.h"
#include "common/twtools.h"

#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
TfrmErrorLog *g_log = nullptr;

// The view's image list: error, warning, information.
QIcon logIcon(const QStyle *style, int index)
{
    switch (index) {
    case 1:
        return style->standardIcon(QStyle::SP_MessageBoxWarning);
    case 2:
        return style->standardIcon(QStyle::SP_MessageBoxInformation);
    default:
        return style->standardIcon(QStyle::SP_MessageBoxCritical);
    }
}
} // namespace

TfrmErrorLog::TfrmErrorLog(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmErrorLog"));
    setWindowTitle(QStringLiteral("Raport o błędach"));
    auto *layout = new QVBoxLayout(this);
    auto *text = new QLabel(QStringLiteral(
        "Poniższy raport zawiera informacje o błędach w pracy programu, jakie nastąpiły od ostatniego uruchomienia. "
        "Raport ten może być pomocny w rozwiązywaniu problemów z użytkowaniem programu, jak kłopoty z bazą danych czy "
        "niewłaściwymi wersjami bibliotek systemowych."), this);
    text->setWordWrap(true);
    layout->addWidget(text);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("lvErrors"));
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({QStringLiteral("Data"), QStringLiteral("Opis problemu")});
    m_list->setColumnWidth(0, 120);
    m_list->setRootIsDecorated(false);
    m_list->setIconSize(QSize(20, 20));
    m_list->header()->setStretchLastSection(true);
    layout->addWidget(m_list, 1);
    g_log = this;
}

TfrmErrorLog::~TfrmErrorLog()
{
    if (g_log == this)
        g_log = nullptr;
}

TfrmErrorLog *TfrmErrorLog::instance()
{
    return g_log;
}

void TfrmErrorLog::AddEntry(const QString &message, int iconIndex)
{
    const QDateTime now = Now();
    auto *item = new QTreeWidgetItem;
    item->setText(0, DateToText(now.date()) + QStringLiteral("  ") + TimeToText(now.time()));
    QString line = message;
    line.replace(QStringLiteral("\r\n"), QStringLiteral("  "));
    // Messages made here break lines with a bare line feed; they get the same two blanks.
    line.replace(QLatin1Char('\n'), QStringLiteral("  ")).replace(QLatin1Char('\r'), QStringLiteral("  "));
    item->setText(1, line);
    item->setIcon(0, logIcon(style(), iconIndex));
    m_list->insertTopLevelItem(0, item);
}
