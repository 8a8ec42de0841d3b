#include "db2config/XmlReader.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include <windows.h>

#include <xmllite.h>

namespace rk::db2config {
namespace {

// The document's bytes as the stream XmlLite reads from.
class CRkMemoryStream final : public ISequentialStream {
public:
    explicit CRkMemoryStream(const std::string& bytes) : m_bytes(bytes) { }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        if (object == nullptr)
            return E_POINTER;
        if (IsEqualIID(id, __uuidof(IUnknown)) || IsEqualIID(id, __uuidof(ISequentialStream))) {
            *object = static_cast<ISequentialStream*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // The stream lives on the reading function's stack, past the reader.
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE Read(void* buffer, ULONG size, ULONG* read) override
    {
        const std::size_t n = std::min<std::size_t>(size, m_bytes.size() - m_position);
        std::memcpy(buffer, m_bytes.data() + m_position, n);
        m_position += n;
        if (read != nullptr)
            *read = static_cast<ULONG>(n);
        return n < size ? S_FALSE : S_OK;
    }
    HRESULT STDMETHODCALLTYPE Write(const void*, ULONG, ULONG*) override { return STG_E_ACCESSDENIED; }

private:
    const std::string& m_bytes;
    std::size_t m_position = 0;
};

// xmllite.dll for one reading, and its reader.
class CRkXmlLite {
public:
    CRkXmlLite() : m_module(::LoadLibraryA("xmllite.dll"))
    {
        if (m_module == nullptr)
            return;
        using CreateFn = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);
        // GetProcAddress gives a generic pointer; through void(*)(void) to the
        // entry point's own type.
        const auto create =
            reinterpret_cast<CreateFn>(reinterpret_cast<void (*)(void)>(::GetProcAddress(m_module, "CreateXmlReader")));
        if (create == nullptr || FAILED(create(__uuidof(IXmlReader), reinterpret_cast<void**>(&m_reader), nullptr)))
            m_reader = nullptr;
    }
    ~CRkXmlLite()
    {
        if (m_reader != nullptr)
            m_reader->Release();
        if (m_module != nullptr)
            ::FreeLibrary(m_module);
    }
    CRkXmlLite(const CRkXmlLite&) = delete;
    CRkXmlLite& operator=(const CRkXmlLite&) = delete;

    IXmlReader* Reader() const { return m_reader; }

private:
    HMODULE m_module;
    IXmlReader* m_reader = nullptr;
};

std::string Utf8(const WCHAR* text, UINT length)
{
    if (text == nullptr || length == 0)
        return std::string();
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), &utf8[0], size, nullptr, nullptr);
    return utf8;
}

std::string Name(IXmlReader* reader)
{
    const WCHAR* name = nullptr;
    UINT length = 0;
    return SUCCEEDED(reader->GetQualifiedName(&name, &length)) ? Utf8(name, length) : std::string();
}

std::string Value(IXmlReader* reader)
{
    const WCHAR* value = nullptr;
    UINT length = 0;
    return SUCCEEDED(reader->GetValue(&value, &length)) ? Utf8(value, length) : std::string();
}

} // namespace

bool ReadXmlElements(const std::string& document, const std::function<void(const XmlElement&)>& element,
                     std::string& error, unsigned& errorLine)
{
    errorLine = 0;
    const CRkXmlLite xmlLite;
    IXmlReader* reader = xmlLite.Reader();
    if (reader == nullptr) {
        error = "xmllite.dll cannot be loaded";
        return false;
    }
    CRkMemoryStream stream(document);
    if (FAILED(reader->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit)) ||
        FAILED(reader->SetInput(&stream))) {
        error = "XmlLite refuses the input";
        return false;
    }
    XmlNodeType type = XmlNodeType_None;
    HRESULT result = S_OK;
    while ((result = reader->Read(&type)) == S_OK) {
        if (type != XmlNodeType_Element)
            continue;
        XmlElement current;
        current.name = Name(reader);
        UINT line = 0;
        UINT depth = 0;
        reader->GetLineNumber(&line);
        reader->GetDepth(&depth);
        current.line = line;
        current.depth = depth;
        for (HRESULT moved = reader->MoveToFirstAttribute(); moved == S_OK; moved = reader->MoveToNextAttribute())
            current.attributes.emplace_back(Name(reader), Value(reader));
        reader->MoveToElement();
        element(current);
    }
    if (result == S_FALSE)
        return true;
    UINT line = 0;
    reader->GetLineNumber(&line);
    errorLine = line;
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(result));
    error = std::string("the XML is not well-formed (XmlLite error ") + code + ")";
    return false;
}

} // namespace rk::db2config
