// The program's own views embedded by the main window fill its view container.

#include "app/actionlinks.h"
#include "app/builtinforms.h"
#include "app/frm_errorlog.h"
#include "app/frm_varko.h"
#include "app/frm_varkoconfig.h"
#include "common/apppaths.h"
#include "common/switches.h"
#include "common/varkoconfig.h"
#include "widgets/twcategorypanel.h"
#include "forms/zelto_formfactory.h"
#include "testsupport.h"

#include <QApplication>
#include <QTreeWidget>

#include <gtest/gtest.h>

TEST(MainWindowViews, ProgramViewsFillTheContainer)
{
    TTestDir dir;
    dir.write(QStringLiteral("forms.xml"),
              "<?xml version=\"1.0\" encoding=\"utf-8\"?><forms>"
              "<form description=\"Konfiguracja programu\" id=\"Config\"/>"
              "<form description=\"Raport o błędach\" id=\"Error Log\"/></forms>");
    SetAppDirForTesting(dir.path());
    SetCommandLineParameters({});
    TZeltoFormList forms;
    RegisterBuiltInForms(&forms);
    TActionLinkHandler links;
    TVarkoConfig config(nullptr, dir.file(QStringLiteral("registry.ini")));
    {
        TfrmVarko window(nullptr, &config, &forms, &links);
        window.resize(1000, 700);
        window.show();
        QApplication::processEvents();
        for (const QString &entry : {QStringLiteral("Konfiguracja programu"), QStringLiteral("Raport o błędach")}) {
            const auto found = window.tree()->findItems(entry, Qt::MatchExactly | Qt::MatchRecursive);
            ASSERT_FALSE(found.isEmpty());
            window.tree()->setCurrentItem(found.first());
            QApplication::processEvents();
            QWidget *view = window.currentView();
            ASSERT_NE(view, nullptr) << entry.toStdString();
            EXPECT_EQ(view->parentWidget(), window.container());
            EXPECT_EQ(view->geometry(), window.container()->contentsRect()) << entry.toStdString();
            if (auto *configView = qobject_cast<TfrmVarkoConfig *>(view)) // its panels use the width
                EXPECT_GT(configView->panelGeneral()->width(), window.container()->width() - 60);
        }
        EXPECT_TRUE(qobject_cast<TfrmErrorLog *>(window.currentView()));
    }
    SetAppDirForTesting(QString());
}
