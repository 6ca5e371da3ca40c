#pragma once
// Compile errors of the expression parser. Arithmetic faults during an
// evaluation are plain kv::Error with the floating-point messages.
#include "core/Error.h"

class EMathParserError : public kv::Error {
public:
    using kv::Error::Error;
};

// No recogniser accepts a term.
class ESyntaxError : public EMathParserError {
public:
    using EMathParserError::EMathParserError;
};

class EExpressionHasBlanks : public EMathParserError {
public:
    using EMathParserError::EMathParserError;
};

// More than 50 operations on one level of the operation grid.
class EExpressionTooComplex : public EMathParserError {
public:
    using EMathParserError::EMathParserError;
};

// More than 20 levels of operands.
class ETooManyNestings : public EMathParserError {
public:
    using EMathParserError::EMathParserError;
};

class EMissMatchingBracket : public EMathParserError {
public:
    using EMathParserError::EMathParserError;
};

// A variable or function name that is no identifier; the message is the name.
class EBadName : public EMathParserError {
public:
    using EMathParserError::EMathParserError;
};

class EParserInternalError : public EMathParserError {
public:
    using EMathParserError::EMathParserError;
};
