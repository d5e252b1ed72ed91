#pragma once
// The papers a document can ask for, each with the standard device paper code printers
// understand and its size in inches (the size the preview page and the PDF get).

#include <QString>

enum TPaperSize {
    PAPER_LETTER, PAPER_LETTERSMALL, PAPER_TABLOID, PAPER_LEDGER, PAPER_LEGAL, PAPER_STATEMENT,
    PAPER_EXECUTIVE, PAPER_A3, PAPER_A4, TBA1, PAPER_A5, PAPER_B4, PAPER_B5, PAPER_FOLIO, PAPER_QUARTO,
    PAPER_10X14, PAPER_11X17, PAPER_NOTE, PAPER_ENV_9, PAPER_ENV_10, PAPER_ENV_11, PAPER_ENV_12,
    PAPER_ENV_14, TBA2, TBA3, TBA4, PAPER_ENV_DL, PAPER_ENV_C3, PAPER_ENV_C4, PAPER_ENV_C5, PAPER_ENV_C6,
    PAPER_ENV_C65, PAPER_ENV_B4, PAPER_ENV_B5, PAPER_ENV_B6, PAPER_ENV_ITALY, PAPER_ENV_MONARCH,
    PAPER_ENV_PERSONAL
};

constexpr int PaperSizeCount = 38;

struct TPaperInfo
{
    const char *name;
    int code;      // device paper code
    double width;  // inches, portrait
    double height;
};

const TPaperInfo &PaperInfo(TPaperSize paper);
// By enumeration name ("PAPER_A4"); false when unknown.
bool PaperByName(const QString &name, TPaperSize &paper);
// The paper sizes a FORM= line may name ("A4", "C5", "LETTER" …); false when unknown.
bool PaperByFormWord(const QString &word, TPaperSize &paper);
