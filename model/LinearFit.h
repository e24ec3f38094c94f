// Least-squares line through a range of points, and the extremes of an array,
// from which the graph page takes its axis ranges.
#pragma once

// Fits y = slope * x + intercept through points first..last (inclusive). With
// fewer than two distinct x values the outputs are left untouched.
void LinearFit(const double* x, const double* y, int first, int last, double& intercept,
               double& slope);

// The smallest of values[0..n-1]; 1e36 when n <= 0.
double MinOf(const double* values, int n);
// The largest of values[0..n-1]; -1e36 when n <= 0.
double MaxOf(const double* values, int n);
