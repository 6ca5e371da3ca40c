#include "data/dbase/Table.h"
