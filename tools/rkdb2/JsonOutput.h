#pragma once
// rkdb2's JSON, written by nlohmann-json with the fields in the order given.

#include <cstdio>
#include <string>

#include <nlohmann/json.hpp>

namespace rkdb2 {

using Json = nlohmann::ordered_json;

// A DB2 text as a JSON string. Texts are bytes in the client's ANSI code
// page, which JSON cannot name: each byte above 0x7F becomes the Latin-1
// code point of the same value, so that any text makes valid JSON and a
// reader gets every byte back by encoding the string as Latin-1.
Json JsonText(const std::string& bytes);

// The document, indented by two, in ASCII only, with a line end.
std::string JsonDocument(const Json& document);

} // namespace rkdb2
