#include "db2config/XmlReader.h"

#include <libxml/xmlreader.h>

namespace rk::db2config {
namespace {

struct Failure {
    std::string message;
    unsigned line = 0;
};

void RecordError(void* context, xmlErrorPtr error)
{
    auto* failure = static_cast<Failure*>(context);
    if (error == nullptr || !failure->message.empty())
        return;
    failure->message = error->message != nullptr ? error->message : "an XML error";
    while (!failure->message.empty() && (failure->message.back() == '\n' || failure->message.back() == ' '))
        failure->message.pop_back();
    failure->line = error->line > 0 ? static_cast<unsigned>(error->line) : 0;
}

std::string Text(const xmlChar* text) { return text != nullptr ? reinterpret_cast<const char*>(text) : ""; }

class Reader {
public:
    explicit Reader(const std::string& document)
        : m_reader(xmlReaderForMemory(document.data(), static_cast<int>(document.size()), nullptr, nullptr,
                                      XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING))
    {
    }
    ~Reader()
    {
        if (m_reader != nullptr)
            xmlFreeTextReader(m_reader);
    }
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;
    xmlTextReaderPtr Get() const { return m_reader; }

private:
    xmlTextReaderPtr m_reader;
};

} // namespace

bool ReadXmlElements(const std::string& document, const std::function<void(const XmlElement&)>& element,
                     std::string& error, unsigned& errorLine)
{
    errorLine = 0;
    if (document.size() > static_cast<std::size_t>(INT32_MAX)) {
        error = "the file is too large to read";
        return false;
    }
    const Reader reader(document);
    if (reader.Get() == nullptr) {
        error = "the XML reader cannot be created";
        return false;
    }
    Failure failure;
    xmlTextReaderSetStructuredErrorHandler(reader.Get(), RecordError, &failure);
    int result = 0;
    while ((result = xmlTextReaderRead(reader.Get())) == 1) {
        const int type = xmlTextReaderNodeType(reader.Get());
        if (type == XML_READER_TYPE_DOCUMENT_TYPE) {
            error = "a document type definition, which is not taken";
            errorLine = static_cast<unsigned>(xmlTextReaderGetParserLineNumber(reader.Get()));
            return false;
        }
        if (type != XML_READER_TYPE_ELEMENT)
            continue;
        XmlElement current;
        current.name = Text(xmlTextReaderConstName(reader.Get()));
        current.line = static_cast<unsigned>(xmlTextReaderGetParserLineNumber(reader.Get()));
        current.depth = static_cast<unsigned>(xmlTextReaderDepth(reader.Get()));
        while (xmlTextReaderMoveToNextAttribute(reader.Get()) == 1)
            current.attributes.emplace_back(Text(xmlTextReaderConstName(reader.Get())),
                                            Text(xmlTextReaderConstValue(reader.Get())));
        xmlTextReaderMoveToElement(reader.Get());
        element(current);
    }
    if (result == 0 && failure.message.empty())
        return true;
    error = failure.message.empty() ? "the XML is not well-formed" : failure.message;
    errorLine = failure.line != 0 ? failure.line : static_cast<unsigned>(xmlTextReaderGetParserLineNumber(reader.Get()));
    return false;
}

} // namespace rk::db2config
