#include "builtinforms.h"

#include "frm_errorlog.h"
#include "frm_help.h"
#include "frm_varko.h"
#include "frm_varkoconfig.h"

#include "documents/formcategories.h"
#include "forms/standardclasses.h"
#include "forms/zelto_formfactory.h"
#include "versioncheck/ui/frm_versioncheck.h"

void RegisterBuiltInForms(TZeltoFormList *forms)
{
    RegisterStandardClasses();
    TZeltoFormList *list = forms ? forms : RegisteredForms();
    RegisterBaseForm(list);
    // 2 TfrmEdytor comes with the editor layer.
    list->RegisterForm<TfrmErrorLog>(QStringLiteral("Error Log"), QString());
    // 4 TfrmSelectLDG comes with the company selection.
    list->RegisterForm<TfrmHelp>(QStringLiteral("Help Viewer"), QString());
    // 6 TfrmForms comes with the document lists.
    list->RegisterForm<TfrmVarko>(QString(), QStringLiteral("Application Main Form"));
    // 8 TfrmBackup comes with the backup layer.
    list->RegisterForm<TfrmVarkoConfig>(QStringLiteral("Config"), QString());
    // 10 TfrmSearchForms comes with the document lists.
    RegisterCalculatedForms(list);
    list->RegisterForm<TfrmVersionChecker>(QStringLiteral("{46ABDF7E-7D33-4449-BE5B-8E054477D5D0}"), QString());
    RegisterBankAndYearForms(list);
}
