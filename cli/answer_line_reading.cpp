#include "cli/answer_line_reading.h"

#include <istream>

namespace quill
{

LineRead readAnswerLine(std::istream& in, std::string& line)
{
    line.clear();
    std::streambuf* const source = in.rdbuf();
    bool readAny = false;
    for (;;) {
        const int c = source->sbumpc();
        if (c == std::char_traits<char>::eof())
            return readAny ? LineRead::Line : LineRead::End;
        readAny = true;
        if (c == '\n')
            return LineRead::Line;
        if (c == '\0')
            return LineRead::Binary;
        if (line.size() == longestAnswerLine)
            return LineRead::TooLong;
        line += static_cast<char>(c);
    }
}

} // namespace quill
