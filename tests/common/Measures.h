#pragma once

#include <QImage>

#include <vector>

// Measures shared by the tests and the benchmarks, which do not link the test runner.

// Peak signal-to-noise ratio of two images of the same size, in dB (infinity when equal, 0
// for images of different sizes).
double Psnr(const QImage& a, const QImage& b);

// The median of the values; 0 for none.
double Median(std::vector<double> values);
