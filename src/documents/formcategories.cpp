#include "formcategories.h"

#include "forms/classregistry.h"
#include "forms/zelto_formfactory.h"

namespace {

TZeltoFormList *listOf(TZeltoFormList *forms)
{
    return forms ? forms : RegisteredForms();
}

} // namespace

TNIPForm::TNIPForm(QWidget *parent)
    : TZeltoCalculatedForm(parent)
{
    setCaption(QStringLiteral("NIPForm"));
}

QString TNIPForm::Category() const
{
    return QStringLiteral("NIP");
}

TPitForm::TPitForm(QWidget *parent)
    : TZeltoCalculatedForm(parent)
{
    setCaption(QStringLiteral("PitForm"));
}

QString TPitForm::Category() const
{
    return QStringLiteral("PIT");
}

TPPForm::TPPForm(QWidget *parent)
    : TZeltoCalculatedForm(parent)
{
    setCaption(QStringLiteral("PPForm"));
}

QString TPPForm::Category() const
{
    return QStringLiteral("PP");
}

TVatForm::TVatForm(QWidget *parent)
    : TZeltoCalculatedForm(parent)
{
    setCaption(QStringLiteral("VatForm"));
}

QString TVatForm::Category() const
{
    return QStringLiteral("VAT");
}

TOfficeForm::TOfficeForm(QWidget *parent)
    : TZeltoCalculatedForm(parent)
{
    setCaption(QStringLiteral("OfficeForm"));
}

QString TOfficeForm::Category() const
{
    return QStringLiteral("BIURO");
}

TBankForm::TBankForm(QWidget *parent)
    : TZeltoCalculatedForm(parent)
{
    setCaption(QStringLiteral("Bank"));
}

QString TBankForm::Category() const
{
    return QStringLiteral("BANK");
}

TPit2002Form::TPit2002Form(QWidget *parent)
    : TPitForm(parent)
{
    setCaption(QStringLiteral("Pit2002Form"));
}

QString TPit2002Form::Category() const
{
    return QStringLiteral("PIT2002");
}

TPit2003Form::TPit2003Form(QWidget *parent)
    : TPitForm(parent)
{
    setCaption(QStringLiteral("Pit2003Form"));
}

QString TPit2003Form::Category() const
{
    return QStringLiteral("PIT2003");
}

TPit2004Form::TPit2004Form(QWidget *parent)
    : TPitForm(parent)
{
    setCaption(QStringLiteral("Pit2004Form"));
}

QString TPit2004Form::Category() const
{
    return QStringLiteral("PIT2004");
}

TPit2005Form::TPit2005Form(QWidget *parent)
    : TPitForm(parent)
{
    setCaption(QStringLiteral("Pit2005Form"));
}

QString TPit2005Form::Category() const
{
    return QStringLiteral("PIT2005");
}

TPit2006Form::TPit2006Form(QWidget *parent)
    : TPitForm(parent)
{
    setCaption(QStringLiteral("Pit2006Form"));
}

QString TPit2006Form::Category() const
{
    return QStringLiteral("PIT2006");
}

TPit2007Form::TPit2007Form(QWidget *parent)
    : TPitForm(parent)
{
    setCaption(QStringLiteral("Pit2007Form"));
}

QString TPit2007Form::Category() const
{
    return QStringLiteral("PIT2007");
}

TPit2008Form::TPit2008Form(QWidget *parent)
    : TPitForm(parent)
{
    setCaption(QStringLiteral("Pit2008Form"));
}

QString TPit2008Form::Category() const
{
    return QStringLiteral("PIT2008");
}

void RegisterBaseForm(TZeltoFormList *forms)
{
    listOf(forms)->RegisterForm<TZeltoBaseForm>(QStringLiteral("{65F26640-69E2-476C-830B-12AF42816906}"),
                                                QStringLiteral("Base Zelto Form"));
}

void RegisterCalculatedForms(TZeltoFormList *forms)
{
    TZeltoFormList *list = listOf(forms);
    list->RegisterForm<TZeltoCalculatedForm>(QStringLiteral("{DE58C8E8-6296-4C51-A781-8CEB4F4CF4F3}"),
                                             QStringLiteral("Base Calculated Form"));
    list->RegisterForm<TNIPForm>(QStringLiteral("{A024A1C6-FF9F-4E10-B5F7-6D76797A884B}"), QStringLiteral("Base NIP Form"));
    list->RegisterForm<TPitForm>(QStringLiteral("{68566F4D-E7B4-43A2-8CD1-A88662CA7A65}"), QStringLiteral("Base PIT Form"));
    list->RegisterForm<TPPForm>(QStringLiteral("{A128085E-3350-4BEA-A4BF-CBD3CA9F43C0}"), QStringLiteral("Base PP Form"));
    list->RegisterForm<TVatForm>(QStringLiteral("{879BE237-A4EC-451B-A1F9-EE0859BB7A33}"), QStringLiteral("Base VAT Form"));
    list->RegisterForm<TOfficeForm>(QStringLiteral("{B7A283EC-738A-4D1D-8932-34BB259E2F55}"),
                                    QStringLiteral("Base Office Form"));
}

void RegisterBankAndYearForms(TZeltoFormList *forms)
{
    TZeltoFormList *list = listOf(forms);
    list->RegisterForm<TBankForm>(QStringLiteral("{56E0E0B5-B9D3-48A8-9FDF-638F792D1550}"), QStringLiteral("Base Bank Form"));
    list->RegisterForm<TPit2002Form>(QStringLiteral("{32CE5DCC-DE9D-41B6-B27E-64CB207A83CC}"), QStringLiteral("PIT2002"));
    list->RegisterForm<TPit2003Form>(QStringLiteral("{20B6C0E9-8E77-4481-B856-8ADC43F15C16}"), QStringLiteral("PIT2003"));
    list->RegisterForm<TPit2004Form>(QStringLiteral("{AE062678-D0F6-4433-BCFE-CA25C5682EEB}"), QStringLiteral("PIT2004"));
    list->RegisterForm<TPit2005Form>(QStringLiteral("{713814A4-1F92-416A-AE42-FFBDAFBF0CCD}"), QStringLiteral("PIT2005"));
    list->RegisterForm<TPit2006Form>(QStringLiteral("{3B00EB0E-829F-46D0-B3D0-0D9F55CBC265}"), QStringLiteral("PIT2006"));
    list->RegisterForm<TPit2007Form>(QStringLiteral("{A1585507-D22C-49F7-A655-3EC074FACB78}"), QStringLiteral("PIT2007"));
    list->RegisterForm<TPit2008Form>(QStringLiteral("{24ADB0F5-3BAF-4A52-9701-63DE25DE2642}"), QStringLiteral("PIT2008"));
}

QList<QWidget *> CreateYearFormWindows(QObject *owner)
{
    QList<QWidget *> windows{new TPit2002Form, new TPit2003Form, new TPit2004Form, new TPit2005Form,
                             new TPit2006Form, new TPit2007Form, new TPit2008Form};
    for (QWidget *w : windows)
        Components::SetOwner(w, owner);
    return windows;
}
