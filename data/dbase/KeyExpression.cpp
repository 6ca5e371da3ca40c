#include "data/dbase/KeyExpression.h"
