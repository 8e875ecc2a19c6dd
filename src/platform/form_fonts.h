#pragma once

#include <QFont>

// The windows' texts: a sans-serif face at 11 pixels, metric-compatible with the one the
// layouts were designed for.
QFont formFont();

// The section grid's texts: bold, 12 pixels.
QFont gridFont();
