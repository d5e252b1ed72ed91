// The document operations against a real embedded database.

#include "storagetestsupport.h"

#include "storage/firebirdenv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

namespace {

QString U(const char *text)
{
    return QString::fromUtf8(text);
}

TEST(FormsStorage, OpenCreatesTheMissingDefaultDatabase)
{
    TTestDir dir;
    TVarkoConfig config(nullptr, dir.file(QStringLiteral("registry.ini")));
    TFormsDatabase db(nullptr, &config);
    db.setDatabasePath(dir.path());
    ASSERT_FALSE(QFile::exists(dir.file(QStringLiteral("firma.gdb"))));
    db.Open();
    EXPECT_TRUE(db.IsOpen());
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("firma.gdb"))));
    EXPECT_EQ(db.DataSet().recordCount(), 0);
    db.Close();
    EXPECT_FALSE(db.IsOpen());
}

TEST(FormsStorage, TemplateCopyReplacesOnlyWhenAsked)
{
    TTestDir dir;
    const QString file = dir.write(QStringLiteral("firma.gdb"), QByteArray("someone else's"));
    EXPECT_TRUE(CreateDatabaseFromTemplate(file, nullptr, false));
    QFile kept(file);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("someone else's"));
    kept.close();
    EXPECT_TRUE(CreateDatabaseFromTemplate(file));
    EXPECT_EQ(QFileInfo(file).size(), QFileInfo(EmptyDatabaseTemplate()).size());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("firma.gdb")});
    QString message;
    EXPECT_FALSE(CreateDatabaseFromTemplate(dir.file(QStringLiteral("brak/katalogu.gdb")), &message));
    EXPECT_TRUE(message.startsWith(U("Nie można utworzyć bazy danych"))) << message.toStdString();
}

TEST(FormsStorage, OpenFailuresAreReportedInPolish)
{
    TTestDir dir;
    TVarkoConfig config(nullptr, dir.file(QStringLiteral("registry.ini")));
    {
        TFormsDatabase db(nullptr, &config);
        db.setDatabaseFile(dir.file(QStringLiteral("brak.gdb")));
        try {
            db.Open();
            FAIL() << "opened a missing database";
        } catch (const EDatabaseError &e) {
            EXPECT_TRUE(e.message().startsWith(U("Nie znaleziono bazy danych"))) << e.message().toStdString();
        }
        EXPECT_FALSE(db.IsOpen());
        EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("brak.gdb"))));
    }
    {
        // Not a database at all.
        const QString junk = dir.write(QStringLiteral("smieci.gdb"), QByteArray(20000, 'x'));
        TFormsDatabase db(nullptr, &config);
        db.setDatabaseFile(junk);
        EXPECT_THROW(db.Open(), EDatabaseError);
        EXPECT_FALSE(db.IsOpen());
        EXPECT_FALSE(db.NewDocument());
        EXPECT_FALSE(db.DeleteDocument());
        EXPECT_FALSE(db.TakeError());
    }
}

