#include "dialogs.h"

#include <QQueue>

#include <cstdio>

namespace {

struct Seam
{
    TUserInterface *ui = nullptr;
    QQueue<int> boxAnswers;
    QQueue<QString> folders;
    QQueue<QString> fileNames;
    QQueue<QPair<bool, QString>> inputs;
    QList<TShownBox> shown;
    QStringList notices;
    QString lastBrowseStart;
    QDateTime now;
};

Seam &seam()
{
    static Seam s;
    return s;
}

void toStderr(const QString &text)
{
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

} // namespace

QString BoxCaption(int kind)
{
    switch (kind) {
    case bkInformation:
        return QStringLiteral("Informacje");
    case bkError:
        return QStringLiteral("Błąd!");
    default:
        return QStringLiteral("Uwaga!");
    }
}

void SetUserInterface(TUserInterface *ui)
{
    seam().ui = ui;
}

TUserInterface *UserInterface()
{
    return seam().ui;
}

int ShowBox(int kind, const QString &text, const QString &caption)
{
    Seam &s = seam();
    const QString title = caption.isEmpty() ? BoxCaption(kind) : caption;
    s.shown.append({kind, text, title});
    if (!s.boxAnswers.isEmpty())
        return s.boxAnswers.dequeue();
    if (s.ui)
        return s.ui->showBox(kind, text, title);
    toStderr(title + QStringLiteral(": ") + text);
    return kind >= bkYesNo ? mrNo : mrOk;
}

void ShowNotice(const QString &text)
{
    Seam &s = seam();
    s.notices.append(text);
    if (s.ui)
        s.ui->showNotice(text);
}

void HideNotice()
{
    if (seam().ui)
        seam().ui->hideNotice();
}

QString BrowseFolder(const QString &title, const QString &startDir)
{
    Seam &s = seam();
    s.lastBrowseStart = startDir;
    if (!s.folders.isEmpty())
        return s.folders.dequeue();
    return s.ui ? s.ui->browseFolder(title, startDir) : QString();
}

QString AskSaveFileName(const QString &title, const QString &suggested, const QString &defaultSuffix,
                        const QString &filter)
{
    Seam &s = seam();
    if (!s.fileNames.isEmpty())
        return s.fileNames.dequeue();
    return s.ui ? s.ui->saveFileName(title, suggested, defaultSuffix, filter) : QString();
}

QString AskOpenFileName(const QString &title, const QString &startDir, const QString &filter)
{
    Seam &s = seam();
    if (!s.fileNames.isEmpty())
        return s.fileNames.dequeue();
    return s.ui ? s.ui->openFileName(title, startDir, filter) : QString();
}

bool InputQuery(const QString &caption, const QString &prompt, QString &value)
{
    Seam &s = seam();
    if (!s.inputs.isEmpty()) {
        const auto answer = s.inputs.dequeue();
        if (answer.first && !answer.second.isNull())
            value = answer.second;
        return answer.first;
    }
    return s.ui ? s.ui->inputQuery(caption, prompt, value) : false;
}

void ReportUnhandledError(const QString &message)
{
    if (seam().ui)
        seam().ui->reportUnhandledError(message);
    else
        toStderr(message);
}

namespace DialogSeam {

void presetBoxAnswer(int result)
{
    seam().boxAnswers.enqueue(result);
}

void presetFolder(const QString &dir)
{
    seam().folders.enqueue(dir);
}

void presetFileName(const QString &fileName)
{
    seam().fileNames.enqueue(fileName);
}

void presetInput(bool ok, const QString &value)
{
    seam().inputs.enqueue({ok, value});
}

const QList<TShownBox> &shownBoxes()
{
    return seam().shown;
}

QStringList notices()
{
    return seam().notices;
}

QString lastBrowseStart()
{
    return seam().lastBrowseStart;
}

void clear()
{
    Seam &s = seam();
    s.boxAnswers.clear();
    s.folders.clear();
    s.fileNames.clear();
    s.inputs.clear();
    s.shown.clear();
    s.notices.clear();
    s.lastBrowseStart.clear();
}

} // namespace DialogSeam

QDateTime Now()
{
    const QDateTime &fixed = seam().now;
    return fixed.isValid() ? fixed : QDateTime::currentDateTime();
}

QDate Today()
{
    return Now().date();
}

void SetNowForTesting(const QDateTime &now)
{
    seam().now = now;
}
