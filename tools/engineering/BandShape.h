#pragma once
// A filled shape of a component drawing: a body, a lead or a colour band,
// painted in its brush colour with a thin dark outline.
#include <QColor>
#include <QWidget>

class TBandShape : public QWidget {
    Q_OBJECT
public:
    enum Kind { Rectangle, RoundBody };

    TBandShape(QWidget* parent, const char* objectName, QRect place, QColor brush, Kind kind = Rectangle);

    void setBrushColor(QColor c);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor brush_;
    Kind kind_;
};