TEST(FormsStorage, NewDocumentIsStoredWithTodayAndTheCompany)
{
    TStorageFixture fx;
    TFakeForm *form = fx.m_provider.add(QStringLiteral("{F-1}"));
    form->m_comment = QStringLiteral("stara notatka");
    form->m_fieldComments = QStringLiteral("5=stara");
    form->m_onShow = [](TFakeForm &f) {
        f.m_title = U("PIT-37 zeznanie");
        f.m_shortTitle = QStringLiteral("PIT-37");
        f.m_descriptions[0] = U("Zażółć gęślą jaźń");
        f.m_descriptions[1] = QStringLiteral("Warszawa");
        f.m_values = U("1=Łódź\r\n2=O'Brien\\nnowa linia\r\n");
    };
    fx.m_config->setUseLDGZX(true);
    fx.m_config->setConfirmCancelDocument(false);
    fx.m_config->setOnClickExpandIsCool(true);
    SetNowForTesting(QDateTime(QDate(2007, 3, 5), QTime(10, 0)));
    auto db = fx.open();
    db->setCurrentCompanyCode(QStringLiteral("FIRMA1"));
    db->SetFormIDFilter(QStringLiteral("{F-1}"));
    db->Refresh();

    TNoticeCounter notices;
    ASSERT_TRUE(db->NewDocument());
    EXPECT_EQ(notices.m_open, 0);
    EXPECT_EQ(DialogSeam::notices(), QStringList{QStringLiteral("Tworzenie nowego dokumentu ...")});
    EXPECT_EQ(form->m_newDocuments, 1);
    EXPECT_TRUE(form->m_comment.isEmpty());
    EXPECT_TRUE(form->m_fieldComments.isEmpty());
    EXPECT_TRUE(form->m_importEnabled);
    EXPECT_FALSE(form->m_confirmEscape);
    EXPECT_TRUE(form->m_onClickExpand);

    ASSERT_EQ(db->DataSet().recordCount(), 1);
    const TFormRow row = db->DataSet().current();
    EXPECT_EQ(row.ID, db->CurrentID());
    EXPECT_EQ(row.EditDate, QDate(2007, 3, 5));
    EXPECT_EQ(row.CompanyCode, QStringLiteral("FIRMA1"));
    EXPECT_EQ(row.FormID, QStringLiteral("{F-1}"));
    EXPECT_EQ(row.Category, QStringLiteral("PIT"));
    EXPECT_EQ(row.Title, U("PIT-37 zeznanie"));
    EXPECT_EQ(row.Description(), U("Zażółć gęślą jaźń Warszawa "));
    TFormTexts texts;
    ASSERT_TRUE(db->DataSet().readTexts(row.ID, texts));
    EXPECT_EQ(texts.FieldValues, U("1=Łódź\r\n2=O'Brien\\nnowa linia\r\n"));
    EXPECT_FALSE(db->TakeError());

    // The file holds Windows-1250: one byte per Polish letter, in the columns and the texts.
    EXPECT_EQ(fx.scalar(QStringLiteral("select octet_length(DESCRIPTION1) from FORMS")).toInt(), 17);
    EXPECT_EQ(fx.scalar(QStringLiteral("select octet_length(FIELDVALUES) from FORMS")).toInt(), 31);
}

TEST(FormsStorage, CancelOrUnknownFormTypeAddsNothing)
{
    TStorageFixture fx;
    TFakeForm *form = fx.m_provider.add(QStringLiteral("{F-1}"));
    form->m_answerOK = false;
    auto db = fx.open();
    TNoticeCounter notices;
    db->SetFormIDFilter(QStringLiteral("{F-1}"));
    EXPECT_TRUE(db->NewDocument());
    EXPECT_EQ(form->m_shown, 1);
    db->SetFormIDFilter(QStringLiteral("{NIEZNANY}"));
    EXPECT_FALSE(db->NewDocument());
    EXPECT_EQ(notices.m_open, 0);
    db->Refresh();
    EXPECT_EQ(db->DataSet().recordCount(), 0);
    EXPECT_EQ(fx.scalar(QStringLiteral("select count(*) from FORMS")).toInt(), 0);
}

TEST(FormsStorage, EditKeepsTheDateCopyTakesTodayAndTheSourceCompany)
{
    TStorageFixture fx;
    TFakeForm *form = fx.m_provider.add(QStringLiteral("{F-1}"));
    SetNowForTesting(QDateTime(QDate(2007, 3, 5), QTime(10, 0)));
    auto db = fx.open();
    db->setCurrentCompanyCode(QStringLiteral("FIRMA1"));
    const int id = fx.add(*db, QStringLiteral("{F-1}"), QStringLiteral("Kowalski"));
    ASSERT_GT(id, 0);
    db->SetFormIDFilter(QStringLiteral("{F-1}"));
    db->Refresh();

    SetNowForTesting(QDateTime(QDate(2008, 1, 2), QTime(10, 0)));
    form->m_onShow = [](TFakeForm &f) {
        EXPECT_EQ(f.m_descriptions[0], QStringLiteral("Kowalski"));
        EXPECT_EQ(f.m_values, QStringLiteral("1=Kowalski\r\n"));
        f.m_descriptions[0] = QStringLiteral("Nowak");
        f.m_values = QStringLiteral("1=Nowak\r\n");
    };
    TNoticeCounter notices;
    ASSERT_TRUE(db->EditDocument());
    EXPECT_EQ(form->m_newDocuments, 0);
    ASSERT_EQ(db->DataSet().recordCount(), 1);
    TFormRow row = db->DataSet().current();
    EXPECT_EQ(row.ID, id);
    EXPECT_EQ(row.Description1, QStringLiteral("Nowak"));
    EXPECT_EQ(row.EditDate, QDate(2007, 3, 5));

    // A copy of another company's document, made while a different company is current.
    db->setCurrentCompanyCode(QStringLiteral("FIRMA2"));
    db->setDontFilterByCompany(true);
    db->Refresh();
    form->m_onShow = [](TFakeForm &f) { f.m_descriptions[1] = QStringLiteral("kopia"); };
    ASSERT_TRUE(db->CopyDocument());
    EXPECT_EQ(form->m_newDocuments, 1);
    ASSERT_EQ(db->DataSet().recordCount(), 2);
    row = db->DataSet().current();
    EXPECT_NE(row.ID, id);
    EXPECT_EQ(row.EditDate, QDate(2008, 1, 2));
    EXPECT_EQ(row.CompanyCode, QStringLiteral("FIRMA1"));
    EXPECT_EQ(row.Description(), QStringLiteral("Nowak kopia "));
    EXPECT_EQ(DialogSeam::notices(),
              (QStringList{QStringLiteral("Wczytywanie dokumentu ..."), QStringLiteral("Tworzenie kopii dokumentu ...")}));
    EXPECT_EQ(notices.m_open, 0);

    // A cancelled copy adds nothing.
    form->m_answerOK = false;
    ASSERT_TRUE(db->CopyDocument());
    db->Refresh();
    EXPECT_EQ(db->DataSet().recordCount(), 2);
}

