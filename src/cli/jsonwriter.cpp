#include "cli/jsonwriter.h"

#include <cmath>
#include <cstdio>

void JsonWriter::BeforeValue()
{
    if (needComma_)
        text_ += ',';
    needComma_ = true;
}

void JsonWriter::Open(char bracket)
{
    BeforeValue();
    text_ += bracket;
    needComma_ = false;
}

void JsonWriter::Close(char bracket)
{
    text_ += bracket;
    needComma_ = true;
}

void JsonWriter::BeginObject() { Open('{'); }
void JsonWriter::EndObject() { Close('}'); }
void JsonWriter::BeginArray() { Open('['); }
void JsonWriter::EndArray() { Close(']'); }

JsonWriter& JsonWriter::Key(const char* key)
{
    String(key);
    text_ += ':';
    needComma_ = false;
    return *this;
}

void JsonWriter::String(const std::string& value)
{
    BeforeValue();
    text_ += '"';
    for (unsigned char c : value) {
        if (c == '"' || c == '\\') {
            text_ += '\\';
            text_ += static_cast<char>(c);
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            text_ += buf;
        } else {
            text_ += static_cast<char>(c);
        }
    }
    text_ += '"';
}

void JsonWriter::Number(double value)
{
    if (!std::isfinite(value)) {
        Null();
        return;
    }
    BeforeValue();
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.12g", value);
    text_ += buf;
}

void JsonWriter::Integer(long long value)
{
    BeforeValue();
    text_ += std::to_string(value);
}

void JsonWriter::Bool(bool value)
{
    BeforeValue();
    text_ += value ? "true" : "false";
}

void JsonWriter::Null()
{
    BeforeValue();
    text_ += "null";
}
