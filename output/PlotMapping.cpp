#include "output/PlotMapping.h"

#include <cmath>
#include <limits>

namespace tracol {

namespace {

double along(double value, double min, double k, bool log) {
    if (!log)
        return (value - min) * k;
    if (!(value > 0))
        return std::numeric_limits<double>::quiet_NaN();
    return std::log(value / min) * k;
}

double valueAt(double offset, double min, double k, bool log) {
    return log ? std::exp(offset / k) * min : offset / k + min;
}

} // namespace

double PlotMapping::pictureX(double x) const {
    return origin.x() + along(x, xMin, kx, logX);
}

double PlotMapping::pictureY(double y) const {
    return origin.y() - along(y, yMin, ky, logY);
}

QPointF PlotMapping::toPicture(double x, double y) const {
    return QPointF(pictureX(x), pictureY(y));
}

QPointF PlotMapping::toValue(QPointF picture) const {
    const double u = picture.x() - origin.x();
    const double v = picture.y() - origin.y();
    return QPointF(valueAt(u, xMin, kx, logX), valueAt(-v, yMin, ky, logY));
}

} // namespace tracol
