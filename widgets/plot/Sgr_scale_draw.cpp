// Painting an axis: its line, tick marks and labels.
#include <algorithm>

#include <QFontMetrics>
#include <QPainter>

#include "widgets/plot/Sgr_scale.h"

namespace {

constexpr int kMarkLength = 4;
constexpr int kLabelGap = 5;

}  // namespace

void Tsp_Scale::DrawLine(QPainter& p, int startExt, int endExt) const {
    if (!LineAttr.Visible() || LineAttr.Style() == Qt::NoPen) return;
    // A wide line is laid as parallel one-pixel lines stepping away from the
    // field, so its inner edge stays on the line position whatever the width.
    QPen pen(LineAttr.Color(), 1, LineAttr.Style());
    p.save();
    p.setPen(pen);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    int w = std::max<int>(1, LineAttr.Width());
    for (int k = 0; k < w; ++k) {
        if (Vertical()) {
            int x = FarSide() ? OX + k : OX - k;
            p.drawLine(x, OY - Len - endExt, x, OY + startExt);
        } else {
            int y = FarSide() ? OY - k : OY + k;
            p.drawLine(OX - startExt, y, OX + Len + endExt, y);
        }
    }
    p.restore();
}

void Tsp_Scale::DrawTicks(QPainter& p, const QColor& fontColor) const {
    if (!TicksLines() && NoTicksLabel()) return;
    p.save();
    p.setPen(QPen(fontColor, 1, Qt::SolidLine));
    const QFontMetrics fm = p.fontMetrics();
    const int h = fm.height();
    const int w = LineAttr.Width();
    for (int i = 0; i < Count; ++i) {
        int t = TickPos[i];
        QString label = NoTicksLabel() ? QString() : TickLabel(i);
        int tw = fm.horizontalAdvance(label);
        if (Vertical()) {
            if (!FarSide()) {
                int outer = OX - w;  // first column outside the line
                if (TicksLines()) p.drawLine(outer, t, outer - (kMarkLength - 1), t);
                if (!label.isEmpty()) {
                    int right = OX - w + 1 - kLabelGap;  // last column of the text
                    p.drawText(QRect(right - tw + 1, t - h / 2, tw, h), Qt::AlignRight | Qt::AlignTop, label);
                }
            } else {
                int outer = OX + w;
                if (TicksLines()) p.drawLine(outer, t, outer + kMarkLength - 1, t);
                if (!label.isEmpty())
                    p.drawText(QRect(OX + w - 1 + kLabelGap, t - h / 2, tw, h), Qt::AlignLeft | Qt::AlignTop, label);
            }
        } else {
            if (!FarSide()) {
                int outer = OY + w;
                if (TicksLines()) p.drawLine(t, outer, t, outer + kMarkLength - 1);
                if (!label.isEmpty())
                    p.drawText(QRect(t - tw / 2, OY + w - 1 + kLabelGap, tw, h), Qt::AlignLeft | Qt::AlignTop, label);
            } else {
                int outer = OY - w;
                if (TicksLines()) p.drawLine(t, outer, t, outer - (kMarkLength - 1));
                if (!label.isEmpty()) {
                    int bottom = OY - w + 1 - kLabelGap;
                    p.drawText(QRect(t - tw / 2, bottom - h + 1, tw, h), Qt::AlignLeft | Qt::AlignTop, label);
                }
            }
        }
    }
    p.restore();
}

QRect Tsp_Scale::CalcDrawBounds(const QPainter& p) const {
    const QFontMetrics fm = p.fontMetrics();
    int cw = fm.horizontalAdvance('0');
    int band = BandWidth(cw, fm.height());
    int orgIndent = OrgIndent(cw, fm.height()), endIndent = EndIndent(cw, fm.height());
    if (Vertical()) {
        int top = OY - Len - endIndent, bottom = OY + orgIndent;
        return FarSide() ? QRect(QPoint(OX, top), QPoint(OX + band - 1, bottom))
                         : QRect(QPoint(OX - band + 1, top), QPoint(OX, bottom));
    }
    int left = OX - orgIndent, right = OX + Len + endIndent;
    return FarSide() ? QRect(QPoint(left, OY - band + 1), QPoint(right, OY))
                     : QRect(QPoint(left, OY), QPoint(right, OY + band - 1));
}
