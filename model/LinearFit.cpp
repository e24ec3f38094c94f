#include "model/LinearFit.h"

void LinearFit(const double* x, const double* y, int first, int last, double& intercept,
               double& slope)
{
    const int n = last - first + 1;
    double sx = 0.0, sy = 0.0, sxx = 0.0, sxy = 0.0;
    for (int i = first; i <= last; ++i) {
        sx += x[i];
        sy += y[i];
        sxx += x[i] * x[i];
        sxy += x[i] * y[i];
    }
    const double delta = n * sxx - sx * sx;
    if (delta == 0.0)
        return;
    intercept = (sxx * sy - sx * sxy) / delta;
    slope = (n * sxy - sx * sy) / delta;
}

double MinOf(const double* values, int n)
{
    double result = 1e36;
    for (int i = 0; i < n; ++i)
        if (values[i] < result)
            result = values[i];
    return result;
}

double MaxOf(const double* values, int n)
{
    double result = -1e36;
    for (int i = 0; i < n; ++i)
        if (values[i] > result)
            result = values[i];
    return result;
}
