#include "builtinforms.h"

#include "frm_errorlog.h"
#include "frm_help.h"
#include "frm_varko.h"
#include "frm_varkoconfig.h"

#include "forms/standardclasses.h"
#include "forms/zelto_formfactory.h"
#include "versioncheck/ui/frm_versioncheck.h"

void RegisterBuiltInForms(TZeltoFormList *forms)
{
    RegisterStandardClasses();
    TZeltoFormList *list = forms ? forms : RegisteredForms();
    // 1 TZeltoBaseForm and 2 TfrmEdytor come with the document and editor layers.
    list->RegisterForm<TfrmErrorLog>(QStringLiteral("Error Log"), QString());
    // 4 TfrmSelectLDG comes with the company selection.
    list->RegisterForm<TfrmHelp>(QStringLiteral("Help Viewer"), QString());
    // 6 TfrmForms comes with the document lists.
    list->RegisterForm<TfrmVarko>(QString(), QStringLiteral("Application Main Form"));
    // 8 TfrmBackup comes with the backup layer.
    list->RegisterForm<TfrmVarkoConfig>(QStringLiteral("Config"), QString());
    // 10 TfrmSearchForms, 11 TZeltoCalculatedForm, 12 TNIPForm, 13 TPitForm, 14 TPPForm,
    // 15 TVatForm and 16 TOfficeForm come with the document and storage layers.
    list->RegisterForm<TfrmVersionChecker>(QStringLiteral("{46ABDF7E-7D33-4449-BE5B-8E054477D5D0}"), QString());
    // 18 TBankForm and 19-25 the year forms TPit2002Form ... TPit2008Form come with the
    // document layer.
}