TEST(FormsStorage, DeleteAsksFirstAndIsDurable)
{
    TStorageFixture fx;
    auto db = fx.open();
    fx.add(*db, QStringLiteral("{F-1}"), QStringLiteral("A"));
    const int b = fx.add(*db, QStringLiteral("{F-1}"), QStringLiteral("B"));
    db->Refresh();
    ASSERT_EQ(db->DataSet().currentID(), b);

    DialogSeam::presetBoxAnswer(mrNo);
    EXPECT_EQ(db->AskAndDeleteDocument(), TFormsDatabase::doCancelled);
    ASSERT_EQ(DialogSeam::shownBoxes().size(), 1);
    EXPECT_EQ(DialogSeam::shownBoxes()[0].kind, int(bkYesNo));
    EXPECT_EQ(DialogSeam::shownBoxes()[0].text, U("Czy na pewno usunąć ten dokument?"));
    EXPECT_EQ(DialogSeam::shownBoxes()[0].caption, QStringLiteral("Uwaga!"));
    EXPECT_EQ(db->DataSet().recordCount(), 2);

    DialogSeam::presetBoxAnswer(mrYes);
    EXPECT_EQ(db->AskAndDeleteDocument(), TFormsDatabase::doDeleted);
    EXPECT_EQ(ListedDescriptions(*db), QStringList{QStringLiteral("A")});
    // Another connection sees it gone at once.
    EXPECT_EQ(fx.scalar(QStringLiteral("select count(*) from FORMS")).toInt(), 1);
    EXPECT_FALSE(db->TakeError());
}

TEST(FormsStorage, ShortNotes)
{
    TStorageFixture fx;
    auto db = fx.open();
    const int id = fx.add(*db, QStringLiteral("{F-1}"), QStringLiteral("A"));
    fx.add(*db, QStringLiteral("{F-1}"), QStringLiteral("B"));
    db->Refresh();
    ASSERT_TRUE(db->DataSet().locate(id));
    db->SetShortComment(U("do poprawki — pilne"));
    EXPECT_EQ(db->DataSet().currentID(), id);
    EXPECT_EQ(db->GetShortComment(), U("do poprawki — pilne"));
    EXPECT_EQ(fx.scalar(QStringLiteral("select SHORTCOMMENT from FORMS where ID = %1").arg(id)).toString(),
              U("do poprawki — pilne"));
    TFormTexts texts;
    ASSERT_TRUE(db->DataSet().readTexts(id, texts));
    EXPECT_EQ(texts.FieldValues, QStringLiteral("1=A\r\n"));
}

