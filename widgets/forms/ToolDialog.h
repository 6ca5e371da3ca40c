#pragma once
// What every tool window's constructor does first: its frame, name, caption
// and client size. The windows take the application's font (set once by
// forms::useProgramFonts()), so none sets one of its own.
//
//     TDecForm::TDecForm(QWidget* parent) : QDialog(parent, forms::dialogFrame(forms::Frame::Fixed)) {
//         forms::setUpDialog(this, "DecForm", QStringLiteral("Decibel"), {406, 113});
#include <QSize>
#include <QString>
#include <Qt>

class QDialog;

namespace forms {

enum class Frame {
    Fixed,         // fixed size, a title and a close box
    FixedNoClose,  // fixed size, a title only: the window's own buttons close it
    Sizable,       // resizable, a title and a close box
    SizableMinMax, // resizable, with minimise and maximise boxes too
};

// The window flags for QDialog's constructor.
Qt::WindowFlags dialogFrame(Frame frame);

// Names the window (tests and style sheets find it by that), sets its
// caption and, when `fixedClientSize` is valid, fixes its client area to it.
// Tab follows the window's layout (forms::orderTabsWhenShown).
void setUpDialog(QDialog* dialog, const char* objectName, const QString& title, QSize fixedClientSize = {});

}  // namespace forms
