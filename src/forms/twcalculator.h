#pragma once
// The drop-down calculator of the calculator edit: a pocket-calculator engine (entry,
// pending operator, result) and the small popup window that drives it by buttons and keys.

#include <QFrame>
#include <QString>

#include <functional>

class QLabel;

class TCalculatorEngine
{
public:
    void clear();
    void start(double value);
    // One key: digits, ".", ",", "+", "-", "*", "/", "=", "%", "C" (clear), "B"
    // (backspace), "S" (change sign). Unknown keys are ignored.
    void press(QChar key);
    double value() const;
    // The number on the display ("." as decimal point; "Błąd" after a division by zero).
    QString display() const;
    bool failed() const { return m_failed; }

private:
    void applyPending();

    QString m_entry = QStringLiteral("0");
    double m_accumulator = 0;
    QChar m_pending;
    bool m_fresh = true; // the next digit starts a new entry
    bool m_failed = false;
};

class TCalculatorPopup : public QFrame
{
    Q_OBJECT
public:
    explicit TCalculatorPopup(QWidget *owner);

    // Shows the popup under anchor with the value as the starting entry.
    void popup(QWidget *anchor, double value);
    TCalculatorEngine &engine() { return m_engine; }
    QString displayText() const;

    // Called with the result when the user accepts it (Enter or the OK button).
    std::function<void(double)> onAccept;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void press(QChar key);
    void accept();
    void refresh();

    TCalculatorEngine m_engine;
    QLabel *m_display;
};