TEST(FormsStorage, FiltersCompaniesSearchAndDates)
{
    TStorageFixture fx;
    auto db = fx.open();
    SetNowForTesting(QDateTime(QDate(2007, 1, 10), QTime(9, 0)));
    fx.add(*db, QStringLiteral("{F-1}"), QStringLiteral("Jan O'Brien"), {}, {}, QStringLiteral("FIRMA1"));
    SetNowForTesting(QDateTime(QDate(2007, 2, 10), QTime(9, 0)));
    fx.add(*db, QStringLiteral("{F-2}"), U("Żółw"), U("Kraków"), {}, QStringLiteral("FIRMA1"), QStringLiteral("VAT"));
    SetNowForTesting(QDateTime(QDate(2007, 3, 10), QTime(9, 0)));
    fx.add(*db, QStringLiteral("{F-1}"), QStringLiteral("Adam"), {}, U("ul. Różana"), QStringLiteral("FIRMA2"));
    fx.add(*db, QStringLiteral("{F-1}"), QStringLiteral("Bez firmy"));

    db->setCurrentCompanyCode(QStringLiteral("FIRMA1"));
    db->ClearFilters();
    db->Refresh();
    EXPECT_EQ(ListedDescriptions(*db), (QStringList{QStringLiteral("Jan O'Brien"), U("Żółw")}));
    db->SetFormIDFilter(QStringLiteral("{F-1}"));
    db->Refresh();
    EXPECT_EQ(ListedDescriptions(*db), QStringList{QStringLiteral("Jan O'Brien")});
    db->SetCategoryFilter(QStringLiteral("VAT"));
    db->Refresh();
    EXPECT_EQ(ListedDescriptions(*db), QStringList{U("Żółw")});

    db->ClearFilters();
    db->setCurrentCompanyCode(QString());
    db->Refresh();
    EXPECT_EQ(ListedDescriptions(*db), QStringList{QStringLiteral("Bez firmy")});
    db->setDontFilterByCompany(true);
    db->Refresh();
    EXPECT_EQ(db->DataSet().recordCount(), 4);

    struct Search
    {
        QString text;
        QDate from;
        QDate to;
        QStringList found;
    } searches[] = {
        {QStringLiteral("o'brien"), {}, {}, {QStringLiteral("Jan O'Brien")}},
        {U("ŻÓŁW"), {}, {}, {U("Żółw")}},
        {U("kraków"), {}, {}, {U("Żółw")}},
        {U("różana"), {}, {}, {QStringLiteral("Adam")}},
        {{}, QDate(2007, 2, 10), QDate(2007, 2, 10), {U("Żółw")}},
        {{}, QDate(2007, 2, 11), {}, {QStringLiteral("Adam"), QStringLiteral("Bez firmy")}},
        {QStringLiteral("a"), {}, QDate(2007, 2, 28), {U("Żółw"), QStringLiteral("Jan O'Brien")}},
        {QStringLiteral("nic takiego"), {}, {}, {}},
    };
    fx.m_config->setSortBy(1);
    for (const Search &s : searches) {
        db->setSearchText(s.text);
        db->setDateFrom(s.from);
        db->setDateTo(s.to);
        db->Refresh();
        QStringList found = ListedDescriptions(*db);
        if (s.text == QStringLiteral("a"))
            found.sort();
        QStringList expected = s.found;
        if (s.text == QStringLiteral("a"))
            expected.sort();
        EXPECT_EQ(found, expected) << s.text.toStdString();
    }
}

TEST(FormsStorage, RefreshReturnsToTheCurrentDocument)
{
    TStorageFixture fx;
    auto db = fx.open();
    for (const char *name : {"E", "B", "D", "A", "C"})
        fx.add(*db, QStringLiteral("{F-1}"), QString::fromLatin1(name));
    db->Refresh();
    EXPECT_EQ(ListedDescriptions(*db), (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("E")}));
    db->DataSet().setRecNo(3);
    const int id = db->DataSet().currentID();
    db->Commit();
    db->Refresh();
    EXPECT_EQ(db->CurrentID(), id);
    EXPECT_EQ(db->DataSet().recNo(), 3);
    // The order follows the configuration at each refresh.
    fx.m_config->setSortBy(1);
    db->Refresh();
    EXPECT_EQ(db->DataSet().currentID(), id);
}

TEST(FormsStorage, SaveAndDeleteErrorsBecomePendingErrors)
{
    TStorageFixture fx;
    auto db = fx.open();
    TFakeForm form(QStringLiteral("{F-1}"));
    // Nothing to delete or edit in an empty list.
    EXPECT_FALSE(db->DeleteDocument());
    EXPECT_TRUE(db->TakeError());
    EXPECT_EQ(db->ErrorMessage(), U("Błąd w trakcie usuwania dokumentu!"));
    EXPECT_FALSE(db->TakeError());
    EXPECT_EQ(db->ErrorMessage(), U("Błąd w trakcie usuwania dokumentu!"));

    EXPECT_FALSE(db->SaveDocument(&form, false));
    EXPECT_TRUE(db->TakeError());
    EXPECT_EQ(db->ErrorMessage(), U("Błąd w trakcie zapisywania dokumentu!"));

    // A document deleted by someone else meanwhile is not reported as saved.
    const int id = fx.add(*db, QStringLiteral("{F-1}"), QStringLiteral("A"));
    ASSERT_GT(id, 0);
    ASSERT_TRUE(fx.exec(QStringLiteral("delete from FORMS where ID = %1").arg(id)));
    EXPECT_EQ(fx.scalar(QStringLiteral("select count(*) from FORMS")).toInt(), 0);
    EXPECT_FALSE(db->SaveDocument(&form, false));
    EXPECT_TRUE(db->TakeError());

    // Not open: false without an error.
    TFormsDatabase closed(nullptr, fx.m_config.get());
    EXPECT_FALSE(closed.SaveDocument(&form, true));
    EXPECT_FALSE(closed.TakeError());
}

