// The kinds of a start-up log record, shared by the rules (which log their own
// procedures through events) and the log writer.
#pragma once

namespace zembrol {

inline constexpr int kLogEnter = 5;   // opens an indentation group, marker ">> "
inline constexpr int kLogLeave = 10;  // closes one, marker "<< "
inline constexpr int kLogPlain = 15;  // keeps the indentation, no marker

}  // namespace zembrol
