#pragma once
// The progress window of recording and printing: a caption, a gauge and a cancel button
// that asks before it abandons the document.

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;
class TMWPrintObject;

class TPrintBarForm : public QWidget
{
    Q_OBJECT

public:
    explicit TPrintBarForm(QWidget *parent = nullptr);
    void start(TMWPrintObject &engine, const QString &caption, bool cancelButton, int maximum);
    void setCaption(const QString &caption);
    void setPosition(int position);
    QString caption() const;
    int position() const;
    QPushButton *cancelButton() const { return m_cancel; }

private:
    void cancelClicked();

    TMWPrintObject *m_engine = nullptr;
    QLabel *m_caption = nullptr;
    QProgressBar *m_gauge = nullptr;
    QPushButton *m_cancel = nullptr;
};
