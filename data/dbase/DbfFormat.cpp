#include "data/dbase/DbfFormat.h"
