#include "data/dbase/CodePages.h"
