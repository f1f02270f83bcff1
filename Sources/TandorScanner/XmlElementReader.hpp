#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tandor {

// The start of one XML element: its name and its attributes with the entity
// and character references of their values resolved.
struct XmlStartTag {
    std::string_view name;
    std::vector<std::pair<std::string_view, std::string>> attributes;

    // The value of the first attribute called name, or null.
    const std::string* attribute(std::string_view attributeName) const;
};

// A small reader of the element structure of an XML document, enough for
// machine-written files: it reports element starts and ends, skips text,
// comments, processing instructions, CDATA and the document type, and rejects
// what is not well formed (unbalanced or mismatched tags, unquoted or broken
// attributes, unknown references, more than one root, no root).
class XmlElementReader {
  public:
    using StartFunction = std::function<void(const XmlStartTag&)>;
    using EndFunction = std::function<void(std::string_view name)>;

    // True when the whole document was well formed. The callbacks may have
    // been called before a fault was found.
    static bool read(std::string_view document, const StartFunction& onStart,
                     const EndFunction& onEnd);
};

}  // namespace tandor
