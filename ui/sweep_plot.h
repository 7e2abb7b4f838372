// SPDX-License-Identifier: GPL-3.0-or-later
// The impedance curve of an imported sweep on a logarithmic frequency axis,
// with its two peaks and the minimum between them marked.
#pragma once

#include "core/sweep.h"

#include <QWidget>

class QPainter;

#include <vector>

namespace cylindra {

class SweepPlot : public QWidget {
  public:
    explicit SweepPlot(QWidget* parent);

    void set_sweep(std::vector<SweepPoint> points, const TuningFound& tuning);
    bool has_sweep() const { return !m_points.empty(); }

    QSize sizeHint() const override { return {440, 220}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Where a point lies on the widget.
    QPointF at(double hz, double ohms) const;
    void draw_grid(QPainter& painter) const;
    void draw_mark(QPainter& painter, const SweepPoint& p, const QColor& colour,
                   const QString& text) const;

    std::vector<SweepPoint> m_points;
    TuningFound m_tuning;
    double m_top_ohms = 1;
    QRectF m_area; // the plotting area inside the axes' labels
};

} // namespace cylindra
