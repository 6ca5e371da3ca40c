#include "widgets/forms/ProgramFonts.h"

#include <QApplication>
#include <QFont>

namespace forms {

namespace {

QtMessageHandler passOn = nullptr;

// Text of a script that needs OpenType shaping (N'Ko, say, which any binary
// shown as text holds) drawn with a face that lacks the tables makes Qt note
// "OpenType support missing for ..., script N" once per face and script. The
// characters are still drawn as well as the installed faces allow; the note
// says nothing the user can act on. Every other message passes on unchanged.
void dropFontNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.trimmed().startsWith(QLatin1String("OpenType support missing for")))
        return;
    if (passOn) passOn(type, context, message);
}

}  // namespace

void useProgramFonts() {
    static const bool filtering = [] {
        passOn = qInstallMessageHandler(dropFontNotes);
        return true;
    }();
    (void)filtering;
    // The window layouts are fixed in pixels for these faces; the usual
    // fallback (DejaVu) is some 15 % wider and cuts captions. Liberation's
    // faces have the same advance widths as the faces they stand in for.
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    // "MS Sans Serif" is a bitmap face with no metric twin; at 8 pt its
    // letters average 5 to 6 px. Measured at 8 pt (11 px at 96 dpi), Liberation
    // Sans averages 5.4 px a lower-case letter, DejaVu Sans Condensed 5.6 and
    // DejaVu Sans 6.2, and the windows' captions come out narrowest, or as
    // narrow, in Liberation Sans (the hot keys' first note, "You can change
    // the hot key to hide or restore...": 367, 377 and 419 px on one line).
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    // The bitmap faces "MS Serif" and "System" (the character grid's) have no
    // twins either: the serif and the sans face of the same family stand in.
    QFont::insertSubstitution(QStringLiteral("MS Serif"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("System"), QStringLiteral("Liberation Sans"));
    QApplication::setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
}

}  // namespace forms
