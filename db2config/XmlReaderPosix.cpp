#include "db2config/XmlReader.h"

#include <algorithm>
#include <climits>

#include <dlfcn.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>

namespace rk::db2config {
namespace {

// libxml2's SAX parser hands each element over as it reads it, so the
// elements before a fault are seen as XmlLite's reader sees them.
struct Parse {
    const std::function<void(const XmlElement&)>* element;
    xmlParserCtxtPtr context = nullptr;
    unsigned depth = 0;
    std::string error;
    unsigned errorLine = 0;
};

unsigned LineOf(const Parse& parse) { return static_cast<unsigned>(xmlSAX2GetLineNumber(parse.context)); }

void Fail(Parse& parse, const std::string& error, unsigned line)
{
    if (!parse.error.empty())
        return;
    parse.error = error;
    parse.errorLine = line;
}

void StartElement(void* context, const xmlChar* localName, const xmlChar* prefix, const xmlChar*, int, const xmlChar**,
                  int attributeCount, int, const xmlChar** attributes)
{
    auto& parse = *static_cast<Parse*>(static_cast<xmlParserCtxtPtr>(context)->_private);
    XmlElement element;
    element.name = prefix != nullptr ? std::string(reinterpret_cast<const char*>(prefix)) + ":" : std::string();
    element.name += reinterpret_cast<const char*>(localName);
    element.line = LineOf(parse);
    element.depth = parse.depth++;
    // Five pointers per attribute: local name, prefix, URI, value, value end.
    for (int i = 0; i < attributeCount; ++i) {
        const xmlChar* const* a = attributes + 5 * i;
        element.attributes.emplace_back(
            reinterpret_cast<const char*>(a[0]),
            std::string(reinterpret_cast<const char*>(a[3]), static_cast<std::size_t>(a[4] - a[3])));
    }
    (*parse.element)(element);
}

void EndElement(void* context, const xmlChar*, const xmlChar*, const xmlChar*)
{
    auto& parse = *static_cast<Parse*>(static_cast<xmlParserCtxtPtr>(context)->_private);
    if (parse.depth > 0)
        --parse.depth;
}

// No document type definition is taken, so no entity is ever declared.
void InternalSubset(void* context, const xmlChar*, const xmlChar*, const xmlChar*)
{
    auto* parser = static_cast<xmlParserCtxtPtr>(context);
    auto& parse = *static_cast<Parse*>(parser->_private);
    Fail(parse, "a document type definition, which is not taken", LineOf(parse));
    xmlStopParser(parser);
}

void StructuredError(void* context, xmlErrorPtr error)
{
    auto& parse = *static_cast<Parse*>(static_cast<xmlParserCtxtPtr>(context)->_private);
    if (error == nullptr || error->level < XML_ERR_ERROR)
        return;
    std::string message = error->message != nullptr ? error->message : "an XML error";
    while (!message.empty() && (message.back() == '\n' || message.back() == ' '))
        message.pop_back();
    Fail(parse, message, error->line > 0 ? static_cast<unsigned>(error->line) : LineOf(parse));
}

// libxml2 allocates its process-wide state once, at its first use, and frees
// it only in xmlCleanupParser, which a library must never call (the host may
// use libxml2 too). Were libxml2 unloaded with this library, that state would
// be lost at each unload and made again at the next load; kept loaded for the
// process's life, it is made once.
void KeepLibxml2Loaded()
{
    static const bool kept = [] {
        Dl_info info{};
        if (::dladdr(reinterpret_cast<void*>(&xmlCreatePushParserCtxt), &info) == 0 || info.dli_fname == nullptr)
            return false;
        return ::dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE) != nullptr;
    }();
    static_cast<void>(kept);
}

} // namespace

bool ReadXmlElements(const std::string& document, const std::function<void(const XmlElement&)>& element,
                     std::string& error, unsigned& errorLine)
{
    errorLine = 0;
    if (document.size() > static_cast<std::size_t>(INT_MAX)) {
        error = "the file is too large to read";
        return false;
    }
    KeepLibxml2Loaded();
    xmlSAXHandler handler{};
    handler.initialized = XML_SAX2_MAGIC;
    handler.startElementNs = StartElement;
    handler.endElementNs = EndElement;
    handler.internalSubset = InternalSubset;
    handler.serror = StructuredError;
    Parse parse;
    parse.element = &element;
    xmlParserCtxtPtr context = xmlCreatePushParserCtxt(&handler, nullptr, nullptr, 0, nullptr);
    if (context == nullptr) {
        error = "the XML reader cannot be created";
        return false;
    }
    context->_private = &parse;
    parse.context = context;
    xmlCtxtUseOptions(context, XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_BIG_LINES);
    // In pieces, so that the elements before a fault have been handed over.
    constexpr std::size_t kPiece = 4096;
    for (std::size_t offset = 0; offset < document.size() && parse.error.empty(); offset += kPiece) {
        const std::size_t size = std::min(kPiece, document.size() - offset);
        xmlParseChunk(context, document.data() + offset, static_cast<int>(size), 0);
    }
    if (parse.error.empty())
        xmlParseChunk(context, nullptr, 0, 1);
    const bool wellFormed = parse.error.empty() && context->wellFormed != 0;
    if (!wellFormed) {
        error = parse.error.empty() ? "the XML is not well-formed" : parse.error;
        errorLine = parse.error.empty() ? LineOf(parse) : parse.errorLine;
    }
    xmlFreeParserCtxt(context);
    return wellFormed;
}

} // namespace rk::db2config
