#pragma once
// Making the controls of a tool window: each keeps its form's name as object
// name (tests and style sheets find it by that) and the place the form gives it.
//
//     Edit1 = forms::placed(new QLineEdit(this), "Edit1", {8, 23, 201, 24});
//     Label1 = forms::label(this, "Label1", "Input name ", {72, 0}, boldSerif);
#include <optional>

#include <QFont>
#include <QIcon>
#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QToolButton;
class QWidget;

namespace forms {

void name(QWidget* w, const char* objectName);

template <class W>
W* placed(W* w, const char* objectName, QRect place) {
    name(w, objectName);
    w->setGeometry(place);
    return w;
}

// A label sized to its text (in `font` when given) with its top left at `at`.
QLabel* label(QWidget* parent, const char* objectName, const QString& text, QPoint at,
              const std::optional<QFont>& font = std::nullopt);
// A group's heading: bold and navy.
QLabel* heading(QWidget* parent, const char* objectName, const QString& text, QPoint at);
// A sunken frame drawn behind the controls it groups.
QFrame* bevel(QWidget* parent, const char* objectName, QRect place);

// A button showing a glyph only, named by its hint; `flat` ones show their
// frame under the mouse only.
QToolButton* pictureButton(QWidget* parent, const char* objectName, QRect place, const QIcon& icon,
                           const QString& hint, bool flat = false);

}  // namespace forms
