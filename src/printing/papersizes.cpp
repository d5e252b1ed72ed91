#include "printing/papersizes.h"

namespace {

// In enumeration order; the codes are not in order because the C5 envelope carries 28.
const TPaperInfo kPapers[PaperSizeCount] = {
    {"PAPER_LETTER", 1, 8.5, 11},       {"PAPER_LETTERSMALL", 2, 8.5, 11}, {"PAPER_TABLOID", 3, 11, 17},
    {"PAPER_LEDGER", 4, 17, 11},        {"PAPER_LEGAL", 5, 8.5, 14},       {"PAPER_STATEMENT", 6, 5.5, 8.5},
    {"PAPER_EXECUTIVE", 7, 7.5, 10.5},  {"PAPER_A3", 8, 11.7, 16.5},       {"PAPER_A4", 9, 8.3, 11.7},
    {"TBA1", 10, 0, 0},                 {"PAPER_A5", 11, 5.9, 8.3},        {"PAPER_B4", 12, 9.9, 14.0},
    {"PAPER_B5", 13, 7.2, 10.1},        {"PAPER_FOLIO", 14, 8.5, 13.0},    {"PAPER_QUARTO", 15, 8.5, 10.8},
    {"PAPER_10X14", 16, 10, 14},        {"PAPER_11X17", 17, 11, 17},       {"PAPER_NOTE", 18, 8.5, 11},
    {"PAPER_ENV_9", 19, 3.875, 8.9},    {"PAPER_ENV_10", 20, 4.1, 9.5},    {"PAPER_ENV_11", 21, 4.5, 10.4},
    {"PAPER_ENV_12", 22, 4.1, 9.5},     {"PAPER_ENV_14", 23, 5.0, 11.5},   {"TBA2", 24, 0, 0},
    {"TBA3", 25, 0, 0},                 {"TBA4", 26, 0, 0},                {"PAPER_ENV_DL", 27, 4.3, 8.7},
    {"PAPER_ENV_C3", 29, 12.8, 18.0},   {"PAPER_ENV_C4", 30, 9.0, 12.0},   {"PAPER_ENV_C5", 28, 6.4, 9.0},
    {"PAPER_ENV_C6", 31, 4.5, 6.4},     {"PAPER_ENV_C65", 32, 4.5, 9.0},   {"PAPER_ENV_B4", 33, 9.8, 14.0},
    {"PAPER_ENV_B5", 34, 7.0, 9.8},     {"PAPER_ENV_B6", 35, 7.0, 5.0},    {"PAPER_ENV_ITALY", 36, 4.3, 9.1},
    {"PAPER_ENV_MONARCH", 37, 3.9, 7.5}, {"PAPER_ENV_PERSONAL", 38, 3.6, 6.5},
};

} // namespace

const TPaperInfo &PaperInfo(TPaperSize paper)
{
    const int i = int(paper);
    return kPapers[(i >= 0 && i < PaperSizeCount) ? i : int(PAPER_A4)];
}

bool PaperByName(const QString &name, TPaperSize &paper)
{
    for (int i = 0; i < PaperSizeCount; ++i) {
        if (name.compare(QLatin1String(kPapers[i].name), Qt::CaseInsensitive) == 0) {
            paper = TPaperSize(i);
            return true;
        }
    }
    return false;
}

bool PaperByFormWord(const QString &word, TPaperSize &paper)
{
    static const struct
    {
        const char *word;
        TPaperSize paper;
    } words[] = {{"A3", PAPER_A3}, {"A4", PAPER_A4},         {"A5", PAPER_A5},         {"B5", PAPER_B5},
                 {"C5", PAPER_ENV_C5}, {"C6", PAPER_ENV_C6}, {"DL", PAPER_ENV_DL}, {"LETTER", PAPER_LETTER},
                 {"LEGAL", PAPER_LEGAL}};
    for (const auto &w : words) {
        if (word == QLatin1String(w.word)) {
            paper = w.paper;
            return true;
        }
    }
    return false;
}
