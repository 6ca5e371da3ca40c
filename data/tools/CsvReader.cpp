#include "data/tools/CsvReader.h"
