#pragma once
// The hex viewer's data inspector panel: the fields for the bytes at the
// cursor (tools/hexview/Inspector.h), a switch of byte order, and a way to
// copy each value. Choosing a field tells how many bytes it reads, so the
// window can mark them in the dump.
#include <QWidget>
#include <vector>

#include "tools/hexview/Inspector.h"

class QCheckBox;
class QMenu;
class QTreeWidget;

class TInspectorPanel : public QWidget {
    Q_OBJECT
public:
    explicit TInspectorPanel(QWidget* parent = nullptr);

    QCheckBox* BigEndianCheck;
    QTreeWidget* InspectorList;  // one row a field: its name and its value
    QMenu* InspectorPopup;
    QAction* MenuCopyValue;

    void showFields(const std::vector<hexview::InspectorField>& fields);
    const std::vector<hexview::InspectorField>& fields() const { return fields_; }
    // The chosen field's value on the clipboard.
    void MenuCopyValueClick();

signals:
    void orderChanged(bool bigEndian);
    // A field was chosen: the bytes it reads from the cursor (none when it reads past the end).
    void fieldChosen(int length);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<hexview::InspectorField> fields_;
};
