#include "data/dbase/Filter.h"
