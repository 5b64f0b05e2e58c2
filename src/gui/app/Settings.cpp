#include "gui/app/Settings.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <algorithm>

namespace rm::gui {

namespace {
QSettings store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("RackMason"),
                     QStringLiteral("qv4 RackMason"));
}
int number(const QSettings& s, const QString& key, int def)
{
    bool ok = false;
    const int v = s.value(key).toString().toInt(&ok);
    return ok ? v : def;
}
double dpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}
}  // namespace

QFont GridSettings::font() const
{
    QFont f(fontName);
    bool ok = false;
    const double size = fontSize.toDouble(&ok);
    f.setPointSizeF(ok && size > 0 ? size : 7);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

void GridSettings::preferPlatformSize(double platformPointSize)
{
    bool ok = false;
    const double size = fontSize.toDouble(&ok);
    if (sizeStored || platformPointSize <= 0 || (ok && platformPointSize <= size)) return;
    fontSize = QString::number(platformPointSize);
    if (widthsStored) return;
    const double grow = platformPointSize / (ok && size > 0 ? size : 7.0);
    for (int& w : colWidths) w = static_cast<int>(w * grow + 0.5);
}

StoredSettings loadSettings()
{
    StoredSettings r;
    QSettings s = store();
    s.beginGroup("Settings");
    auto& w = r.windows;
    w.mainLeft = number(s, "MainLeft", 1000);
    w.mainTop = number(s, "MainTop", 1000);
    w.mainWidth = number(s, "MainWidth", 6500);
    w.mainHeight = number(s, "MainHeight", 6500);
    w.positionStored = s.contains("MainLeft") && s.contains("MainTop");
    w.sizeStored = s.contains("MainWidth") && s.contains("MainHeight");
    w.treeLeft = number(s, "TreeLeft", -1);
    w.treeTop = number(s, "TreeTop", -1);
    w.dockLayout = s.value("DockLayout").toString();
    w.stationPicture = std::clamp(number(s, "StationPicture", -1), -1, 1);
    auto& g = r.grid;
    g.fontName = s.value("FontFlexGridName", "Arial").toString();
    g.fontSize = s.value("FontFlexGridSize", "7").toString();
    g.sizeStored = s.contains("FontFlexGridSize");
    g.bold = number(s, "FontFlexGridBold", 0) == 1;
    g.italic = number(s, "FontFlexGridItalic", 0) == 1;
    const auto standard = GridSettings::standardColumnWidths();
    g.widthsStored = true;
    for (int i = 0; i < 7; ++i) {
        g.colWidths[i] = number(s, "GridColWidth" + QString::number(i), standard[i]);
        g.widthsStored &= s.contains("GridColWidth" + QString::number(i));
    }
    return r;
}

void saveSettings(const StoredSettings& r)
{
    QSettings s = store();
    s.beginGroup("Settings");
    const auto& w = r.windows;
    s.setValue("MainLeft", QString::number(w.mainLeft));
    s.setValue("MainTop", QString::number(w.mainTop));
    s.setValue("MainWidth", QString::number(w.mainWidth));
    s.setValue("MainHeight", QString::number(w.mainHeight));
    if (w.treeLeft >= 0) s.setValue("TreeLeft", QString::number(w.treeLeft));
    if (w.treeTop >= 0) s.setValue("TreeTop", QString::number(w.treeTop));
    if (!w.dockLayout.isEmpty()) s.setValue("DockLayout", w.dockLayout);
    if (w.stationPicture >= 0) s.setValue("StationPicture", QString::number(w.stationPicture));
    const auto& g = r.grid;
    s.setValue("FontFlexGridName", g.fontName);
    s.setValue("FontFlexGridSize", g.fontSize);
    s.setValue("FontFlexGridBold", g.bold ? "1" : "0");
    s.setValue("FontFlexGridItalic", g.italic ? "1" : "0");
    for (int i = 0; i < 7; ++i) s.setValue("GridColWidth" + QString::number(i), QString::number(g.colWidths[i]));
}

int twipsToPixels(int twips)
{
    return static_cast<int>(twips * dpi() / 1440.0 + 0.5);
}
int pixelsToTwips(int pixels)
{
    return static_cast<int>(pixels * 1440.0 / dpi() + 0.5);
}

}  // namespace rm::gui
