// The ".set" file reader, and the writer on whatever it accepts.
#include "SetFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    SetFileContents contents;
    if (ParseSetFile(bytes, contents) != SetParseError::None)
        return 0;
    // What was accepted writes back and reads again to the same tables.
    SetFileContents again;
    if (ParseSetFile(SerializeSetFile(contents), again) != SetParseError::None ||
        again.records != contents.records)
        std::abort();
    return 0;
}
