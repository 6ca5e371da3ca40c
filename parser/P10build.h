#pragma once
// The expression compiler: text in, operation list out.
#include <memory>
#include <string_view>

#include "parser/NameTables.h"
#include "parser/OperationList.h"

// Compiles `text` (not empty) with the given names. Throws the parser errors
// of ParserErrors.h; nothing built so far survives an error.
std::unique_ptr<OperationList> ParseFunction(std::string_view text, const NameTables& names);
