#pragma once

// Answer lines read from the terminal, a file or a pipe, each bounded: input that cannot
// hold answers (/dev/zero, a binary file given by mistake, a line without end) stops the
// reading at once instead of filling memory for ever.

#include <cstddef>
#include <iosfwd>
#include <string>

namespace quill
{

// Far beyond any answer a pupil types, small enough that reading costs nothing.
inline constexpr std::size_t longestAnswerLine = 4096; // bytes, without the line end

enum class LineRead {
    Line,    // `line` holds the next line, its end removed
    End,     // the input has ended
    TooLong, // the line goes on past longestAnswerLine bytes: not an answer
    Binary,  // a NUL byte: the input is not text
};

// Reads the next line into `line`, at most longestAnswerLine bytes of it.
LineRead readAnswerLine(std::istream& in, std::string& line);

} // namespace quill
