#include "forms/twcalculator.h"

#include "common/twtools.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <cmath>

void TCalculatorEngine::clear()
{
    m_entry = QStringLiteral("0");
    m_accumulator = 0;
    m_pending = QChar();
    m_fresh = true;
    m_failed = false;
}

void TCalculatorEngine::start(double value)
{
    clear();
    m_entry = FloatToText(value);
}

double TCalculatorEngine::value() const
{
    double v = 0;
    return TextToFloat(m_entry, v) ? v : 0;
}

QString TCalculatorEngine::display() const
{
    return m_failed ? QStringLiteral("Błąd") : m_entry;
}

void TCalculatorEngine::applyPending()
{
    const double x = value();
    double r = x;
    switch (m_pending.unicode()) {
    case '+': r = m_accumulator + x; break;
    case '-': r = m_accumulator - x; break;
    case '*': r = m_accumulator * x; break;
    case '/':
        if (x == 0) {
            m_failed = true;
            r = 0;
        } else {
            r = m_accumulator / x;
        }
        break;
    default: break;
    }
    if (!std::isfinite(r)) {
        m_failed = true;
        r = 0;
    }
    m_accumulator = r;
    m_entry = FloatToText(r);
    m_pending = QChar();
}

void TCalculatorEngine::press(QChar key)
{
    if (m_failed && key != QLatin1Char('C'))
        return;
    if (key.isDigit()) {
        if (m_fresh || m_entry == QLatin1String("0"))
            m_entry = key;
        else if (m_entry == QLatin1String("-0"))
            m_entry = QStringLiteral("-") + key;
        else if (m_entry.size() < 20)
            m_entry += key;
        m_fresh = false;
        return;
    }
    switch (key.unicode()) {
    case '.':
    case ',':
        if (m_fresh) {
            m_entry = QStringLiteral("0.");
            m_fresh = false;
        } else if (!m_entry.contains(QLatin1Char('.'))) {
            m_entry += QLatin1Char('.');
        }
        break;
    case '+':
    case '-':
    case '*':
    case '/':
        if (!m_pending.isNull() && !m_fresh)
            applyPending();
        else if (m_pending.isNull())
            m_accumulator = value();
        m_pending = key;
        m_fresh = true;
        break;
    case '=':
        if (!m_pending.isNull())
            applyPending();
        m_fresh = true;
        break;
    case '%':
        // Percent of the accumulator, as pocket calculators do ("200 + 10 %" adds 20).
        if (!m_pending.isNull()) {
            m_entry = FloatToText(m_accumulator * value() / 100.0);
            m_fresh = false;
        }
        break;
    case 'C':
        clear();
        break;
    case 'B':
        if (!m_fresh) {
            m_entry.chop(1);
            if (m_entry.isEmpty() || m_entry == QLatin1String("-"))
                m_entry = QStringLiteral("0");
        }
        break;
    case 'S':
        if (m_entry.startsWith(QLatin1Char('-')))
            m_entry.remove(0, 1);
        else if (m_entry != QLatin1String("0"))
            m_entry.prepend(QLatin1Char('-'));
        break;
    default:
        break;
    }
}

TCalculatorPopup::TCalculatorPopup(QWidget *owner)
    : QFrame(owner, Qt::Popup)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(4, 4, 4, 4);
    box->setSpacing(3);
    m_display = new QLabel(this);
    m_display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_display->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_display->setMinimumHeight(22);
    m_display->setAutoFillBackground(true);
    QPalette pal = m_display->palette();
    pal.setColor(QPalette::Window, Qt::white);
    m_display->setPalette(pal);
    box->addWidget(m_display);
    auto *grid = new QGridLayout;
    grid->setSpacing(2);
    struct TKey
    {
        const char *caption;
        char key;
        int row, col;
    };
    static const TKey keys[] = {
        {"C", 'C', 0, 0}, {"\xe2\x86\x90", 'B', 0, 1}, {"\xc2\xb1", 'S', 0, 2}, {"/", '/', 0, 3},
        {"7", '7', 1, 0}, {"8", '8', 1, 1},           {"9", '9', 1, 2},        {"*", '*', 1, 3},
        {"4", '4', 2, 0}, {"5", '5', 2, 1},           {"6", '6', 2, 2},        {"-", '-', 2, 3},
        {"1", '1', 3, 0}, {"2", '2', 3, 1},           {"3", '3', 3, 2},        {"+", '+', 3, 3},
        {"0", '0', 4, 0}, {".", '.', 4, 1},           {"%", '%', 4, 2},        {"=", '=', 4, 3},
    };
    for (const TKey &k : keys) {
        auto *b = new QPushButton(QString::fromUtf8(k.caption), this);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedSize(30, 24);
        const QChar key = QLatin1Char(k.key);
        connect(b, &QPushButton::clicked, this, [this, key] { press(key); });
        grid->addWidget(b, k.row, k.col);
    }
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setFocusPolicy(Qt::NoFocus);
    connect(ok, &QPushButton::clicked, this, &TCalculatorPopup::accept);
    grid->addWidget(ok, 5, 0, 1, 4);
    box->addLayout(grid);
}

void TCalculatorPopup::popup(QWidget *anchor, double value)
{
    m_engine.start(value);
    refresh();
    adjustSize();
    QPoint pos = anchor->mapToGlobal(QPoint(anchor->width() - width(), anchor->height()));
    if (QScreen *screen = anchor->screen()) {
        const QRect avail = screen->availableGeometry();
        if (pos.y() + height() > avail.bottom())
            pos.setY(anchor->mapToGlobal(QPoint(0, 0)).y() - height());
        pos.setX(qBound(avail.left(), pos.x(), qMax(avail.left(), avail.right() - width())));
    }
    move(pos);
    show();
    setFocus();
}

QString TCalculatorPopup::displayText() const
{
    return m_display->text();
}

void TCalculatorPopup::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        accept();
        return;
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_Backspace:
        press(QLatin1Char('B'));
        return;
    case Qt::Key_Delete:
        press(QLatin1Char('C'));
        return;
    default:
        break;
    }
    const QString t = event->text();
    if (t.size() == 1 && QStringLiteral("0123456789.,+-*/=%").contains(t.at(0))) {
        press(t.at(0));
        return;
    }
    QFrame::keyPressEvent(event);
}

void TCalculatorPopup::press(QChar key)
{
    m_engine.press(key);
    refresh();
}

void TCalculatorPopup::accept()
{
    m_engine.press(QLatin1Char('='));
    refresh();
    if (m_engine.failed())
        return;
    const double v = m_engine.value();
    close();
    if (onAccept)
        onAccept(v);
}

void TCalculatorPopup::refresh()
{
    m_display->setText(m_engine.display());
}
