#pragma once
// The general number format by its first, plain implementation.
#include <string>

#include <QChar>

std::string referenceFormatGeneral(double v, QChar decimalPoint);
