#include "frm_versioncheck.h"

#include "frm_versionproblem.h"

#include "versioncheck/versionlist.h"

#include "common/apppaths.h"
#include "common/dialogs.h"
#include "common/pathresolver.h"
#include "common/twtools.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// The support address shown until "version.ini" names another.
const QString defaultContactEmail()
{
    return QStringLiteral("pomoc@papyra.example");
}

constexpr int EntryNameRole = Qt::UserRole + 2; // the file as the list writes it

QString directoryPart(const QString &name)
{
    const QString p = ToLinuxPath(name);
    const int slash = p.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : p.left(slash + 1);
}

QString fileNamePart(const QString &name)
{
    const QString p = ToLinuxPath(name);
    return p.mid(p.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

bool StartupCheck(const QString &IniFileName)
{
    const QList<TVersionProblem> problems = StartupProblems(IniFileName);
    if (problems.isEmpty())
        return true;
    TfrmVersionProblem window;
    window.AddProblems(problems);
    return window.exec() == QDialog::Accepted;
}

TfrmVersionChecker::TfrmVersionChecker(QWidget *parent)
    : TfrmVersionChecker(AppDir() + QStringLiteral("version.ini"), parent)
{
}

TfrmVersionChecker::TfrmVersionChecker(const QString &listFileName, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmVersionChecker"));
    setWindowTitle(QStringLiteral("Badanie zgodności plików systemowych"));
    createControls();
    setContactEmail(defaultContactEmail());
    loadList(listFileName);
    examineRows();
}

void TfrmVersionChecker::createControls()
{
    m_info = new QLabel(QStringLiteral("Poniższa lista przedstawia wykaz plików systemowych wymaganych do poprawnej "
                                       "pracy programu, oraz informację o wymaganej ich wersji. Jeżeli niektóre pliki "
                                       "są oznaczone jako niezgodne, powinieneś dokonać aktualizacji swojego systemu. "),
                        this);
    m_info->setObjectName(QStringLiteral("lblInfo"));
    m_info->setWordWrap(true);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("lvFiles"));
    m_list->setHeaderLabels({QStringLiteral("Plik"), QStringLiteral("Lokalizacja"), QStringLiteral("Wymagana wersja"),
                             QStringLiteral("Aktualna wersja")});
    m_list->setRootIsDecorated(false);
    m_list->setColumnWidth(colFile, 220);
    m_list->setColumnWidth(colLocation, 220);
    m_list->setColumnWidth(colRequired, 120);
    m_list->header()->setStretchLastSection(true);

    m_exit = new QPushButton(QStringLiteral("Wyjście"), this);
    m_exit->setObjectName(QStringLiteral("btnExit"));
    m_saveReport = new QPushButton(QStringLiteral("Zapisz raport"), this);
    m_saveReport->setObjectName(QStringLiteral("btnSaveReport"));
    m_contactText = new QLabel(QStringLiteral("W razie problemów lub wątpliwości prosimy o kontakt: "), this);
    m_contact = new QLabel(this);
    m_contact->setObjectName(QStringLiteral("lblEmail"));
    m_contact->setTextFormat(Qt::RichText);
    m_contact->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_contact->setOpenExternalLinks(false);
    m_contact->setCursor(Qt::PointingHandCursor);

    connect(m_exit, &QPushButton::clicked, this, &TfrmVersionChecker::actExitExecute);
    connect(m_saveReport, &QPushButton::clicked, this, &TfrmVersionChecker::actSaveReportExecute);
    connect(m_contact, &QLabel::linkActivated, this, &TfrmVersionChecker::lblEmailClick);

    auto *bar = new QHBoxLayout;
    bar->addWidget(m_exit);
    bar->addWidget(m_saveReport);
    bar->addSpacing(12);
    bar->addWidget(m_contactText);
    bar->addWidget(m_contact);
    bar->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_info);
    layout->addWidget(m_list, 1);
    layout->addLayout(bar);
    resize(760, 420);
}

void TfrmVersionChecker::setContactEmail(const QString &email)
{
    m_contactEmail = email;
    m_contact->setText(QStringLiteral("<a href=\"mailto:%1\">%1</a>").arg(email.toHtmlEscaped()));
}

void TfrmVersionChecker::setEmbedded(bool embedded)
{
    m_embedded = embedded;
    m_exit->setVisible(!embedded);
}

