#pragma once

#include "vbscript/ScriptError.h"

#include <string>

namespace vbs {

// Descriptions of the language's error numbers, in English and French.
namespace errors {

enum : int {
    InvalidCall = 5,
    Overflow = 6,
    OutOfMemory = 7,
    SubscriptOutOfRange = 9,
    ArrayFixed = 10,
    DivisionByZero = 11,
    TypeMismatch = 13,
    UserInterrupt = 18,
    OutOfStack = 28,
    SubNotDefined = 35,
    ObjectNotSet = 91,
    ForNotInitialized = 92,
    InvalidNull = 94,
    ObjectRequired = 424,
    CannotCreateObject = 429,
    NoSuchMember = 438,
    WrongArguments = 450,
    NotACollection = 451,
    UnsupportedType = 458,
    VariableUndefined = 500,
    IllegalAssignment = 501,
    ClassNotDefined = 506,
    SyntaxError = 1002,
    ExpectedColon = 1003,
    ExpectedLParen = 1005,
    ExpectedRParen = 1006,
    ExpectedIdentifier = 1010,
    ExpectedEquals = 1011,
    ExpectedIf = 1012,
    ExpectedTo = 1013,
    ExpectedEnd = 1014,
    ExpectedFunction = 1015,
    ExpectedSub = 1016,
    ExpectedThen = 1017,
    ExpectedWend = 1018,
    ExpectedLoop = 1019,
    ExpectedNext = 1020,
    ExpectedCase = 1021,
    ExpectedSelect = 1022,
    ExpectedExpression = 1023,
    ExpectedStatement = 1024,
    ExpectedEndOfStatement = 1025,
    ExpectedInteger = 1026,
    ExpectedWhileUntil = 1027,
    ExpectedWith = 1029,
    InvalidNumber = 1031,
    InvalidCharacter = 1032,
    UnterminatedString = 1033,
    InvalidExit = 1039,
    InvalidForVariable = 1040,
    NameRedefined = 1041,
    MustBeFirstStatement = 1042,
    ParenthesesOnSubCall = 1044,
    ExpectedLiteral = 1045,
    ExpectedIn = 1046,
    ExpectedClass = 1047,
    PropertyOutsideClass = 1048,
    ExpectedProperty = 1050,
    MultipleDefaults = 1052,
};

std::u16string description(int number, Language language);
std::u16string runtimeSource(Language language);
std::u16string compileSource(Language language);

} // namespace errors
} // namespace vbs
