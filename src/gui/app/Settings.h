// The per-user settings store: application "qv4 RackMason", group "Settings",
// every value stored as text. Positions and sizes are in twips, 1440 per
// logical inch of the screen.
#pragma once

#include <QFont>
#include <QString>
#include <array>

namespace rm::gui {

struct GridSettings {
    QString fontName = "Arial";
    QString fontSize = "7";
    bool bold = false;
    bool italic = false;
    std::array<int, 7> colWidths = standardColumnWidths();
    bool sizeStored = false;    // FontFlexGridSize was in the store
    bool widthsStored = false;  // every GridColWidth was in the store

    // The platform's font size when no size is stored and it is the larger;
    // widths that are not stored grow with it, so the labels stay readable.
    void preferPlatformSize(double platformPointSize);

    static std::array<int, 7> standardColumnWidths() { return {300, 1200, 3600, 1200, 1200, 1200, 1200}; }
    QFont font() const;
};

struct WindowSettings {
    int mainLeft = 1000, mainTop = 1000, mainWidth = 6500, mainHeight = 6500;
    int treeLeft = -1, treeTop = -1;  // -1: not stored, computed from the main window
    bool positionStored = false;      // MainLeft and MainTop were in the store
    bool sizeStored = false;          // MainWidth and MainHeight were in the store
    QString dockLayout;               // the docks' places and sizes, base64; empty: not stored
    int stationPicture = -1;          // the station picture beside the tables: 1 shown, 0 hidden, -1 not stored
};

struct StoredSettings {
    GridSettings grid;
    WindowSettings windows;
};

StoredSettings loadSettings();
void saveSettings(const StoredSettings& s);

int twipsToPixels(int twips);
int pixelsToTwips(int pixels);

}  // namespace rm::gui
