#pragma once
// The little circuit drawn above the series and the parallel lists: three
// resistors in a row, or side by side between two rails, each named.
#include <QWidget>

class QLabel;

class TCircuitSketch : public QWidget {
    Q_OBJECT
public:
    enum Wiring { Series, Parallel };

    TCircuitSketch(QWidget* parent, const char* objectName, QRect place, Wiring wiring);

    // "Rз", "Rи", "Rn" beside their resistors.
    QLabel* names[3];

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect resistor(int k) const;
    Wiring wiring_;
};
