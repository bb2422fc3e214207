#pragma once

#include <QFont>

class QApplication;

namespace app {

/// The program's look, standing in for the "Turquoise Gray" visual style: Fusion with a light
/// turquoise-and-grey palette, turquoise tabs with white captions, and fonts that render Turkish
/// letters (the layouts' "Tahoma" and "Arial" are mapped to DejaVu when they are not installed).
/// A missing style leaves the default look; nothing is reported.
void applyTheme(QApplication& application);

/// The program's text font ("Tahoma" of the layouts) at a pixel size. Where Tahoma is not
/// installed its stand-in is drawn semi-condensed, close to Tahoma's narrow letters.
QFont uiFont(int pixelSize, bool bold = false);

/// Loads the program's own artwork (":/app/..."); needed once because the client is a static
/// library.
void initResources();

// The palette, for widgets that paint themselves.
inline constexpr char kTurquoise[] = "#14a0a6";
inline constexpr char kTurquoiseDark[] = "#0d7f86";
inline constexpr char kTurquoiseLight[] = "#dff4f5";
inline constexpr char kGreyText[] = "#37474f";
inline constexpr char kGreyPanel[] = "#eceff1";

}  // namespace app
