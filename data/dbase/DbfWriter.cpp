#include "data/dbase/DbfWriter.h"
