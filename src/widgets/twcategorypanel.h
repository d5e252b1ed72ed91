#pragma once
// A collapsible panel: a title bar that folds the content away or shows it again when
// clicked.

#include <QWidget>

class QToolButton;
class QVBoxLayout;

class TCategoryPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TCategoryPanel(const QString &title, QWidget *parent = nullptr);

    QWidget *content() const { return m_content; }
    QVBoxLayout *contentLayout() const { return m_contentLayout; }
    QToolButton *titleButton() const { return m_title; }
    bool isCollapsed() const;
    void setCollapsed(bool collapsed);
    void toggle() { setCollapsed(!isCollapsed()); }

signals:
    void collapsedChanged(bool collapsed);

private:
    QToolButton *m_title = nullptr;
    QWidget *m_content = nullptr;
    QVBoxLayout *m_contentLayout = nullptr;
};
