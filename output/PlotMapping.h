#pragma once
// Graph values to picture positions and back. Picture positions are drawing
// units (twips) from the top left of the picture, y growing downwards; the
// plotted range's lower left corner (PlotXMin, PlotYMin) stands at `origin`.
//
//   linear X       u = (X - PlotXMin) * kx          X = u / kx + PlotXMin
//   logarithmic X  u = ln(X / PlotXMin) * kx        X = e^(u / kx) * PlotXMin
//   linear Y       v = -(Y - PlotYMin) * ky         Y = PlotYMin - v / ky
//   logarithmic Y  v = -ln(Y / PlotYMin) * ky       Y = e^(-v / ky) * PlotYMin
//
// with (u, v) = picture position - origin, so larger Y is higher. kx and ky
// are drawing units per unit of X and Y, or per unit of ln X and ln Y.

#include <QPointF>

namespace tracol {

struct PlotMapping {
    QPointF origin;
    double xMin = 0, yMin = 0; // PlotXMin, PlotYMin
    double kx = 0, ky = 0;     // scale factors
    bool logX = false, logY = false;

    // The picture position of (x, y); not finite where a logarithmic axis has
    // no place for the value (x or y <= 0).
    QPointF toPicture(double x, double y) const;
    double pictureX(double x) const;
    double pictureY(double y) const;

    // The graph values at a picture position (the click readout).
    QPointF toValue(QPointF picture) const;
};

} // namespace tracol
