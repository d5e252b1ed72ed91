// A second process on a test database: "save FILE TEXT" stores a document, prints its ID
// and waits to be killed; "hold FILE" opens the database, prints "open" and waits.

#include "storage/frm_formstorage.h"

#include "common/varkoconfig.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

namespace {

class TChildForm : public IDocumentForm
{
public:
    QString ID() const override { return QStringLiteral("{CHILD}"); }
    QString Category() const override { return QStringLiteral("PIT"); }
    QString Title() const override { return QStringLiteral("Dziecko"); }
    void setTitle(const QString &) override {}
    QString ShortTitle() const override { return QString(); }
    void setShortTitle(const QString &) override {}
    QString Description(int i) const override { return i == 1 ? m_text : QString(); }
    void setDescription(int, const QString &) override {}
    QString Comment() const override { return QString(); }
    void setComment(const QString &) override {}
    QString Company() const override { return QStringLiteral("DEFAULT"); }
    void setCompany(const QString &) override {}
    QString GetFieldValues() const override { return QStringLiteral("1=") + m_text + QStringLiteral("\r\n"); }
    void LoadFieldValues(const QString &) override {}
    QString GetFieldComments() const override { return QString(); }
    void SetFieldComments(const QString &) override {}
    void NewDocument() override {}
    void setImportEnabled(bool) override {}
    void setConfirmEscape(bool) override {}
    void setOnClickExpand(bool) override {}
    bool ShowModalOK() override { return true; }
    QString m_text;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2)
        return 2;
    TVarkoConfig config;
    config.setDatabaseCommon(true);
    TFormsDatabase db(nullptr, &config);
    db.setDatabaseFile(args[1]);
    try {
        db.Open();
    } catch (const EDatabaseError &e) {
        std::fprintf(stdout, "error %s\n", e.message().toUtf8().constData());
        std::fflush(stdout);
        return 1;
    }
    if (args[0] == QLatin1String("save")) {
        TChildForm form;
        form.m_text = args.value(2);
        if (!db.SaveDocument(&form, true))
            return 1;
        std::fprintf(stdout, "%d\n", db.CurrentID());
    } else {
        std::fprintf(stdout, "open\n");
    }
    std::fflush(stdout);
    for (;;)
        QThread::sleep(1);
}
