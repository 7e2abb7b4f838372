// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the program, drawn rather than stored: the section of the
// enclosure in the main window, to the proportions of the current design, and
// the exploded drawing of endcaps and plates with their letters A to I.
#pragma once

#include "core/design.h"
#include "core/diagram.h"
#include "core/drivers.h"

#include <QBrush>
#include <QPainterPath>
#include <QPen>
#include <QWidget>

#include <vector>

namespace cylindra {

// One outline or part of the section, as it is painted.
struct DiagramShape {
    QPainterPath path;
    QPen pen;
    QBrush brush;
    bool smooth = true; // antialiased: only shapes with slanted or curved edges

    bool operator==(const DiagramShape&) const = default;
};

class EnclosureDiagram : public QWidget {
  public:
    explicit EnclosureDiagram(QWidget* parent = nullptr);

    // Which of the eighteen configurations to show.
    void set_choice(const DiagramChoice& choice);
    const DiagramChoice& choice() const { return m_choice; }
    QString configuration_name() const { return QString::fromStdString(m_choice.name()); }

    // The dimensions to draw to; a design that cannot be drawn to scale
    // (nothing to see, or parts thousands of times apart) is drawn to the
    // start-up proportions instead.
    void set_design(const Design& design, const DriverValues& driver);
    bool drawn_to_scale() const { return m_to_scale; }

    QSize sizeHint() const override { return {190, 270}; }
    QSize minimumSizeHint() const override { return {150, 220}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void lay_out();

    DiagramChoice m_choice;
    Design m_design;
    DriverValues m_driver;
    bool m_to_scale = true;
    std::vector<DiagramShape> m_shapes;
};

// The endcaps and plates apart, lettered as the endcaps dialog's captions.
class PartsDrawing : public QWidget {
  public:
    PartsDrawing(bool with_cover, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {220, 300}; }
    QSize minimumSizeHint() const override { return {206, 276}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool m_with_cover;
};

} // namespace cylindra
