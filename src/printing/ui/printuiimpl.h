#pragma once
// The windows of the page engine: preview, progress, page range and printer choice.
// InstallPrintUi() registers them with the engine at start-up.

#include "printing/PrintDrv.h"

class TPrintBarForm;

class TPrintUiImpl : public TPrintUi
{
public:
    ~TPrintUiImpl() override;
    void showPreview(TMWPrintObject &engine) override;
    bool askPageRange(TMWPrintObject &engine, int &first, int &last) override;
    void showProgress(TMWPrintObject &engine, const QString &caption, bool cancelButton) override;
    void setProgress(int position) override;
    void hideProgress() override;
    bool setupPrinter(QString &printerName) override;

private:
    TPrintBarForm *m_bar = nullptr;
};

void InstallPrintUi();
