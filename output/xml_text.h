#pragma once

#include <string>
#include <string_view>

namespace quill
{

// Appends `text` as XML character data (fit for elements and quoted attributes): the
// markup characters are escaped, bytes that are not UTF-8 become U+FFFD and control
// characters that XML cannot hold are dropped, so no text can break a document part.
void appendXmlText(std::string& out, std::string_view text);

std::string xmlText(std::string_view text);

} // namespace quill
