// The three vocabulary strings of the language and their lookups. The strings are kept
// exactly as scripts can observe them (do.allcommands, the compile listing); lookups go
// through tables made from the same lists, which answer the same as the substring search
// on the space-delimited string but without building a key.
#pragma once

#include <string>
#include <string_view>

#include "script/command_list.h"

// The operators, case-sensitive ("AND" is not one). ORDER: as the operator list shows them.
#define ZERIN_OPERATORS(X)                                                                      \
    X(Equals, "=") X(Greater, ">") X(Less, "<") X(NotEqual, "<>") X(Plus, "+") X(Minus, "-")   \
    X(Times, "*") X(Divide, "/") X(Power, "^") X(AddTo, "+=") X(SubtractFrom, "-=")            \
    X(MultiplyBy, "*=") X(DivideBy, "/=") X(EqualsPlus, "=+") X(Assign, "==") X(Backslash, "\\") \
    X(And, "and") X(Or, "or") X(To, "to")

// The keywords the interpreter runs itself, upper case. ORDER: as the keyword list shows them.
#define ZERIN_KEYWORDS(X)                                                                     \
    X(If, "IF") X(Else, "ELSE") X(ElseIf, "ELSEIF") X(EndIf, "ENDIF") X(End, "END")          \
    X(Goto, "GOTO") X(Gosub, "GOSUB") X(Do, "DO") X(LoopUntil, "LOOP.UNTIL") X(For, "FOR")   \
    X(Next, "NEXT") X(AppReturn, "APP.RETURN") X(Return, "RETURN")

namespace zerin {

enum class Op {
    None,
#define ZERIN_OP_ENUM(id, text) id,
    ZERIN_OPERATORS(ZERIN_OP_ENUM)
#undef ZERIN_OP_ENUM
};

enum class Keyword {
    None,
#define ZERIN_KEYWORD_ENUM(id, text) id,
    ZERIN_KEYWORDS(ZERIN_KEYWORD_ENUM)
#undef ZERIN_KEYWORD_ENUM
};

}  // namespace zerin

namespace zerin::vocabulary {

#define ZERIN_LIST_TEXT(id, text) text " "
inline constexpr std::string_view kOperatorList = " " ZERIN_OPERATORS(ZERIN_LIST_TEXT);
inline constexpr std::string_view kKeywordList = " " ZERIN_KEYWORDS(ZERIN_LIST_TEXT);
#undef ZERIN_LIST_TEXT

// " rnd 1 int 2 ... gfx.mouse.y 150 "
const std::string& commandTable();

// The number of a command name (any case), or 0 when it is not a command.
int commandNumber(std::string_view word);
// The name of command `number` (1..150), or empty.
std::string_view commandName(int number);
// Whether command `number` carries `flag`; a number outside 1..150 carries none.
bool hasFlag(int number, unsigned flag);

Op operatorOf(std::string_view token);             // case-sensitive
Keyword keywordOf(std::string_view word);           // upper-cased first
inline bool isOperator(std::string_view token) { return operatorOf(token) != Op::None; }
inline bool isKeyword(std::string_view word) { return keywordOf(word) != Keyword::None; }

// The seven names that are in the table but have no handler.
inline bool isReserved(int number) { return hasFlag(number, kReserved); }

// Eight-digit command code of the compiled form: 10000000 + number.
std::string commandCode(int number);

}  // namespace zerin::vocabulary