void TfrmVersionChecker::loadList(const QString &listFileName)
{
    m_list->clear();
    const TVersionList list = ReadVersionList(listFileName);
    if (!list.Exists)
        return;
    if (!list.ContactEmail.isEmpty())
        setContactEmail(list.ContactEmail);
    for (const TVersionListEntry &entry : list.Entries) {
        auto *item = new QTreeWidgetItem(m_list);
        item->setText(colFile, fileNamePart(entry.FileName));
        item->setText(colLocation, directoryPart(entry.FileName));
        item->setText(colRequired, entry.RequiredVersion);
        item->setText(colCurrent, QString());
        item->setData(colFile, DisplayTextRole, entry.DisplayText);
        item->setData(colFile, EntryNameRole, entry.FileName);
        setMark(item, mkNone);
    }
}

void TfrmVersionChecker::examineRows()
{
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_list->topLevelItem(i);
        TVersionListEntry entry;
        entry.FileName = item->data(colFile, EntryNameRole).toString();
        entry.RequiredVersion = item->text(colRequired);
        entry.DisplayText = item->data(colFile, DisplayTextRole).toString();
        const TVersionReportLine line = ExamineEntry(entry);
        if (line.State == TVersionState::Missing) {
            const QString text = entry.DisplayText.trimmed();
            item->setText(colCurrent, text.isEmpty() ? QStringLiteral("Brak pliku!") : text);
            setMark(item, mkError);
        } else {
            // Names on this file system keep their case, so the row shows the name found.
            const QFileInfo found(line.LocatedFile);
            item->setText(colFile, found.fileName());
            item->setText(colLocation, IncludeTrailingBackslash(found.absolutePath()));
            if (line.CurrentVersion.trimmed().isEmpty()) {
                item->setText(colCurrent, QStringLiteral("Brak informacji"));
                setMark(item, mkNoInfo);
            } else {
                item->setText(colCurrent, line.CurrentVersion);
                setMark(item, line.State == TVersionState::Ok ? mkOk : mkError);
            }
        }
        if (isVisible()) {
            m_list->viewport()->repaint();
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    }
}

void TfrmVersionChecker::setMark(QTreeWidgetItem *item, TMark mark)
{
    item->setData(colFile, MarkRole, int(mark));
    QStyle::StandardPixmap pixmap;
    switch (mark) {
    case mkOk:
        pixmap = QStyle::SP_DialogApplyButton;
        break;
    case mkError:
        pixmap = QStyle::SP_MessageBoxCritical;
        break;
    case mkNoInfo:
        pixmap = QStyle::SP_MessageBoxQuestion;
        break;
    default:
        item->setIcon(colFile, QIcon());
        return;
    }
    item->setIcon(colFile, style()->standardIcon(pixmap));
}

QStringList TfrmVersionChecker::ReportLines(const QString &infoLine) const
{
    const QString rule(80, QLatin1Char('-'));
    QStringList lines{infoLine, rule};
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = m_list->topLevelItem(i);
        lines << QStringLiteral("Plik: %1,  wymagana wersja: %2,  bieżąca wersja: %3")
                     .arg(item->text(colLocation) + item->text(colFile), item->text(colRequired),
                          item->text(colCurrent));
    }
    lines << rule;
    return lines;
}

void TfrmVersionChecker::actSaveReportExecute()
{
    const QString suggested = m_reportFileName.isEmpty() ? AppDir() + QStringLiteral("report.txt") : m_reportFileName;
    const QString fileName = AskSaveFileName(QStringLiteral("Zapisz raport do pliku ..."), suggested, QStringLiteral("txt"),
                                             QStringLiteral("Pliki tekstowe (*.txt);;Wszystkie pliki (*)"));
    if (fileName.isEmpty())
        return;
    m_reportFileName = fileName;
    QString infoLine = QStringLiteral("Data: ") + DateToText(Today()) + QStringLiteral(" ");
    if (!InputQuery(QStringLiteral("Dodatkowe informacje do zapisania w raporcie"), QStringLiteral("Informacje:"), infoLine))
        return;

    QFile file(ResolvePath(fileName));
    QByteArray bytes;
    for (const QString &line : ReportLines(infoLine))
        bytes += line.toUtf8() + '\n';
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() || !file.flush()) {
        ShowBox(bkError, QStringLiteral("Nie udało się zapisać raportu do pliku %1").arg(fileName));
        return;
    }
    file.close();
    ShowBox(bkInformation, QStringLiteral("Raport został zapisany do pliku %1").arg(fileName));
}

void TfrmVersionChecker::actExitExecute()
{
    close();
}

void TfrmVersionChecker::lblEmailClick()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + m_contactEmail));
}
