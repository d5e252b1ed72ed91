#include "twplacement.h"

#include "common/apppaths.h"
#include "common/inifile.h"
#include "common/registry.h"
#include "common/twtools.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

TFormPlacement::TFormPlacement(Store store, const QString &keyOrFile, const QString &section)
    : m_store(store), m_keyOrFile(keyOrFile), m_section(section)
{
}

QString TFormPlacement::settingsFileName() const
{
    const QString dir = m_location.isEmpty() ? ConfigDir() : IncludeTrailingBackslash(m_location);
    return dir + m_keyOrFile;
}

QString TFormPlacement::registryKey() const
{
    QString key = m_keyOrFile;
    while (key.endsWith(QLatin1Char('\\')))
        key.chop(1);
    return key + QLatin1Char('\\') + m_section;
}

bool TFormPlacement::writeString(const QString &name, const QString &value) const
{
    if (m_store == Registry) {
        TRegistry registry(m_location);
        return registry.openKey(registryKey(), true) && registry.writeString(name, value);
    }
    TIniFile ini(settingsFileName());
    ini.load();
    ini.writeString(m_section, name, value);
    return ini.save();
}

QString TFormPlacement::readString(const QString &name, const QString &defaultValue) const
{
    if (m_store == Registry) {
        TRegistry registry(m_location);
        QString value;
        if (registry.openKeyReadOnly(registryKey()) && registry.readString(name, value))
            return value;
        return defaultValue;
    }
    TIniFile ini(settingsFileName());
    ini.load();
    return ini.readString(m_section, name, defaultValue);
}

bool TFormPlacement::writeInteger(const QString &name, int value) const
{
    return writeString(name, QString::number(value));
}

int TFormPlacement::readInteger(const QString &name, int defaultValue) const
{
    bool ok = false;
    const int v = readString(name).trimmed().toInt(&ok);
    return ok ? v : defaultValue;
}

bool TFormPlacement::save(const QWidget *window) const
{
    if (!m_active || !window)
        return false;
    const QRect g = window->isMaximized() ? window->normalGeometry() : window->geometry();
    bool ok = true;
    ok &= writeInteger(QStringLiteral("Left"), g.x());
    ok &= writeInteger(QStringLiteral("Top"), g.y());
    ok &= writeInteger(QStringLiteral("Width"), g.width());
    ok &= writeInteger(QStringLiteral("Height"), g.height());
    ok &= writeInteger(QStringLiteral("State"), window->isMaximized() ? 2 : 0);
    return ok;
}

bool TFormPlacement::restore(QWidget *window) const
{
    if (!m_active || !window)
        return false;
    const int width = readInteger(QStringLiteral("Width"), -1);
    const int height = readInteger(QStringLiteral("Height"), -1);
    if (width <= 0 || height <= 0)
        return false;
    QRect g(readInteger(QStringLiteral("Left"), window->x()), readInteger(QStringLiteral("Top"), window->y()), width, height);
    bool onScreen = false;
    for (const QScreen *s : QGuiApplication::screens())
        onScreen |= s->availableGeometry().intersects(g);
    if (!onScreen && QGuiApplication::primaryScreen())
        g.moveTopLeft(QGuiApplication::primaryScreen()->availableGeometry().topLeft());
    window->move(g.topLeft());
    window->resize(g.size().expandedTo(window->minimumSize()));
    if (readInteger(QStringLiteral("State"), 0) == 2)
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
    return true;
}
