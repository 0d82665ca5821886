// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QVector>

namespace vindel {

// What a front-panel picture must show: its size, the model and the yellow
// frame around the control port, which the windows rely on.
struct FrontPanelModel {
    QString modelName;
    int width = 0;
    int portCount = 0;  // every port, the gigabit ports included
    int rows = 2;       // 1: one row of ports; 2: numbered pairs
    QRect frame;        // outer edges of the yellow frame, inclusive
    int frameThickness = 0;
};

// Lays out and draws one switch front: indicators at the left, the numbered
// RJ-45 ports, the gigabit ports with their SFP slots at the right, and the
// frame around the highest-numbered gigabit port. Every position is derived
// from the frame, so the framed port always sits inside it.
class FrontPanel final {
  public:
    static constexpr int Height = 85;

    explicit FrontPanel(FrontPanelModel model);

    // An 8-bit RGB picture without alpha.
    QImage Draw() const;

  private:
    struct Jack {
        QRect body;
        QRect label;
        QString name;
        bool latchUp = false;
    };

    void LayOut();
    void AddColumn(int x, int jackWidth, const QString& topName, const QString& bottomName);

    FrontPanelModel model_;
    int jack_height_ = 0;
    int top_jack_y_ = 0;
    int bottom_jack_y_ = 0;
    QVector<Jack> jacks_;
    QVector<QRect> sfp_slots_;
    QRect port_bay_;
    QRect grille_;
};

}  // namespace vindel
