#pragma once
// A record navigator bound to a table's data source: first, prior, next, last
// and refresh, each a picture button with its hint. A move that cannot go
// anywhere (prior on the first row, next on the last) is unavailable.
#include <QWidget>

class QToolButton;
class TDataSource;

class TDBNavigator : public QWidget {
    Q_OBJECT
public:
    TDBNavigator(TDataSource* source, QWidget* parent = nullptr);

    QToolButton *First, *Prior, *Next, *Last, *Refresh;

private:
    QToolButton* addButton(const char* name, const char* glyph, const QString& hint);
    // Makes the buttons available as the table's current row allows.
    void followTable();

    TDataSource* source_;
};
