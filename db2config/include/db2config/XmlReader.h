#pragma once
// The XML reader of db2dsdriver.cfg behind one interface: the system's
// XmlLite (xmllite.dll, loaded on first use) on Windows, libxml2's reader
// elsewhere. Both refuse document type definitions, so no entity is ever
// expanded, and report the line of every element.

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace rk::db2config {

struct XmlElement {
    std::string name;                                            // as written, UTF-8
    std::vector<std::pair<std::string, std::string>> attributes; // names and values, UTF-8
    unsigned line;
    unsigned depth; // 0 for the document's root element
};

// Hands each start element of `document` to `element`, in document order.
// False when the document is not well-formed (or the reader is missing),
// with `error` and the line `errorLine` (0 when none is known); the elements
// before the fault have been handed over.
bool ReadXmlElements(const std::string& document, const std::function<void(const XmlElement&)>& element,
                     std::string& error, unsigned& errorLine);

} // namespace rk::db2config
