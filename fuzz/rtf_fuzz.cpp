// The help text reader: never crashes, and every run it gives is valid
// UTF-8, whatever the bytes (RTF or plain text).
#include <cstdint>
#include <string>

#include "forms/rtf.h"
#include "forms/utf8.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string source(reinterpret_cast<const char*>(data), size);
    const auto paragraphs = forms::readRtf(source);
    for (const auto& paragraph : paragraphs)
        for (const auto& run : paragraph)
            if (!forms::isValidUtf8(run.text)) fuzzFailure("a run is not valid UTF-8", run.text);
    return 0;
}