TEST(FormsStorage, LongAndForeignTextsAreStoredNotRejected)
{
    TStorageFixture fx;
    auto db = fx.open();
    const QString longText = QString(200, u'ż');
    const int id = fx.add(*db, QStringLiteral("{F-1}"), longText, U("日本 ok"));
    ASSERT_GT(id, 0);
    db->Refresh();
    const TFormRow row = db->DataSet().current();
    EXPECT_EQ(row.Description1, QString(150, u'ż'));
    EXPECT_EQ(row.Description2, QStringLiteral("?? ok"));
    TFormTexts texts;
    ASSERT_TRUE(db->DataSet().readTexts(id, texts));
    EXPECT_EQ(texts.FieldValues, QStringLiteral("1=") + longText + QStringLiteral("\r\n"));
}

TEST(FormsStorage, SelectionListsOneFormTypeOfEveryCompany)
{
    TStorageFixture fx;
    auto db = fx.open();
    fx.add(*db, QStringLiteral("{F-1}"), QStringLiteral("B"), {}, {}, QStringLiteral("FIRMA1"));
    fx.add(*db, QStringLiteral("{F-2}"), QStringLiteral("X"));
    fx.add(*db, QStringLiteral("{F-1}"), QStringLiteral("A"), QString(150, u'x'), QString(150, u'y'), QStringLiteral("FIRMA2"));
    db->OpenSelection(QStringLiteral("{F-1}"));
    ASSERT_TRUE(db->SelectionOpen());
    ASSERT_EQ(db->Selection().size(), 2);
    EXPECT_EQ(db->Selection()[0].Row.Description1, QStringLiteral("A"));
    EXPECT_EQ(db->Selection()[0].Texts.FieldValues, QStringLiteral("1=A\r\n"));
    EXPECT_EQ(db->Selection()[0].Description().size(), 300);
    EXPECT_EQ(db->Selection()[1].Row.Description1, QStringLiteral("B"));
    db->OpenSelection(QStringLiteral("{it's}"));
    EXPECT_TRUE(db->SelectionOpen());
    EXPECT_TRUE(db->Selection().isEmpty());
}

TEST(FormsStorage, OlderDatabaseGainsTheCompanyColumn)
{
    TStorageFixture fx;
    // A database from before company codes: no COMPANYCODE column, one document.
    {
        QSqlDatabase c = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), QStringLiteral("old"));
        c.setDatabaseName(fx.databaseFile());
        c.setUserName(QStringLiteral("sysdba"));
        ASSERT_TRUE(c.open());
        QSqlQuery q(c);
        ASSERT_TRUE(q.exec(QStringLiteral("DROP INDEX FORMS_COMPANYCODE")));
        ASSERT_TRUE(q.exec(QStringLiteral("ALTER TABLE FORMS DROP COMPANYCODE")));
        ASSERT_TRUE(q.exec(QStringLiteral("insert into FORMS (ID, EDITDATE, CATEGORY, FORMID, DESCRIPTION1) "
                                          "values (GEN_ID(SEQ_ID, 1), '05.03.2007', 'PIT', '{F-1}', 'Stary')")));
        q.finish();
        c.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("old"));
    auto db = fx.open();
    EXPECT_EQ(fx.scalar(QStringLiteral("select count(*) from RDB$RELATION_FIELDS where RDB$RELATION_NAME = 'FORMS' "
                                       "and RDB$FIELD_NAME = 'COMPANYCODE'"))
                  .toInt(),
              1);
    // Its old documents have no company, so no company's list shows them.
    EXPECT_EQ(db->DataSet().recordCount(), 0);
    db->setDontFilterByCompany(true);
    db->Refresh();
    EXPECT_EQ(ListedDescriptions(*db), QStringList{QStringLiteral("Stary")});
}

} // namespace
