#pragma once
// Names the program shows about itself.
#include <QString>

namespace kv {

// The application title: message boxes and the help set carry it.
inline const QString kAppTitle = QStringLiteral("Veltrano Prof.");
// The help set's name, kept as the program has always named it.
inline const QString kHelpFile = QStringLiteral("C:\\BOOK2\\kvantor.hlp");
inline const QString kProductName = QStringLiteral("Kvantor2");
// The name the desktop knows the program by: its menu entry and its icon.
inline const QString kAppId = QStringLiteral("com.tessmark.Kvantor2");
inline const QString kMakerName = QStringLiteral("Tessmark Ltd.");

// The program's version, defined once by the build.
QString appVersion();

}  // namespace kv
