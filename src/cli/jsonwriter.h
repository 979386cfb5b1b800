#pragma once

#include <string>

// A small writer of compact JSON text: objects, arrays, strings, numbers, booleans, null.
// Commas are placed by the writer; keys and strings are escaped. Non-finite numbers are
// written as null.
class JsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The key of the next value inside an object.
    JsonWriter& Key(const char* key);
    void String(const std::string& value);
    void Number(double value);
    void Integer(long long value);
    void Bool(bool value);
    void Null();

    const std::string& Text() const { return text_; }

private:
    void BeforeValue();
    void Open(char bracket);   // a value that opens an object or array
    void Close(char bracket);

    std::string text_;
    bool needComma_ = false;
};
