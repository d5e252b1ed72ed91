#pragma once
// The preview window: the recorded pages drawn at one of five zoom steps, with page
// buttons, a page field and the keys of the old preview, and a button that prints
// exactly what it shows.

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QToolButton;
class QPushButton;
class TMWPrintObject;

class TPreviewForm : public QDialog
{
    Q_OBJECT

public:
    // The zoom entries "60 %" … "100 %" draw the page at these parts of its real size.
    static constexpr double kScales[5] = {0.52, 0.64, 0.78, 0.94, 1.00};

    explicit TPreviewForm(TMWPrintObject &engine, QWidget *parent = nullptr);

    int currentPage() const { return m_page; }
    int zoomIndex() const;
    double scale() const;
    QSize pageImageSize() const;
    void showPage(int page);
    void setZoomIndex(int index);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void pageFieldDone();
    void print();
    void render();

    TMWPrintObject &m_engine;
    int m_page = 1;
    QComboBox *m_zoom = nullptr;
    QLineEdit *m_pageField = nullptr;
    QScrollArea *m_scroll = nullptr;
    QLabel *m_image = nullptr;
    QToolButton *m_first = nullptr;
    QToolButton *m_prior = nullptr;
    QToolButton *m_next = nullptr;
    QToolButton *m_last = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_close = nullptr;
};
