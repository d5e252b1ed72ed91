#pragma once
// The adding list of a numeric field: amounts with optional descriptions, their total, and
// the list kept with the document as the field's comment ("_CRLF" between the lines, so
// the comment stays one line).

#include <QDialog>

#include <memory>

class QLabel;
class QTableWidget;
class TFormPlacement;

class TfrmSumator : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kRows = 50;

    explicit TfrmSumator(QWidget *parent = nullptr);
    ~TfrmSumator() override;

    // Lines beyond the fiftieth are dropped.
    void LoadListText(const QString &text);
    QString ListText() const;
    // Amounts with "," or "." as decimal point; anything else counts as 0.
    long double Total() const;
    void UpdateTotal();

    QTableWidget *Lista() const { return m_grid; }
    QLabel *EditSUMA() const { return m_total; }
    TFormPlacement *placement() const { return m_placement.get(); }

public Q_SLOTS:
    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void stretchDescription();

    QTableWidget *m_grid;
    QLabel *m_total;
    std::unique_ptr<TFormPlacement> m_placement;
    bool m_placed = false;
    bool m_filtering = false;
};

// Opens the list from text alone (number is not shown); when confirmed, number becomes the
// total, text the new list, and the result is true. Otherwise nothing changes.
bool EditAddingList(double &number, QString &text, QWidget *parent = nullptr);
